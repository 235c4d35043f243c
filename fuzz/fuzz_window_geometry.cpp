// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A form state file's window placements restored on two screens, one of
// them to the left of the other (negative coordinates): whatever the file
// holds, the window opens wholly on one screen and never larger than it.
#include "form/WindowGeometry.h"
#include "form/baseTMSStyleable_F.h"
#include "fuzz_common.h"
#include "helpers/offscreen_screens.h"
#include "store/MemIniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

const QList<QRect> kScreens{QRect(-1920, 0, 1920, 1080), QRect(0, 0, 1366, 768)};

class Tool : public qz8::TTMSStyleableRepositoryForm {
public:
    explicit Tool(const QString& ini) : fIni(ini) { setObjectName("Tool1"); }
    QString TheIniName() override { return fIni; }

private:
    QString fIni;
};

bool OnOneScreen(const QRect& r, const QList<QRect>& screens)
{
    for (const QRect& s : screens) {
        if (s.contains(r))
            return true;
    }
    return false;
}

void Fail(const char* what, const QRect& r)
{
    std::fprintf(stderr, "%s: %d,%d %dx%d\n", what, r.x(), r.y(), r.width(), r.height());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool screensSet = qz8test::SetOffscreenScreens(kScreens);
    static QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Each line is a placement of the current arrangement, and of one other.
    QByteArray file = "[Window geometry]\n";
    const QByteArray here = qz8::ScreenArrangementKey(qz8::ScreenGeometries()).toUtf8();
    for (const QByteArray& line : bytes.split('\n'))
        file += (line.contains('=') ? line : here + '=' + line) + '\n';
    {
        QFile f(ini);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(file);
    }
    qz8::TMyMemIniFile parsed(ini);
    for (const auto& [key, p] : qz8::ReadPlacements(parsed)) {
        const QRect fitted = qz8::FitOnScreens(p.Normal, kScreens);
        if (fitted.width() > 1920 || fitted.height() > 1080)
            Fail("larger than every screen", fitted);
        if (fitted != p.Normal && !OnOneScreen(fitted, kScreens))
            Fail("moved, yet not onto a screen", fitted);
    }
    Tool w(ini);
    w.show();
    QCoreApplication::processEvents();
    if (screensSet && (w.width() > 1920 || w.height() > 1080))
        Fail("window larger than its screen", w.geometry());
    return 0;
}
