// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The styled list box's row painter in pixels, on a bitmap and on a real
// grabbed widget, and the row-height rules through fonts of known heights.
#include "controls/My_StyledTMSComponents.h"
#include "external/Rtl_and_ltr_painting.h"
#include "toolkit/Components.h"
#include "toolkit/Forms.h"

#include "external/General_runtime.h"
#include "store/MemIniFile.h"
#include "test_util.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

constexpr int kW = 240, kH = 20;
const TColor kMagenta = RGB(255, 0, 255);

// Paints one row of the list through its painter onto a fresh bitmap.
QImage PaintRow(TStyledListbox& list, int index, TOwnerDrawState state, TRect rect = Rect(0, 0, kW, kH))
{
    TBitmap bmp(kW, kH);
    bmp.Canvas().Brush.Color = kMagenta;
    bmp.Canvas().FillRect(Rect(0, 0, kW, kH));
    list.Canvas().Attach(bmp.Canvas().Painter());
    list.Canvas().Font = TFont(list.font(), clBlack);
    list.StandardDrawItem(&list, index, rect, state);
    list.Canvas().Detach();
    return bmp.Image().copy();
}

// Where a row's text shows, read from its pixels: the extent of every pixel
// that is not the row's background.
struct Ink {
    int left = -1, right = -1;
    bool foreground = false; // some pixel is exactly the text colour (a full-coverage stem)
};

Ink InkOf(const QImage& img, TColor back, TColor fore, int width = kW)
{
    Ink ink;
    const QRgb b = ToQColor(back).rgb(), f = ToQColor(fore).rgb();
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb px = img.pixel(x, y);
            if (px == b)
                continue;
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.foreground = ink.foreground || px == f;
        }
    }
    return ink;
}

// A right-aligned number in DejaVu Sans 13 px: its background at the
// corners, and its ink starting at inkLeft (a fixed figure of that font) and
// ending one full stop (4 px) before the right edge.
void ExpectNumberRow(const QImage& img, TColor back, TColor fore, int inkLeft)
{
    EXPECT_EQ(img.pixel(0, 0), ToQColor(back).rgb());
    EXPECT_EQ(img.pixel(kW - 1, kH - 1), ToQColor(back).rgb());
    EXPECT_EQ(img.pixel(kW - 2, kH / 2), ToQColor(back).rgb());
    const Ink ink = InkOf(img, back, fore);
    if (inkLeft < 0) {
        EXPECT_EQ(ink.left, -1) << "no text expected";
        return;
    }
    EXPECT_NEAR(ink.left, inkLeft, 1);
    EXPECT_GE(ink.right, kW - 4 - 3);
    EXPECT_LE(ink.right, kW - 4 - 1);
    EXPECT_TRUE(ink.foreground) << "the text is not in its colour";
}

QFont FontOfHeight(int height)
{
    for (int px = 4; px < 80; ++px) {
        QFont f("DejaVu Sans");
        f.setPixelSize(px);
        if (QFontMetrics(f).height() == height)
            return f;
    }
    ADD_FAILURE() << "no DejaVu Sans size of height " << height;
    return {};
}

struct English {
    English() { UserDefaultFormatSettings = FormatSettingsFor(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

TEST(StyledListbox, ConstructionTakesStyleZeroAndOwnerDrawFixed)
{
    TStyledListbox list;
    EXPECT_EQ(list.Style(), TCustomListBox::lbOwnerDrawFixed);
    EXPECT_EQ(list._BackgroundColour(), GetABaseTMSBackgroundColour(tsClassicLight));
    EXPECT_EQ(list.Color(), GetABaseTMSBackgroundColour(tsClassicLight));
    EXPECT_EQ(list.ItemHeight(), 16);
    list.SetComponentStyle(tsGraphite);
    EXPECT_EQ(list._TextColour(), GetABaseTMSTextColour(tsGraphite));
    EXPECT_EQ(list._SelectedColour(), GetABaseTMSHighlightBackgroundColour(tsGraphite));
    EXPECT_EQ(list._SelectedTextColour(), GetABaseTMSHighlightedTextColour(tsGraphite));
    EXPECT_EQ(list.Color(), GetABaseTMSBackgroundColour(tsGraphite));
    // The style it is given, not the global one.
    EXPECT_EQ(Global_TMSStyle, tsClassicLight);
    auto* styled = qobject_cast<ITMSStyle*>(&list);
    ASSERT_NE(styled, nullptr);
}

TEST(StyledListbox, NumbersEndOneFullStopFromTheRightEdge)
{
    English en;
    TStyledListbox list;
    list.Items().AddStrings({"1234", "1234.5", "-999998", "-999999", "plain words", "", "-42"});
    const TColor back = list._BackgroundColour(), fore = list._TextColour();
    ExpectNumberRow(PaintRow(list, 0, 0), back, fore, 204); // "1234"
    ExpectNumberRow(PaintRow(list, 1, 0), back, fore, 179); // "1,234.50"
    ExpectNumberRow(PaintRow(list, 6, 0), back, fore, 215); // "-42"
    // No value: the background only. Not applicable: the text in its place.
    ExpectNumberRow(PaintRow(list, 2, 0), back, fore, -1);
    ExpectNumberRow(PaintRow(list, 3, 0), back, fore, 216); // "n/a"
    // An empty text shows nothing over the background.
    ExpectNumberRow(PaintRow(list, 5, 0), back, fore, -1);
}

TEST(StyledListbox, SelectedRowsOnlyTakeTheSelectionColours)
{
    TStyledListbox list;
    list.Items().Add("77");
    const TColor selBack = list._SelectedColour(), selFore = list._SelectedTextColour();
    ASSERT_NE(selBack, list._BackgroundColour());
    ExpectNumberRow(PaintRow(list, 0, odSelected), selBack, selFore, 220); // "77"
    ExpectNumberRow(PaintRow(list, 0, odSelected | odFocused), selBack, selFore, 220);
    ExpectNumberRow(PaintRow(list, 0, odFocused), list._BackgroundColour(), list._TextColour(), 220);
    ExpectNumberRow(PaintRow(list, 0, odDisabled | odGrayed), list._BackgroundColour(), list._TextColour(), 220);
    // Colours written directly show at the next paint.
    list.Set_BackgroundColour(clYellow);
    list.Set_TextColour(clNavy);
    ExpectNumberRow(PaintRow(list, 0, 0), clYellow, clNavy, 220);
}

TEST(StyledListbox, AnIndexOutOfRangeDrawsNothingNotEvenTheBackground)
{
    TStyledListbox list;
    list.Items().AddStrings({"a", "b"});
    QImage untouched(kW, kH, QImage::Format_ARGB32);
    untouched.fill(ToQColor(kMagenta));
    EXPECT_EQ(PaintRow(list, 2, 0), untouched);
    EXPECT_EQ(PaintRow(list, -1, odSelected), untouched);
}

TEST(StyledListbox, LongPathsAreElidedWhileTheWidestTextIsMeasuredInFull)
{
    TStyledListbox list;
    const QString path = "/home/analyst/corpora/english/novels/nineteenth-century/dickens/bleak_house.txt";
    list.Items().Add(path);
    const QImage img = PaintRow(list, 0, 0, Rect(0, 0, 180, kH));
    list.Canvas().Font = TFont(list.font());
    EXPECT_EQ(list.MaxWidthOfStrings(), list.Canvas().TextWidth(path));
    const QString shortened = MinimizeName(path, list.Canvas(), 180);
    EXPECT_TRUE(shortened.startsWith("/.../"));
    EXPECT_TRUE(shortened.endsWith("/bleak_house.txt"));
    EXPECT_LE(list.Canvas().TextWidth(shortened), 180);
    // The row shows text from its left edge and stays inside its 180 pixels:
    // the background fills the row, nothing is drawn beyond it.
    EXPECT_EQ(img.pixel(179, kH - 1), ToQColor(list._BackgroundColour()).rgb());
    for (int y = 0; y < kH; ++y)
        EXPECT_EQ(img.pixel(180, y), ToQColor(kMagenta).rgb()) << y;
    const Ink ink = InkOf(img, list._BackgroundColour(), list._TextColour(), 180);
    EXPECT_LE(ink.left, 2);
    EXPECT_GE(ink.right, 150); // the shortened path nearly fills the row
    EXPECT_TRUE(ink.foreground);
    // The recorded width only grows; writing it sets it back.
    list.Items().Add("x");
    PaintRow(list, 1, 0);
    EXPECT_EQ(list.MaxWidthOfStrings(), list.Canvas().TextWidth(path));
    list.SetMaxWidthOfStrings(0);
    PaintRow(list, 1, 0);
    EXPECT_EQ(list.MaxWidthOfStrings(), list.Canvas().TextWidth("x"));
}

TEST(StyledListbox, MinimizeNameHandlesBothDelimitersAndLeavesOtherTexts)
{
    TBitmap bmp(1, 1);
    TCanvas& c = bmp.Canvas();
    const int w = c.TextWidth("C:\\...\\d\\file.txt");
    EXPECT_EQ(MinimizeName("C:\\a\\bb\\ccc\\d\\file.txt", c, w), "C:\\...\\d\\file.txt");
    EXPECT_EQ(MinimizeName("/a/bb/ccc/d/file.txt", c, c.TextWidth("/.../d/file.txt")), "/.../d/file.txt");
    EXPECT_EQ(MinimizeName("/a/bb/file.txt", c, 1), "file.txt");
    EXPECT_EQ(MinimizeName("relative/dir/file.txt", c, c.TextWidth(".../file.txt")), ".../file.txt");
    EXPECT_EQ(MinimizeName("no delimiter at all but very long", c, 5), "no delimiter at all but very long");
    EXPECT_EQ(MinimizeName("/short", c, 1000), "/short");
    EXPECT_EQ(MinimizeName("", c, 0), "");
}

TEST(StyledListbox, TextKinds)
{
    English en;
    EXPECT_EQ(IsANumber("1234"), 0);
    EXPECT_EQ(IsANumber(" -17 "), 0);
    EXPECT_EQ(IsANumber("$FF"), 0);
    EXPECT_EQ(IsANumber("2147483648"), 1); // beyond 32 bits: a decimal
    EXPECT_EQ(IsANumber("1234.5"), 1);
    EXPECT_EQ(IsANumber("1,234.5"), 1);
    EXPECT_EQ(IsANumber(""), 2);
    EXPECT_EQ(IsANumber("   "), 2);
    EXPECT_EQ(IsANumber("12 apples"), 3);
    EXPECT_EQ(IsANumber("nan"), 3);
    EXPECT_EQ(IsANumber("inf"), 3);
    int v = 0;
    EXPECT_TRUE(TryStrToInt("-2147483648", v));
    EXPECT_EQ(v, -2147483648);
    EXPECT_FALSE(TryStrToInt("2147483648", v));
    EXPECT_FALSE(TryStrToInt("0x", v));
    EXPECT_FALSE(TryStrToInt("１２", v)); // full-width digits are not digits here
    UserDefaultFormatSettings = FormatSettingsFor(QLocale(QLocale::German));
    EXPECT_EQ(IsANumber("1234,5"), 1);
    EXPECT_EQ(IsANumber("1.234,5"), 1);
    EXPECT_EQ(IsANumber("1234.5"), 3); // not a German number
}

TEST(StyledListbox, OnARealWidgetRowsTrailingAreaAndSelection)
{
    English en;
    TStyledListbox list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(200, 120);
    list.Items().AddStrings({"10", "20", "word"});
    list.SetItemIndex(1);
    list.show();
    const QImage img = list.viewport()->grab().toImage();
    const int h = list.ItemHeight();
    EXPECT_EQ(FromQColor(img.pixelColor(1, 1)), list._BackgroundColour());
    EXPECT_EQ(FromQColor(img.pixelColor(1, h + 1)), list._SelectedColour());
    EXPECT_EQ(FromQColor(img.pixelColor(1, 3 * h + 5)), list.Color());
    EXPECT_EQ(FromQColor(img.pixelColor(199, 119)), list.Color());
    // The number of row 0 ends one full stop before the right edge.
    list.Canvas().Font = TFont(list.font());
    const int end = list.viewport()->width() - list.Canvas().TextWidth(".");
    int rightmost = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < h; ++y)
            if (FromQColor(img.pixelColor(x, y)) != list._BackgroundColour())
                rightmost = std::max(rightmost, x);
    EXPECT_GE(rightmost, end - list.Canvas().TextWidth("0"));
    EXPECT_LT(rightmost, end);
    // A restyle repaints in the new colours.
    list.SetComponentStyle(tsHighContrast);
    const QImage dark = list.viewport()->grab().toImage();
    EXPECT_EQ(FromQColor(dark.pixelColor(1, 1)), GetABaseTMSBackgroundColour(tsHighContrast));
}

TEST(StyledListbox, VirtualRowsComeFromTheEventAndCostOnlyTheVisibleRows)
{
    TStyledListbox list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(200, 160);
    list.SetStyle(TCustomListBox::lbVirtualOwnerDraw);
    std::vector<int> asked;
    list.OnGetStringAndInt = [&](QObject* sender, int index, TStringAndIntegerRec& rec) {
        EXPECT_EQ(sender, &list);
        EXPECT_TRUE(rec.S.isEmpty());
        asked.push_back(index);
        rec.S = QString::number(index);
        rec.I = index * 2;
    };
    list.SetCount(10'000'000);
    EXPECT_TRUE(asked.empty());
    list.show();
    list.SetTopIndex(9'999'990);
    asked.clear();
    list.viewport()->grab();
    ASSERT_EQ(asked.size(), 10u);
    EXPECT_EQ(asked.front(), 9'999'990);
    EXPECT_EQ(asked.back(), 9'999'999);
    EXPECT_EQ(list.RowValue(5), 10);
    EXPECT_EQ(list.RowValue(10'000'000), kNoValue);
}

TEST(StyledListbox, RowValuesFromObjectsOnlyWithShowValues)
{
    TStyledListbox list;
    list.Items().AddObject("a", 17);
    EXPECT_EQ(list.RowValue(0), kNoValue);
    list.SetShowValues(true);
    EXPECT_EQ(list.RowValue(0), 17);
}

TEST(StyledListbox, ItemHeightFromTheGhHeight)
{
    for (auto [text, expected] : {std::pair{13, 16}, {15, 18}, {16, 20}}) {
        TStyledListbox list;
        list.setFont(FontOfHeight(text));
        list.MySetItemHeight();
        EXPECT_EQ(list.ItemHeight(), expected) << "gh height " << text;
    }
    // CorrectForScreenResolucao takes the window's font whatever the scale.
    TForm form;
    form.setFont(FontOfHeight(16));
    auto* list = new TStyledListbox(&form);
    list->setFont(FontOfHeight(13));
    list->CorrectForScreenResolucao(3.5f);
    EXPECT_EQ(list->ItemHeight(), 20);
}

TEST(FixedStyledListbox, MeasureItemAndCreateWndRecomputeHeights)
{
    for (auto [text, expected] : {std::pair{15, 18}, {16, 19}, {20, 24}}) {
        TStyledListboxOwnerDrawnFixed list;
        list.setFont(FontOfHeight(text));
        int height = 0;
        list.MyMeasureItem(&list, 0, height);
        EXPECT_EQ(height, expected) << "Yg height " << text;
    }
    TForm form;
    auto* list = new TStyledListboxOwnerDrawnFixed(&form);
    list->setFont(FontOfHeight(16));
    list->SetItemHeight(40); // as a form file might have stored
    EXPECT_EQ(list->ItemHeight(), 40);
    form.show();
    EXPECT_EQ(list->ItemHeight(), 20);
    // A new parent re-creates the window: the height follows the font again.
    TForm other;
    list->setFont(FontOfHeight(13));
    list->setParent(&other);
    other.show();
    list->show();
    EXPECT_EQ(list->ItemHeight(), 16);
    // Rows take ItemHeight in the fixed style and MyMeasureItem when variable.
    list->Items().AddStrings({"a", "b"});
    EXPECT_EQ(list->ItemRect(1).Top, 16);
    list->SetStyle(TCustomListBox::lbOwnerDrawVariable);
    int yg = 0;
    list->MyMeasureItem(list, 0, yg);
    EXPECT_EQ(list->ItemRect(1).Top, yg);
}

TEST(FixedStyledListbox, AClearedOnDrawItemStillPaintsTheStandardRows)
{
    English en;
    TStyledListboxOwnerDrawnFixed fixed;
    fixed.Items().AddStrings({"5", "x"});
    fixed.OnDrawItem = nullptr;
    fixed.setFrameShape(QFrame::NoFrame);
    fixed.resize(kW, 60);
    fixed.show();
    TStyledListbox plain;
    plain.Items().AddStrings({"5", "x"});
    plain.setFrameShape(QFrame::NoFrame);
    plain.resize(kW, 60);
    plain.show();
    plain.SetItemHeight(fixed.ItemHeight());
    EXPECT_EQ(fixed.viewport()->grab().toImage(), plain.viewport()->grab().toImage());
}

TEST(Containers, ChildrenAndParentColour)
{
    TForm form;
    auto* panel = new TPanel(&form);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::red);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    panel->resize(100, 100);
    auto* box = new TContainBox(panel);
    box->setGeometry(10, 10, 50, 50);
    auto* inBox = new QWidget(box);
    inBox->setObjectName("InBox");
    auto* group = new TTransparentContainingGroup(&form);
    auto* inGroup = new QWidget(group);
    inGroup->setObjectName("InGroup");
    form.show();
    EXPECT_EQ(box->grab().toImage().pixelColor(45, 45), QColor(Qt::red));
    EXPECT_EQ(inBox->parentWidget(), box);
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    // Both pass ownership through: their controls belong to the form.
    EXPECT_EQ(Owner(inBox), &form);
    EXPECT_EQ(Owner(inGroup), &form);
    TColumnInfoRec column;
    EXPECT_EQ(column.Alignment, taLeftJustify);
}

namespace {
// The leftmost column a row paints in other than its background.
int LeftmostInk(const QImage& img, int top, int height, TColor background)
{
    for (int x = 0; x < img.width(); ++x)
        for (int y = top; y < top + height; ++y)
            if (FromQColor(img.pixelColor(x, y)) != background)
                return x;
    return -1;
}
} // namespace

TEST(StyledListbox, NumbersFollowTheLocaleAToolSetsInPaintedRowsAndInFormStateFiles)
{
    // A tool that follows a language setting of its own sets the default
    // locale; its numbers, written with QLocale().toString, are numbers.
    const qz8test::ScopedDefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    const QString written = QLocale().toString(0.714, 'f', 3);
    ASSERT_EQ(written, "0,714");
    EXPECT_EQ(IsANumber(written), 1);
    EXPECT_EQ(IsANumber("0.714"), 3);

    TStyledListbox list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(300, 80);
    list.Items().AddStrings({written, "0.714"});
    list.show();
    const QImage img = list.viewport()->grab().toImage();
    const int h = list.ItemHeight();
    // A number is drawn at the right end of its row, a text from the left.
    EXPECT_GT(LeftmostInk(img, 0, h, list._BackgroundColour()), img.width() / 2);
    const int text = LeftmostInk(img, h, h, list._BackgroundColour());
    EXPECT_GE(text, 0);
    EXPECT_LT(text, img.width() / 4);

    // The form state file reads and writes its decimals the same way.
    QTemporaryDir dir;
    TMyMemIniFile ini(dir.filePath("state.ini"));
    ini.WriteFloat("Spin", "value", 0.714);
    EXPECT_EQ(ini.ReadString("Spin", "value", ""), "0,714");
    ini.WriteString("Spin", "dotted", "0.714");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Spin", "value", -1), 0.714);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Spin", "dotted", -1), -1);

    // A locale with a dot: the dot is the separator again.
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(IsANumber("0.714"), 1);
    EXPECT_EQ(IsANumber(written), 3);
}
