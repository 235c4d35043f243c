// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Layouts of column headers, splitters, tool bars and docks in a form state
// file the user may edit: hostile values never reach Qt's restoreState (which
// trusts them), values out of range are passed over, and what earlier
// releases wrote is still read.
#include "form/baseTMSStyleable_F.h"
#include "settings/ReadAndSaveIni.h"
#include "store/FormStateCheck.h"
#include "store/MemIniFile.h"

#include "test_util.h"
#include <QBitArray>
#include <QDataStream>
#include <QDockWidget>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIODevice>
#include <QScreen>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>
#include <numeric>

using namespace qz8;

namespace {

class LayoutWindow : public TTMSStyleableRepositoryForm {
public:
    QTreeWidget* tree = new QTreeWidget(this);
    QSplitter* splitter = new QSplitter(this);
    QToolBar* files = new QToolBar("Files", this);
    QToolBar* search = new QToolBar("Search", this);
    QToolBar* view = new QToolBar("View", this);
    QDockWidget* notes = new QDockWidget("Notes", this);
    LayoutWindow()
    {
        tree->setObjectName("Tree");
        tree->setColumnCount(4);
        tree->header()->setStretchLastSection(false);
        splitter->setObjectName("Splitter");
        splitter->addWidget(new QWidget);
        splitter->addWidget(new QWidget);
        splitter->addWidget(new QWidget);
        splitter->setGeometry(0, 0, 300, 100);
        setCentralWidget(tree);
        files->setObjectName("Files");
        search->setObjectName("Search");
        view->setObjectName("View");
        addToolBar(Qt::TopToolBarArea, files);
        addToolBar(Qt::TopToolBarArea, search);
        addToolBar(Qt::TopToolBarArea, view);
        notes->setObjectName("Notes");
        notes->setWidget(new QWidget);
        addDockWidget(Qt::RightDockWidgetArea, notes);
        resize(640, 480);
    }
};

// A header state as Qt writes it (format 0), with the given fields.
QByteArray HeaderBlob(const QList<int>& visual, const QList<int>& logical, int sectionCount,
                      const QList<std::pair<qint32, qint32>>& items)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_5_0);
    s << qint32(0xff) << qint32(0) << qint32(Qt::Horizontal) << qint32(0) << qint32(-1) << false;
    s << visual << logical << QBitArray(sectionCount) << QHash<int, int>();
    s << qint32(400) << qint32(sectionCount);
    s << false << true << false << true << false << qint32(0) << qint32(0) << qint32(100) << qint32(20)
      << qint32(Qt::AlignLeft) << qint32(0);
    s << quint32(items.size());
    for (const auto& [size, count] : items)
        s << size << count << qint32(0);
    s << qint32(1000) << false << qint32(100);
    return out;
}

QString Base64(const QByteArray& b) { return QString::fromLatin1(b.toBase64()); }

} // namespace

TEST(HostileLayouts, EditedHeaderSplitterAndBarValuesNeitherCrashNorApply)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    const QByteArray farVisual = HeaderBlob({1000000, 0, 1, 2}, {1, 2, 3, 0}, 4, {{100, 4}});
    const QByteArray hugeItem = HeaderBlob({}, {}, 4, {{100, 0x7fffffff}});
    const QByteArray tooMany = HeaderBlob({}, {}, 5000000, {{100, 5000000}});
    for (const QString& tree :
         {"header=" + Base64(farVisual), "header=" + Base64(hugeItem), "header=" + Base64(tooMany),
          QString("sizes=1,-5,999999999,x\npositions=3,3,3,3"),
          QString("sizes=50,60,70,80\npositions=0,1,2,1000000\nhidden=1,1,1,1,1,1\nsort=77,9,1")}) {
        SCOPED_TRACE(tree.toStdString());
        ASSERT_TRUE(qz8test::WriteBytes(
            ini, ("[Tree]\n" + tree +
                  "\n[Splitter]\nsizes=-1,2147483647,5\n"
                  "[Window layout]\nbar:Files=9,0,0,1\nbar:Search=1,-4,0,1\nbar:View=1,1000000000,2,0\n"
                  "bar:Nobody=1,0,0,1\ndock:Notes=2,1,1,99999999,-5,2147483647,-2147483648\n"
                  "state=AAAA/wAAAAD9AAAAAA==\ndigest=x\n")
                     .toUtf8()));
        LayoutWindow w;
        w.show();
        const auto sizesBefore = w.splitter->sizes();
        ReadIni(&w, ini);
        EXPECT_EQ(w.tree->header()->count(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_LE(w.tree->header()->sectionSize(i), 100000);
        EXPECT_EQ(w.splitter->sizes(), sizesBefore);
        EXPECT_EQ(w.toolBarArea(w.files), Qt::TopToolBarArea);
        EXPECT_LE(w.notes->width(), 100000);
    }
}

TEST(HostileLayouts, AFloatingDockFarBeyondEveryScreenIsNotTakenAndTheCheckSaysSo)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Window layout]\ndock:Notes=1,1,1,100000,100000,2147483647,2147483647\n"));
    {
        LayoutWindow w;
        w.show();
        ReadIni(&w, ini);
        // Refused whole: the dock stays where the window has it.
        EXPECT_FALSE(w.notes->isFloating());
        EXPECT_EQ(w.dockWidgetArea(w.notes), Qt::RightDockWidgetArea);
    }
    TFormStateCheckOptions options;
    options.LookUpSecrets = false;
    options.Screens = {QRect(0, 0, 1920, 1080)};
    const QList<TFormStateFinding> found = CheckFormStateFile(ini, options);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].Line, 2);
    EXPECT_EQ(found[0].Key, "dock:Notes");
}

TEST(HostileLayouts, TheCheckPointsEachColumnLayoutFindingAtTheLineThatHoldsIt)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Tree]\nsizes=50,60,70\npositions=0,0,1\nhidden=0,0,0,1\nsort=9,0,1\n"));
    TFormStateCheckOptions options;
    options.LookUpSecrets = false;
    QStringList found;
    for (const TFormStateFinding& f : CheckFormStateFile(ini, options))
        found << QStringLiteral("%1 %2").arg(f.Line).arg(f.Key);
    EXPECT_EQ(found, (QStringList{"3 positions", "4 hidden", "5 sort"}));
}

TEST(HostileLayouts, ASortedTablesMovedResizedAndHiddenColumnsComeBackTogether)
{
    // A table view's header is not movable by default: its sections are
    // moved by the tool's code, and come back all the same.
    struct TableForm : TForm {
        QStandardItemModel model{3, 5};
        QTableView* table = new QTableView(this);
        TableForm()
        {
            table->setObjectName("Table");
            table->setModel(&model);
            table->setSortingEnabled(true);
        }
    };
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    int width = 0;
    {
        TableForm f;
        QHeaderView* h = f.table->horizontalHeader();
        h->moveSection(0, 3);
        h->resizeSection(1, 123);
        h->setSectionHidden(4, true);
        f.table->sortByColumn(2, Qt::DescendingOrder);
        width = h->sectionSize(1);
        SaveIni(&f, ini);
    }
    TableForm f;
    ReadIni(&f, ini);
    QHeaderView* h = f.table->horizontalHeader();
    EXPECT_EQ(h->visualIndex(0), 3);
    EXPECT_EQ(h->sectionSize(1), width);
    EXPECT_TRUE(h->isSectionHidden(4));
    EXPECT_EQ(h->sortIndicatorSection(), 2);
    EXPECT_EQ(h->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST(HostileLayouts, LayoutsComeBackAsPlainValuesAndEarlierBlobsAreStillRead)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    QByteArray legacyHeader, legacySplitter;
    QList<int> panes;
    {
        LayoutWindow w;
        w.show();
        w.tree->header()->resizeSection(0, 50);
        w.tree->header()->resizeSection(2, 77);
        w.tree->header()->moveSection(0, 2);
        w.tree->header()->setSectionHidden(3, true);
        const QList<int> laidOut = w.splitter->sizes();
        const int total = std::accumulate(laidOut.begin(), laidOut.end(), 0);
        w.splitter->setSizes({100, 150, total - 250});
        panes = w.splitter->sizes();
        ASSERT_EQ(panes.at(1), 150);
        w.removeToolBar(w.view);
        w.addToolBar(Qt::LeftToolBarArea, w.view);
        w.view->show();
        w.insertToolBarBreak(w.search);
        w.search->hide();
        legacyHeader = w.tree->header()->saveState();
        legacySplitter = w.splitter->saveState();
        SaveIni(&w, ini);
    }
    const QString text = qz8test::ReadText(ini);
    EXPECT_FALSE(text.contains("header=")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Splitter]\nsizes=100,150,")) << text.toStdString();
    EXPECT_TRUE(text.contains("bar:View=1,0,0,1")) << text.toStdString();
    EXPECT_TRUE(text.contains("bar:Search=4,1,0,0")) << text.toStdString();
    const auto check = [&panes](LayoutWindow& w) {
        QHeaderView* h = w.tree->header();
        EXPECT_EQ(h->visualIndex(0), 2);
        EXPECT_EQ(h->sectionSize(0), 50);
        EXPECT_EQ(h->sectionSize(2), 77);
        EXPECT_TRUE(h->isSectionHidden(3));
        EXPECT_EQ(w.splitter->sizes(), panes);
    };
    {
        LayoutWindow w;
        w.show();
        ReadIni(&w, ini);
        check(w);
        EXPECT_EQ(w.toolBarArea(w.view), Qt::LeftToolBarArea);
        EXPECT_TRUE(w.toolBarBreak(w.search));
        EXPECT_TRUE(w.search->isHidden());
        EXPECT_FALSE(w.files->isHidden());
    }
    // The blobs an earlier release kept, read by the library's own reader.
    ASSERT_TRUE(qz8test::WriteBytes(
        ini,
        ("[Tree]\nheader=" + Base64(legacyHeader) + "\n[Splitter]\nstate=" + Base64(legacySplitter) + "\n").toUtf8()));
    LayoutWindow w;
    w.show();
    ReadIni(&w, ini);
    check(w);
}

TEST(HostileLayouts, AFloatingDockWiderThanTheScreenLandsWhollyOnIt)
{
    // Found by the layouts fuzzer: 3000 by 25 pixels, far above the screen.
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Window layout]\ndock:Notes=2,1,1,3000,025,000,-5000\n"));
    LayoutWindow w;
    w.show();
    ReadIni(&w, ini);
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.notes->isFloating());
    const QRect at = w.notes->geometry();
    const QList<QScreen*> screens = QGuiApplication::screens();
    EXPECT_TRUE(std::any_of(screens.begin(), screens.end(),
                            [&](const QScreen* s) { return s->availableGeometry().contains(at); }))
        << at.x() << "," << at.y() << " " << at.width() << "x" << at.height() << " on "
        << QGuiApplication::primaryScreen()->availableGeometry().width() << "x"
        << QGuiApplication::primaryScreen()->availableGeometry().height();
}
