// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A tool window reopens where the user left it, per screen arrangement, and
// never off every screen.
#include "form/WindowGeometry.h"
#include "form/baseTMSStyleable_F.h"
#include "helpers/offscreen_screens.h"
#include "platform/WindowSystem_p.h"
#include "settings/ReadAndSaveIni.h"
#include "store/MemIniFile.h"
#include "test_util.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace qz8;

namespace {

class Tool : public TTMSStyleableRepositoryForm {
public:
    explicit Tool(const QString& iniName) : fIni(iniName) { setObjectName("Tool1"); }
    QString TheIniName() override { return fIni; }

private:
    QString fIni;
};

// A window shown (its form state read) and left to the event loop once.
std::unique_ptr<Tool> Shown(const QString& ini)
{
    auto w = std::make_unique<Tool>(ini);
    w->show();
    QCoreApplication::processEvents();
    return w;
}

const QRect kLaptop(0, 0, 1366, 768);
const QRect kMonitor(1366, 0, 1920, 1080);

} // namespace

TEST(WindowPlacement, TextRoundTripAndDamagedTexts)
{
    const TWindowPlacement p{QRect(-1500, 20, 640, 300), Qt::WindowMaximized};
    EXPECT_EQ(p.ToText(), "-1500,20,640,300,maximized");
    EXPECT_EQ(TWindowPlacement::FromText(p.ToText()), p);
    EXPECT_EQ(TWindowPlacement::FromText(" 1, 2, 3, 4 ,fullscreen")->State, Qt::WindowFullScreen);
    for (const char* bad : {"", "1,2,3,4", "1,2,3,4,normal,6", "a,2,3,4,normal", "1,2,0,4,normal", "1,2,3,-4,normal",
                            "1,2,3,4,huge", "99999999999,0,10,10,normal", "0,0,16777216,10,normal", "1,2,3,4,"})
        EXPECT_FALSE(TWindowPlacement::FromText(QString::fromLatin1(bad))) << bad;
}

TEST(WindowPlacement, ArrangementKeyIsTheSetOfScreens)
{
    EXPECT_EQ(ScreenArrangementKey({kMonitor, kLaptop}), "1366x768+0+0 1920x1080+1366+0");
    EXPECT_EQ(ScreenArrangementKey({kLaptop, kMonitor}), ScreenArrangementKey({kMonitor, kLaptop}));
    EXPECT_EQ(ScreenArrangementKey({QRect(-1920, -200, 1920, 1080)}), "1920x1080-1920-200");
    EXPECT_NE(ScreenArrangementKey({kLaptop}), ScreenArrangementKey({kLaptop, kMonitor}));
}

TEST(WindowPlacement, FitOnScreensMovesOnlyWhatLiesOnNoScreen)
{
    const QList<QRect> screens{kLaptop, kMonitor};
    // On a screen, or across two: unchanged.
    EXPECT_EQ(FitOnScreens(QRect(100, 100, 500, 300), screens), QRect(100, 100, 500, 300));
    EXPECT_EQ(FitOnScreens(QRect(1200, 100, 500, 300), screens), QRect(1200, 100, 500, 300));
    // 40 pixels of it on the laptop's screen still count.
    EXPECT_EQ(FitOnScreens(QRect(-460, 100, 500, 300), screens), QRect(-460, 100, 500, 300));
    // Ten pixels do not: moved whole onto the nearest screen.
    EXPECT_EQ(FitOnScreens(QRect(-490, 100, 500, 300), screens), QRect(0, 100, 500, 300));
    // Far right and below: onto the monitor, its bottom-right corner.
    EXPECT_EQ(FitOnScreens(QRect(9000, 5000, 500, 300), screens), QRect(2786, 780, 500, 300));
    // Larger than the nearest screen: made as large as it.
    EXPECT_EQ(FitOnScreens(QRect(-5000, 0, 2000, 1000), screens), QRect(0, 0, 1366, 768));
    // Without screens nothing can be judged.
    EXPECT_EQ(FitOnScreens(QRect(-5000, 0, 20, 10), {}), QRect(-5000, 0, 20, 10));
}

// A damaged size must never reach the window: each would cost a backing
// store of its area (gigabytes), the largest a crash.
TEST(WindowPlacement, FitOnScreensNeverKeepsASizeLargerThanItsScreen)
{
    const QRect left(-1920, 0, 1920, 1080);
    for (const QList<QRect>& screens : {QList<QRect>{kLaptop}, QList<QRect>{left, kLaptop}}) {
        for (const QRect& saved :
             {QRect(0, 0, 40000, 40000), QRect(-100, -100, 16777215, 16777215), QRect(-16777216, 10, 16777215, 300),
              QRect(100, 100, 1367, 20), QRect(-1920, 0, 3286, 1080)}) {
            const QRect fitted = FitOnScreens(saved, screens);
            bool within = false;
            for (const QRect& s : screens)
                within = within || s.contains(fitted);
            EXPECT_TRUE(within) << saved.x() << "," << saved.width() << " -> " << fitted.x() << "," << fitted.y() << " "
                                << fitted.width() << "x" << fitted.height();
        }
    }
    // Shrunk to the screen that shows most of it, then placed on it.
    EXPECT_EQ(FitOnScreens(QRect(100, 50, 40000, 200), {kLaptop, kMonitor}), QRect(1366, 50, 1920, 200));
    EXPECT_EQ(FitOnScreens(QRect(100, 50, 1000, 4000), {kLaptop}), QRect(100, 0, 1000, 768));
}

TEST(WindowGeometryFile, HugeSavedSizeOpensNoLargerThanTheScreen)
{
    qz8test::ScopedOffscreenScreens restore;
    for (const QList<QRect>& screens : {QList<QRect>{kLaptop}, QList<QRect>{QRect(-1920, 0, 1920, 1080), kLaptop}}) {
        if (!qz8test::SetOffscreenScreens(screens))
            GTEST_SKIP() << "the platform's screens cannot be changed here";
        QTemporaryDir dir;
        const QString ini = dir.filePath("tool.ini");
        ASSERT_TRUE(qz8test::WriteBytes(ini, ("[Window geometry]\n" + ScreenArrangementKey(ScreenGeometries()) +
                                              "=-100,-100,16777215,16777215,normal\n")
                                                 .toUtf8()));
        auto w = Shown(ini);
        bool within = false;
        for (const QRect& s : AvailableScreenGeometries())
            within = within || s.contains(w->geometry());
        EXPECT_TRUE(within) << w->width() << "x" << w->height();
    }
}

TEST(WindowGeometryFile, MovedResizedWindowComesBackTheSame)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    {
        auto w = Shown(ini);
        w->setGeometry(150, 120, 520, 310);
    }
    EXPECT_TRUE(qz8test::ReadText(ini).contains("[Window geometry]"));
    // Where the compositor places windows (Wayland), the size comes back.
    const auto placed = [](const QRect& r) { return WindowsPlaceThemselves() ? r : QRect(QPoint(), r.size()); };
    {
        auto w = Shown(ini);
        EXPECT_EQ(placed(w->geometry()), placed(QRect(150, 120, 520, 310)));
        EXPECT_EQ(w->windowState(), Qt::WindowNoState);
        w->showMaximized();
        QTRY_VERIFY(w->isMaximized());
    }
    auto w = Shown(ini);
    QTRY_VERIFY(w->isMaximized());
    // Unmaximised, it has its size from before.
    EXPECT_EQ(placed(w->normalGeometry()), placed(QRect(150, 120, 520, 310)));
}

TEST(WindowGeometryFile, SavedPositionOffEveryScreenComesBackOnAScreen)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    TMyMemIniFile file(ini);
    WritePlacements(file, {{ScreenArrangementKey(ScreenGeometries()), {QRect(40000, -30000, 300, 200), {}}}});
    file.UpdateFile();
    auto w = Shown(ini);
    EXPECT_EQ(w->size(), QSize(300, 200));
    bool whollyOnAScreen = false;
    for (const QRect& s : AvailableScreenGeometries())
        whollyOnAScreen = whollyOnAScreen || s.contains(w->geometry());
    EXPECT_TRUE(whollyOnAScreen) << w->geometry().x() << "," << w->geometry().y();
}

TEST(WindowGeometryFile, TwoScreenArrangementsKeepTwoPlacements)
{
    qz8test::ScopedOffscreenScreens restore;
    if (!qz8test::SetOffscreenScreens({kLaptop}))
        GTEST_SKIP() << "the platform's screens cannot be changed here";
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    {
        auto w = Shown(ini);
        w->setGeometry(100, 100, 500, 300);
    }
    ASSERT_TRUE(qz8test::SetOffscreenScreens({kLaptop, kMonitor}));
    {
        // A set-up never seen starts where the window last was.
        auto w = Shown(ini);
        EXPECT_EQ(w->geometry(), QRect(100, 100, 500, 300));
        w->setGeometry(1600, 200, 700, 400);
    }
    ASSERT_TRUE(qz8test::SetOffscreenScreens({kLaptop}));
    EXPECT_EQ(Shown(ini)->geometry(), QRect(100, 100, 500, 300));
    ASSERT_TRUE(qz8test::SetOffscreenScreens({kLaptop, kMonitor}));
    EXPECT_EQ(Shown(ini)->geometry(), QRect(1600, 200, 700, 400));

    TMyMemIniFile file(ini);
    const TPlacements kept = ReadPlacements(file);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].first, ScreenArrangementKey({kLaptop, kMonitor}));
    EXPECT_EQ(kept[1].first, ScreenArrangementKey({kLaptop}));

    // The monitor unplugged: the monitor's placement is not used, the
    // laptop's is.
    ASSERT_TRUE(qz8test::SetOffscreenScreens({kLaptop}));
    EXPECT_EQ(Shown(ini)->geometry(), QRect(100, 100, 500, 300));
}

TEST(WindowGeometryFile, MonitorGoneWithoutItsOwnPlacementStillOpensOnScreen)
{
    qz8test::ScopedOffscreenScreens restore;
    if (!qz8test::SetOffscreenScreens({kLaptop, kMonitor}))
        GTEST_SKIP() << "the platform's screens cannot be changed here";
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    {
        auto w = Shown(ini);
        w->setGeometry(2000, 300, 600, 400);
    }
    ASSERT_TRUE(qz8test::SetOffscreenScreens({kLaptop}));
    auto w = Shown(ini);
    EXPECT_TRUE(kLaptop.contains(w->geometry())) << w->geometry().x();
    EXPECT_EQ(w->size(), QSize(600, 400));
}

TEST(WindowGeometryFile, SwitchOffLeavesTheFileAsBeforeAndIgnoresASavedPlacement)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    {
        auto w = Shown(ini);
        w->setGeometry(150, 120, 520, 310);
    }
    MEMINI_include_geometry = false;
    {
        auto w = Shown(ini);
        EXPECT_NE(w->geometry(), QRect(150, 120, 520, 310));
    }
    EXPECT_FALSE(qz8test::ReadText(ini).contains("geometry", Qt::CaseInsensitive));
}

TEST(WindowGeometryFile, NeverShownWindowKeepsTheFilesPlacements)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    {
        auto w = Shown(ini);
        w->setGeometry(150, 120, 520, 310);
    }
    const QString before = qz8test::ReadText(ini);
    {
        Tool w(ini); // built and dropped without a show: it saves its controls
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(qz8test::ReadText(ini), before);
}

TEST(WindowGeometryFile, WindowInsideAnotherIsNotPlacedByTheFile)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    {
        auto w = Shown(ini);
        w->setGeometry(150, 120, 520, 310);
    }
    QWidget host;
    host.resize(900, 700);
    auto* inner = new Tool(ini);
    inner->setParent(&host, Qt::Widget);
    inner->setGeometry(5, 6, 300, 200);
    host.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(inner->HasShown());
    EXPECT_EQ(inner->geometry(), QRect(5, 6, 300, 200));
    inner->setGeometry(7, 8, 310, 210);
    delete inner; // saves: the placement of the window of its own stays
    TMyMemIniFile file(ini);
    const TPlacements kept = ReadPlacements(file);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].second.Normal, QRect(150, 120, 520, 310));
}

// Where the compositor places windows (Wayland), a window takes its size and
// its maximised state from the file, and a position that a platform with
// positions wrote stays in the file through the window's save. Run under a
// real Wayland compositor as well; elsewhere the platform is told to answer
// as Wayland does.
TEST(WindowGeometryFile, WithoutPositionsSizeAndStateComeBackAndAnEarlierPositionStays)
{
    const bool realWayland = !WindowsPlaceThemselves();
    if (!realWayland)
        WindowsPlaceThemselvesAnswer = false;
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    const QString here = ScreenArrangementKey(ScreenGeometries());
    {
        TMyMemIniFile file(ini); // as written on X11
        WritePlacements(file, {{here, {QRect(150, 120, 520, 310), {}}}});
        file.UpdateFile();
    }
    const auto saved = [&] {
        TMyMemIniFile file(ini);
        return PlacementFor(ReadPlacements(file), here).value_or(TWindowPlacement{});
    };
    {
        auto w = Shown(ini);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        EXPECT_EQ(w->size(), QSize(520, 310));
        if (!realWayland) {
            EXPECT_NE(w->pos(), QPoint(150, 120)) << "the window placed itself";
        }
        w->resize(600, 400);
        QTRY_COMPARE(w->size(), QSize(600, 400));
        w->move(10, 10); // a position of the window's own: not kept
    }
    EXPECT_EQ(saved().Normal, QRect(150, 120, 600, 400));
    EXPECT_EQ(saved().State, Qt::WindowNoState);
    {
        auto w = Shown(ini);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        w->showMaximized();
        QTRY_VERIFY(w->isMaximized());
    }
    EXPECT_EQ(saved().State, Qt::WindowMaximized);
    EXPECT_EQ(saved().Normal.topLeft(), QPoint(150, 120));
    {
        auto w = Shown(ini);
        QTRY_VERIFY(w->isMaximized());
    }
    EXPECT_EQ(saved().Normal, QRect(150, 120, 600, 400));
    WindowsPlaceThemselvesAnswer.reset();
}
