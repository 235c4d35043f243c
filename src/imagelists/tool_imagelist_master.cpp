// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "imagelists/tool_imagelist_master.h"
#include "external/TmsControls.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/ImageControls.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cmath>
#include <limits>
#include <memory>

namespace qz8 {

namespace {

int CommandImage(int command) { return ImageListMainNum(command, GlobalImageHeight); }

} // namespace

void LoadupAllTheImageLists()
{
    const QString folder = QFileInfo(ExeName()).absolutePath() + QLatin1Char('/');
    for (int d = 0; d < ImageDimensionCount; ++d) {
        const QString file =
            folder + QStringLiteral("ImageListMain%1.res").arg(ImageDimensionSizes[static_cast<size_t>(d)]);
        TImageList* list = ImageLists[static_cast<size_t>(d)];
        if (list && QFileInfo::exists(file))
            list->LoadFromFile(file);
    }
}

QList<TMenuItem*> AllMenuItemsAsList(const QWidget* menu)
{
    QList<TMenuItem*> out;
    std::function<void(TMenuItem*)> visit = [&](TMenuItem* item) {
        if (!item->IsLine() && !out.contains(item))
            out.append(item);
        for (TMenuItem* sub : item->Items())
            visit(sub);
    };
    if (!menu)
        return out;
    for (QAction* a : menu->actions()) {
        if (auto* item = qobject_cast<TMenuItem*>(a))
            visit(item);
    }
    return out;
}

QList<TMenuItem*> GetImagesListOfMenuItems(TMainMenu* menu)
{
    if (!menu)
        return {};
    menu->SetImages(ImageListMain());
    const QList<TMenuItem*> items = AllMenuItemsAsList(menu);
    for (TMenuItem* item : items) {
        const qint64 command = std::abs(static_cast<qint64>(item->Tag()));
        item->SetImageIndex(command <= std::numeric_limits<int>::max() ? CommandImage(static_cast<int>(command)) : -1);
    }
    return items;
}

void SetImagesForListOfMenuItems(TMainMenu* menu) { GetImagesListOfMenuItems(menu); }

bool GetABitmap(int index, TBitmap& bitmap)
{
    const TImageList* list = ImageListMain();
    return list && list->GetBitmap(index, bitmap);
}

void SetImagesAndNumberForToolbarButton(TToolBar* toolbar, QWidget* control, int command)
{
    auto* button = qobject_cast<TToolButton*>(control);
    if (!toolbar || !button)
        return;
    toolbar->SetImages(ImageListMain());
    button->SetImageIndex(CommandImage(command));
}

void SetImagesAndNumberForStatusBarPanel(TAdvOfficeStatusBar* statusbar, int panelIndex, int command)
{
    if (!statusbar)
        return;
    statusbar->SetImages(ImageListMain());
    if (panelIndex < statusbar->PanelCount())
        if (TStatusPanel* panel = statusbar->Panel(panelIndex))
            panel->SetImageIndex(CommandImage(command));
}

void SetImagesAndNumberForAdvOfficePager(TAdvOfficePager* pager, TAdvOfficePage* page, int command)
{
    if (!pager || !page)
        return;
    pager->SetImages(ImageListMain());
    page->SetImageIndex(CommandImage(command));
}

void SetImagesAndNumberForButton(QWidget* control, int command)
{
    if (auto* shower = qobject_cast<IImageShower*>(control)) {
        shower->SetImages(ImageListMain());
        shower->SetImageIndex(CommandImage(command));
    }
}

namespace {

// Removes leading and trailing blanks and control characters.
QString TrimLine(const QString& s)
{
    qsizetype a = 0, b = s.size();
    while (a < b && s[a].unicode() <= 32)
        ++a;
    while (b > a && s[b - 1].unicode() <= 32)
        --b;
    return s.mid(a, b - a);
}

} // namespace

TStringList ComputeMASTER_16_ConstsForIconsFromLines(QStringList lines)
{
    for (QString& l : lines)
        l = TrimLine(l);
    const QString tailMarker = QStringLiteral("// *** assumes this routine placed just after");
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (lines[k].startsWith(tailMarker)) {
            if (k >= 1)
                lines.erase(lines.begin() + (k - 1), lines.end());
            break;
        }
    }
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (lines[k].startsWith(QLatin1String("{ Master_ImageListNumbers"))) {
            for (qsizetype i = 0; i <= k; ++i)
                lines[i].clear();
            break;
        }
    }
    lines.removeAll(QString());
    for (QString& l : lines) {
        while (l.contains(QLatin1String(" ,")))
            l.replace(QLatin1String(" ,"), QLatin1String(","));
        while (l.contains(QLatin1String(" :")))
            l.replace(QLatin1String(" :"), QLatin1String(":"));
    }
    qsizetype start = 0;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (lines[k].startsWith(QLatin1String("cm_TarnwickTag"))) {
            start = k;
            break;
        }
    }
    TStringList result;
    for (qsizetype k = start; k < lines.size(); ++k) {
        const QString& line = lines[k];
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        bool ok = false;
        const int number = line.mid(colon + 1).trimmed().toInt(&ok);
        // A line whose number does not convert gives its names no number:
        // they are not accepted.
        if (!ok || number < 0)
            continue;
        for (const QString& piece : line.left(colon).split(QLatin1Char(','))) {
            const QString name = piece.trimmed();
            if (name.left(3).compare(QLatin1String("cm_"), Qt::CaseInsensitive) == 0)
                result.AddObject(name, number);
        }
    }
    return result;
}

TStringList ComputeMASTER_16_ConstsForIcons(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    QStringList lines;
    QTextStream in(&f);
    while (!in.atEnd())
        lines.append(in.readLine());
    return ComputeMASTER_16_ConstsForIconsFromLines(lines);
}

} // namespace qz8
