// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Layouts in a form state file, as a user could edit them, read into a real
// window with a column header, a splitter, tool bars and a dock: a header
// state blob, a splitter state blob, a window layout blob with a valid
// digest (as earlier releases wrote them), a dock's and a tool bar's plain
// values, or a whole file. The first byte picks the kind, the rest is the
// blob or the text. Nothing may crash, no section, pane or dock grows
// beyond what a screen could show, and a floating dock is on a screen.
#include "form/baseTMSStyleable_F.h"
#include "fuzz_common.h"
#include "settings/ReadAndSaveIni.h"
#include "store/MemIniFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDockWidget>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

class LayoutWindow : public qz8::TTMSStyleableRepositoryForm {
public:
    QTreeWidget* tree = new QTreeWidget(this);
    QSplitter* splitter = new QSplitter(this);
    QDockWidget* dock = new QDockWidget(this);
    LayoutWindow()
    {
        tree->setObjectName("Tree");
        tree->setColumnCount(5);
        setCentralWidget(tree);
        splitter->setObjectName("Splitter");
        for (int i = 0; i < 3; ++i)
            splitter->addWidget(new QWidget);
        for (const char* name : {"Files", "Search", "View"}) {
            auto* bar = new QToolBar(name, this);
            bar->setObjectName(name);
            addToolBar(Qt::TopToolBarArea, bar);
        }
        dock->setObjectName("Notes");
        addDockWidget(Qt::RightDockWidgetArea, dock);
        resize(640, 480);
    }
};

void Fail(const char* what, int value)
{
    std::fprintf(stderr, "%s: %d\n", what, value);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    static QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const QByteArray b64 = rest.toBase64();
    QByteArray file;
    switch (data[0] % 5) {
    case 0: file = "[Tree]\nheader=" + b64 + "\n"; break;
    case 3: file = "[Window layout]\ndock:Notes=" + rest + "\nbar:Files=" + rest + "\n"; break;
    case 1: file = "[Splitter]\nstate=" + b64 + "\n"; break;
    case 2:
        file = "[Window layout]\nstate=" + b64 +
               "\ndigest=" + QCryptographicHash::hash(rest, QCryptographicHash::Sha256).toHex().left(32) + "\n";
        break;
    default: file = rest; break;
    }
    {
        QFile f(ini);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(file);
    }
    LayoutWindow w;
    w.show();
    try {
        qz8::ReadIni(&w, ini);
    } catch (const std::exception&) {
        return 0;
    }
    QCoreApplication::processEvents();
    for (int i = 0; i < w.tree->header()->count(); ++i)
        if (w.tree->header()->sectionSize(i) > 100000)
            Fail("section wider than any screen", w.tree->header()->sectionSize(i));
    for (int s : w.splitter->sizes())
        if (s > 100000)
            Fail("pane wider than any screen", s);
    if (w.dock->width() > 100000 || w.dock->height() > 100000)
        Fail("dock larger than any screen", w.dock->width());
    // A floating dock is placed as a window is: wholly on a screen.
    if (w.dock->isFloating()) {
        const QRect at = w.dock->geometry();
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (std::none_of(screens.begin(), screens.end(),
                         [&](const QScreen* s) { return s->availableGeometry().contains(at); }))
            Fail("floating dock off every screen", at.x());
    }
    return 0;
}
