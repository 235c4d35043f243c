// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Forms, frames and panels: the window's colour, its show and activation
// events, scaling by M/D, the screen-density hook, and who owns what.
#include "test_util.h"
#include "toolkit/Components.h"
#include "toolkit/Forms.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// Records what the density hook hears.
class DensityForm : public TForm {
public:
    std::vector<qreal> heard;

protected:
    void ScreenDensityChanged(qreal logicalDpi) override { heard.push_back(logicalDpi); }
};

} // namespace

TEST(Form, ColourShowAndActivation)
{
    TForm form;
    form.resize(120, 80);
    form.SetColor(RGB(10, 200, 30));
    int shows = 0, activations = 0;
    form.OnShow = [&](QObject* sender) {
        EXPECT_EQ(sender, &form);
        ++shows;
    };
    form.OnActivate = [&](QObject*) { ++activations; };
    form.show();
    EXPECT_EQ(shows, 1);
    const QImage img = form.grab().toImage();
    EXPECT_EQ(img.pixelColor(60, 40), QColor(10, 200, 30));
    form.hide();
    form.show();
    EXPECT_EQ(shows, 2);
    ASSERT_TRUE(qz8test::Activate(&form));
    QCoreApplication::processEvents();
    EXPECT_GE(activations, 1);
}

TEST(Form, ChangeScaleMovesPlacedControlsAndLeavesLaidOutOnes)
{
    TForm form;
    auto* central = new QWidget(&form);
    form.setCentralWidget(central);
    form.resize(400, 300);
    auto* placed = new QWidget(central);
    placed->setGeometry(4, 60, 100, 40);
    auto* box = new QWidget(central);
    box->setGeometry(200, 0, 150, 100);
    auto* row = new QHBoxLayout(box);
    auto* laidOut = new QLabel("x", box);
    row->addWidget(laidOut);
    QFont own = laidOut->font();
    own.setPixelSize(12);
    laidOut->setFont(own);

    form.ChangeScale(120, 96);
    EXPECT_EQ(placed->geometry(), QRect(5, 75, 125, 50));
    EXPECT_EQ(form.size(), QSize(500, 375));
    EXPECT_EQ(laidOut->font().pixelSize(), 15); // an own font scales too

    // Nonsense factors change nothing.
    form.ChangeScale(0, 96);
    form.ChangeScale(96, 0);
    form.ChangeScale(-120, 96);
    EXPECT_EQ(placed->geometry(), QRect(5, 75, 125, 50));
    // Huge factors stay in range instead of overflowing.
    form.ChangeScale(2'000'000'000, 1);
    EXPECT_LE(placed->width(), 1'000'000);
    EXPECT_GT(placed->width(), 0);
}

TEST(Form, TheDensityHookHearsTheScreenAtShowAndWhenItChanges)
{
    DensityForm form;
    form.show();
    ASSERT_NE(form.windowHandle(), nullptr);
    QScreen* screen = form.windowHandle()->screen();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(form.heard.size(), 1u);
    EXPECT_EQ(form.heard[0], screen->logicalDotsPerInch());
    Q_EMIT screen->logicalDotsPerInchChanged(144);
    ASSERT_EQ(form.heard.size(), 2u);
    EXPECT_EQ(form.heard[1], 144);
    // A second show does not connect twice.
    form.hide();
    form.show();
    Q_EMIT screen->logicalDotsPerInchChanged(120);
    EXPECT_EQ(form.heard.size(), 3u);
}

TEST(Form, FramesOwnTheirControlsAndPanelsPassThem)
{
    TForm form;
    form.setObjectName("Form1");
    auto* panel = new TPanel(&form);
    panel->setObjectName("Panel1");
    auto* onPanel = new QLabel(panel);
    onPanel->setObjectName("OnPanel");
    auto* frame = new TFrame(&form);
    frame->setObjectName("Frame1");
    auto* onFrame = new QLabel(frame);
    onFrame->setObjectName("OnFrame");
    const QList<QObject*> owned = Components(&form);
    EXPECT_TRUE(owned.contains(panel));
    EXPECT_TRUE(owned.contains(onPanel));
    EXPECT_TRUE(owned.contains(frame));
    EXPECT_FALSE(owned.contains(onFrame));
    EXPECT_EQ(Components(frame), QList<QObject*>{onFrame});
    panel->SetCaption("Caption");
    EXPECT_EQ(panel->Caption(), "Caption");
}
