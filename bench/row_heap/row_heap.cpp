// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The heap a list's rows cost, in a fresh process: fills one list of
// <rows> rows of twelve characters each, shows and paints it, and prints
// the heap in use (mallinfo2: arena blocks and mapped blocks) per row, and
// the growth of the resident memory per row, measured before and after.
//
//   qz8_row_heap styled|qlistwidget|qstringlistmodel <rows>
//
// bench/row_heap.py runs it for each list and size in turn.
#include "controls/My_StyledTMSComponents.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QListView>
#include <QListWidget>
#include <QStringListModel>
#include <cstdio>
#include <malloc.h>
#include <memory>

namespace {

QString Row(int i) { return QStringLiteral("w%1").arg(i, 11, 10, QLatin1Char('0')); }

double HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

double ResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() * 1024;
    return 0;
}

// Shows the list and paints its first page, as a user would see it.
void Paint(QAbstractScrollArea& view)
{
    view.resize(300, 400);
    view.show();
    QCoreApplication::processEvents();
    QImage target(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    view.viewport()->render(&target);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString kind = args.value(1);
    const int rows = args.value(2).toInt();
    if (rows <= 0 || (kind != u"styled" && kind != u"qlistwidget" && kind != u"qstringlistmodel")) {
        std::fprintf(stderr, "usage: qz8_row_heap styled|qlistwidget|qstringlistmodel <rows>\n");
        return 2;
    }
    // Each list made and painted empty first, so that what is measured is
    // what the rows add.
    std::unique_ptr<QAbstractScrollArea> view;
    QStringListModel model;
    if (kind == u"styled") {
        view = std::make_unique<qz8::TStyledListbox>();
    } else if (kind == u"qlistwidget") {
        auto list = std::make_unique<QListWidget>();
        list->setUniformItemSizes(true);
        view = std::move(list);
    } else {
        auto list = std::make_unique<QListView>();
        list->setUniformItemSizes(true);
        list->setModel(&model);
        view = std::move(list);
    }
    Paint(*view);
    const double heapBefore = HeapInUse();
    const double residentBefore = ResidentBytes();
    if (kind == u"styled") {
        auto& list = static_cast<qz8::TStyledListbox&>(*view);
        for (int i = 0; i < rows; ++i)
            list.Items().Add(Row(i));
    } else if (kind == u"qlistwidget") {
        auto& list = static_cast<QListWidget&>(*view);
        for (int i = 0; i < rows; ++i)
            list.addItem(Row(i));
    } else {
        QStringList texts;
        for (int i = 0; i < rows; ++i)
            texts.append(Row(i));
        model.setStringList(texts);
    }
    Paint(*view);
    std::printf("%s rows=%d heap_bytes_per_row=%.1f resident_bytes_per_row=%.1f\n", qPrintable(kind), rows,
                (HeapInUse() - heapBefore) / rows, (ResidentBytes() - residentBefore) / rows);
    return 0;
}
