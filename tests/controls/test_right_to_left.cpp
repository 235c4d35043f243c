// Right-to-left layout: the styled list box's numbers lead from the left and
// its texts from the right; the colour list box's and combo's swatches move
// to the right; the combo's label goes to the other side.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/Colour_utils.h"
#include "external/General_runtime.h"

#include <gtest/gtest.h>

using namespace qz8;

namespace {

// The columns where anything other than the background shows.
std::pair<int, int> InkColumns(const QImage& img, QRgb back, int top, int bottom)
{
    int left = -1, right = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != back) {
                left = left < 0 ? x : std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

} // namespace

TEST(RightToLeft, StyledListBoxRowsMirror)
{
    UserDefaultFormatSettings = FormatSettingsFor(QLocale(QLocale::English, QLocale::UnitedStates));
    TStyledListbox list;
    list.setFrameShape(QFrame::NoFrame);
    list.setLayoutDirection(Qt::RightToLeft);
    list.Items().AddStrings({"1234", "collocation"});
    list.SetItemHeight(20);
    list.resize(240, 60);
    list.show();
    const QImage img = list.viewport()->grab().toImage();
    const QRgb back = ToQColor(list._BackgroundColour()).rgb();
    // The number starts one full stop (4 px) from the left edge.
    const auto number = InkColumns(img, back, 0, 20);
    EXPECT_NEAR(number.first, 5, 1);
    EXPECT_LT(number.second, 60);
    // The text ends two pixels from the right edge.
    const auto text = InkColumns(img, back, 20, 40);
    EXPECT_GT(text.first, 140);
    EXPECT_NEAR(text.second, 240 - 3, 2);
    // Left to right, the same rows sit the other way round.
    list.setLayoutDirection(Qt::LeftToRight);
    const QImage ltr = list.viewport()->grab().toImage();
    EXPECT_GT(InkColumns(ltr, back, 0, 20).first, 180);
    EXPECT_LT(InkColumns(ltr, back, 20, 40).first, 5);
}

TEST(RightToLeft, ColourSwatchesAndTheComboLabelMirror)
{
    MyColourArray = {{clRed, "red"}, {clNavy, "navy"}};
    QWidget window;
    window.resize(400, 100);
    auto* combo = new TColourSharingCombo(&window);
    combo->SetLabelCaption("Colour");
    combo->SetLabelPosition(lpLeftCenter);
    combo->setGeometry(150, 30, 150, 24);
    window.setLayoutDirection(Qt::RightToLeft);
    window.show();
    ASSERT_NE(combo->Label(), nullptr);
    // The label is on the right of the combo now.
    EXPECT_GE(combo->Label()->x(), combo->x() + combo->width());

    // A row: the swatch at the right edge, the name right-aligned before it.
    TCanvas& c = combo->Canvas();
    TBitmap bmp(200, 16);
    bmp.Canvas().Brush.Color = clWhite;
    bmp.Canvas().FillRect(Rect(0, 0, 200, 16));
    c.Attach(bmp.Canvas().Painter());
    c.Font = TFont(combo->font(), clBlack);
    c.Brush = TBrush{clWhite, bsSolid};
    combo->DrawItem(1, Rect(0, 0, 200, 16), 0);
    c.Detach();
    const QImage img = bmp.Image();
    EXPECT_EQ(FromQColor(img.pixelColor(198, 8)), clNavy);
    EXPECT_EQ(FromQColor(img.pixelColor(1, 8)), clWhite);
    const auto name = InkColumns(img, qRgb(255, 255, 255), 0, 16);
    EXPECT_NEAR(name.first, 200 - 20 - 32, 3); // "navy" is 32 pixels wide
}
