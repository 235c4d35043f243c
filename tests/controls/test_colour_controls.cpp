// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The colour list box and colour combo: row painters in pixels, the label's
// ten positions and the room it makes, and shared versus own arrays.
#include "controls/ColourListBoxesAndCombos.h"
#include "toolkit/Forms.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStyleOptionComboBox>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// A short shared array whose fifth entry is pure red.
const TColorArray kColours = {{clWhite, "white"}, {RGB(0xD3, 0xD3, 0xD3), "lightgray"},
                              {clNavy, "navy"},   {clGreen, "green"},
                              {clRed, "red"},     {clRed, "red again"},
                              {clBlack, "black"}};

// Counts paint events of a widget.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

template <class Paint>
QImage PaintOn(int w, int h, TCanvas& canvas, const QFont& font, Paint paint)
{
    TBitmap bmp(w, h);
    canvas.Attach(bmp.Canvas().Painter());
    canvas.Font = TFont(font, clBlack);
    canvas.Brush = TBrush{clWhite, bsSolid};
    canvas.Pen = TPen{};
    paint();
    canvas.Detach();
    return bmp.Image().copy();
}

} // namespace

namespace {
// Where text shows in a band of a row: every pixel from x0 up to x1 that is
// not the background.
struct TextInk {
    int left = -1, right = -1, top = -1;
    std::vector<QRgb> colours;
    bool hasColour(TColor c) const
    {
        return std::find(colours.begin(), colours.end(), ToQColor(c).rgb()) != colours.end();
    }
};

TextInk TextInkOf(const QImage& img, TColor back, int x0, int x1)
{
    TextInk ink;
    const QRgb b = ToQColor(back).rgb();
    for (int y = 0; y < img.height(); ++y) {
        for (int x = x0; x < x1; ++x) {
            const QRgb px = img.pixel(x, y);
            if (px == b)
                continue;
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = ink.top < 0 ? y : std::min(ink.top, y);
            ink.colours.push_back(px);
        }
    }
    return ink;
}
} // namespace

TEST(ColourArrays, SharedOperationsAnswerNeutrallyOutOfRange)
{
    MyColourArray = kColours;
    TColorArray own;
    EXPECT_EQ(IndexOfColour(true, own, clRed), 4); // the first occurrence
    EXPECT_EQ(IndexOfColour(true, own, RGB(250, 10, 5)), 4); // the nearest
    EXPECT_EQ(IndexOfColour(true, own, RGB(0, 0, 120)), 2);
    EXPECT_EQ(ColourAtIndex(true, own, 2), clNavy);
    EXPECT_EQ(ColourAtIndex(true, own, 7), 0);
    EXPECT_EQ(ColourAtIndex(true, own, -1), 0);
    EXPECT_EQ(ColourNameAtIndex(true, own, 99), "");
    EXPECT_EQ(IndexOfColour(false, own, clRed), -1); // an empty own array
    EXPECT_EQ(NearestColourIndex(clRed, {}), -1);
    EXPECT_EQ(WebNamedColors().size(), 147u);
    EXPECT_EQ(WebNamedColors().front().Name, "aliceblue");
    // A lighter shade of the selection colour marks the default colour.
    const QColor base = ToQColor(clNavy), light = ToQColor(GetHighLightColor(clNavy, 19));
    EXPECT_GT(light.lightness(), base.lightness());
    EXPECT_DOUBLE_EQ(ScreenScaled(16, 1.5), 24.0);
}

TEST(ColourArrays, SortKindsReallySort)
{
    TColorArray a = kColours;
    SortColorArray(a, 0, int(a.size()) - 1, csByName, false);
    EXPECT_EQ(a.front().Name, "black");
    EXPECT_EQ(a.back().Name, "white");
    SortColorArray(a, 0, int(a.size()) - 1, csByValue, false);
    EXPECT_EQ(a.front().Value, clBlack);
    EXPECT_EQ(a.back().Value, clWhite);
    SortColorArray(a, 0, int(a.size()) - 1, csByHue, true);
    EXPECT_NE(a.front().Value, clBlack);
    SortColorArray(a, 5, 100, csByName, false); // a range past the end is clamped
    TColorArray empty;
    SortColorArray(empty, 0, -1, csByName, false);
}

TEST(ColourListbox, RowShowsIndexHexAndNameAfterTheSwatch)
{
    MyColourArray = kColours;
    TColourSharingListbox list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(300, 200);
    list.show(); // the window's creation binds the painter and the count
    EXPECT_EQ(list.Count(), 7);
    EXPECT_EQ(list.Style(), TCustomListBox::lbVirtualOwnerDraw);
    list.SetShowText(ShowBit(ts_index) | ShowBit(ts_hex) | ShowBit(ts_description));
    list.SetComponentStyle(tsOceanBlue);
    TCanvas& c = list.Canvas();
    const TRect row = Rect(0, 0, 300, 16);
    const QImage img = PaintOn(300, 16, c, list.font(), [&] { list.MyDrawItem(&list, 4, row, 0); });
    // DejaVu Sans 13 px: "M" is 11 pixels wide, "99999999" 66, and the text
    // "005 000000FF red" 119; so the swatch spans 12..77 and the text starts
    // one "M" after it, at 89.
    const int m = 11;
    const int swatchRight = 78;
    ASSERT_EQ(c.TextWidth("M"), m);
    const TextInk ink = TextInkOf(img, GetABaseTMSBackgroundColour(tsOceanBlue), swatchRight, 300);
    EXPECT_NEAR(ink.left, swatchRight + m, 1);
    EXPECT_NEAR(ink.right, swatchRight + m + 119, 3);
    EXPECT_GE(ink.top, 2); // drawn two pixels down from the row's top
    EXPECT_TRUE(ink.hasColour(GetABaseTMSTextColour(tsOceanBlue)));
    EXPECT_EQ(FromQColor(img.pixelColor(m + 1, 1)), clRed);
    EXPECT_NE(FromQColor(img.pixelColor(m, 1)), clRed);
    EXPECT_NE(FromQColor(img.pixelColor(swatchRight, 1)), clRed);
    EXPECT_NE(FromQColor(img.pixelColor(m + 1, 0)), clRed);

    // Without text parts only the swatch shows.
    list.SetShowText(0);
    const QImage bare = PaintOn(300, 16, c, list.font(), [&] { list.MyDrawItem(&list, 4, row, 0); });
    for (int x = swatchRight; x < 300; ++x)
        ASSERT_EQ(FromQColor(bare.pixelColor(x, 8)), GetABaseTMSBackgroundColour(tsOceanBlue));
    // Rows beyond the array or the count draw nothing.
    const QImage none = PaintOn(300, 16, c, list.font(), [&] { list.MyDrawItem(&list, 7, row, 0); });
    EXPECT_EQ(FromQColor(none.pixelColor(150, 8)), clWhite);
    // A text wider than its room ends in "…"; right to left, its start (the
    // index) stays in view at the row's left instead of being cut off.
    list.SetShowText(ShowBit(ts_index) | ShowBit(ts_hex) | ShowBit(ts_description));
    const TRect narrow = Rect(0, 0, 160, 16);
    EXPECT_GT(c.TextWidth("005 000000FF red"), 160 - swatchRight - m) << "the text must not fit";
    list.setLayoutDirection(Qt::RightToLeft);
    const QImage rtl = PaintOn(160, 16, c, list.font(), [&] { list.MyDrawItem(&list, 4, narrow, 0); });
    list.setLayoutDirection(Qt::LeftToRight);
    const TextInk rtlInk = TextInkOf(rtl, GetABaseTMSBackgroundColour(tsOceanBlue), 0, 160 - swatchRight);
    EXPECT_GT(rtlInk.left, 0) << "the text's start (the index) is cut off";
    EXPECT_NEAR(rtlInk.right, 160 - swatchRight - m, 3);
}

TEST(ColourListbox, SelectionFocusDefaultMarkerAndNarrowSwatch)
{
    MyColourArray = kColours;
    TColourSharingListbox list;
    list.setFrameShape(QFrame::NoFrame);
    list.resize(60, 100);
    list.show();
    TCanvas& c = list.Canvas();
    const TRect row = Rect(0, 0, 60, 16);
    const int m = c.TextWidth("M");
    // A narrow control: the swatch is a quarter of the client width.
    const QImage narrow = PaintOn(60, 16, c, list.font(), [&] { list.MyDrawItem(&list, 2, row, 0); });
    const int swatchRight = m + 1 + list.viewport()->width() / 4;
    EXPECT_LT(list.viewport()->width() / 4, c.TextWidth("99999999"));
    EXPECT_EQ(FromQColor(narrow.pixelColor(swatchRight - 1, 8)), clNavy);
    EXPECT_NE(FromQColor(narrow.pixelColor(swatchRight, 8)), clNavy);
    // Selected and focused rows look the same.
    const QImage sel = PaintOn(60, 16, c, list.font(), [&] { list.MyDrawItem(&list, 2, row, odSelected); });
    const QImage foc = PaintOn(60, 16, c, list.font(), [&] { list.MyDrawItem(&list, 2, row, odFocused); });
    EXPECT_EQ(sel, foc);
    EXPECT_EQ(FromQColor(sel.pixelColor(0, 0)), clBlack); // the default selection background
    // The default colour's row carries the marker ellipse.
    const int markerTop = 8 - m / 2;
    const QImage plain = PaintOn(60, 16, c, list.font(), [&] { list.MyDrawItem(&list, 2, row, 0); });
    EXPECT_EQ(FromQColor(plain.pixelColor(m / 2, markerTop + m / 2)), clWhite);
    list.SetDefaultColour(clNavy);
    const QImage marked = PaintOn(60, 16, c, list.font(), [&] { list.MyDrawItem(&list, 2, row, 0); });
    EXPECT_EQ(FromQColor(marked.pixelColor(m / 2, markerTop + m / 2)), GetHighLightColor(clBlack, 19));
}

TEST(ColourListbox, SelectionPropertiesAndRepaints)
{
    MyColourArray = kColours;
    TColourSharingListbox list;
    list.show();
    // Painted only once exposed (on Wayland, when the compositor says so).
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.GetASelected(), 0);
    EXPECT_EQ(list.SelectedColourName(), "");
    list.SetASelected(clRed);
    EXPECT_EQ(list.ItemIndex(), 4);
    EXPECT_EQ(list.SelectedColourName(), "red");
    list.SetASelected(RGB(0, 120, 10));
    EXPECT_EQ(list.ItemIndex(), 3);
    PaintCounter counter;
    QApplication::processEvents();
    list.viewport()->installEventFilter(&counter);
    list.SetShowText(ShowBit(ts_description));
    list.SetDefaultColour(clRed);
    EXPECT_EQ(counter.paints, 0);
    list.SetShowText(ShowBit(ts_hex));
    EXPECT_EQ(counter.paints, 1);
}

TEST(ColourListbox, SizeCorrectionOnlyWhenScaleOrDensityChange)
{
    TColourSharingListbox list;
    list.CorrectForScreenResolucao(1.5f);
    EXPECT_EQ(list.ItemHeight(), 24);
    list.SetItemHeight(10);
    list.CorrectForScreenResolucao(1.5f);
    EXPECT_EQ(list.ItemHeight(), 10);
    list.CorrectForScreenResolucao(1.25f);
    EXPECT_EQ(list.ItemHeight(), 20);
    list.CorrectForScreenResolucao(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(list.ItemHeight(), 16);
}

TEST(SharedColours, ASharedSortReordersEveryControlAndCopiesStayApart)
{
    MyColourArray = WebNamedColors();
    TForm form;
    auto* a = new TColourSharingListbox(&form);
    auto* b = new TColourSharingListbox(&form);
    auto* combo = new TColourSharingCombo(&form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form)); // painted only once exposed
    EXPECT_FALSE(a->Sorted());
    const TColor firstBefore = a->GetAColour(0);
    PaintCounter counterB, counterCombo;
    b->viewport()->installEventFilter(&counterB);
    combo->installEventFilter(&counterCombo);
    a->SortTheColours(csByValue);
    QApplication::processEvents();
    EXPECT_TRUE(a->Sorted());
    EXPECT_NE(a->GetAColour(0), firstBefore);
    EXPECT_EQ(b->GetAColour(0), a->GetAColour(0));
    EXPECT_EQ(combo->GetAColour(0), a->GetAColour(0));
    EXPECT_GT(counterB.paints, 0);
    EXPECT_GT(counterCombo.paints, 0);

    // Leaving shared mode copies the array as it is now.
    b->SetUseSharedArray(false);
    const TColor bFirst = b->GetAColour(0);
    EXPECT_EQ(bFirst, MyColourArray.front().Value);
    a->SortTheColours(csByName);
    EXPECT_EQ(b->GetAColour(0), bFirst);
    EXPECT_NE(a->GetAColour(0), bFirst);
    // Sorted reports on the shared array, also for a control in own mode.
    EXPECT_EQ(b->Sorted(), a->Sorted());
    b->SortTheColours(csByHue);
    EXPECT_EQ(a->GetAColour(0), MyColourArray.front().Value);
    // Back to shared mode, then out again: a fresh copy.
    b->SetUseSharedArray(true);
    EXPECT_EQ(b->GetAColour(0), a->GetAColour(0));
    b->SetUseSharedArray(false);
    a->SortTheColours(csByValue);
    EXPECT_NE(b->GetAColour(0), a->GetAColour(0));
    EXPECT_EQ(b->GetAColour(0), WebNamedColors().front().Value); // the copy is the name order
    MyColourArray.clear();
    EXPECT_FALSE(a->Sorted());
}

TEST(ColourCombo, RowsHaveASwatchWithItsFrameAndTheName)
{
    MyColourArray = kColours;
    TColourSharingCombo combo;
    combo.show();
    EXPECT_EQ(combo.count(), 7);
    // Each row carries its colour's name: type-ahead (closed, as in a
    // QComboBox), currentText() and screen readers find it.
    EXPECT_EQ(combo.itemText(6), "black");
    combo.setFocus();
    QTest::keyClicks(&combo, "bl");
    EXPECT_EQ(combo.currentIndex(), 6);
    EXPECT_EQ(combo.currentText(), "black");
    EXPECT_EQ(combo.Selected(), clBlack);
    EXPECT_TRUE(combo.itemData(6, Qt::AccessibleTextRole).toString().startsWith("black"));
    // A sort of the shared array renames the rows with it.
    combo.SortTheColours(csByValue);
    for (int i = 0; i < combo.count(); ++i)
        EXPECT_EQ(combo.itemText(i), MyColourArray[static_cast<size_t>(i)].Name);
    MyColourArray = kColours;
    TCanvas& c = combo.Canvas();
    const TRect row = Rect(0, 0, 200, 16);
    const QImage img = PaintOn(200, 16, c, combo.font(), [&] { combo.DrawItem(2, row, 0); });
    // A 14 x 14 swatch one pixel in from the row's corner, framed in its own
    // colour on an unselected row.
    EXPECT_EQ(FromQColor(img.pixelColor(1, 1)), clNavy);
    EXPECT_EQ(FromQColor(img.pixelColor(14, 14)), clNavy);
    EXPECT_EQ(FromQColor(img.pixelColor(15, 8)), clWhite);
    EXPECT_EQ(FromQColor(img.pixelColor(0, 0)), clWhite);
    // The name starts 20 pixels from the row's left edge ("navy" is 32
    // pixels wide in DejaVu Sans 13 px), in black on white.
    const TextInk name = TextInkOf(img, clWhite, 16, 200);
    EXPECT_NEAR(name.left, 20, 1);
    EXPECT_NEAR(name.right, 20 + 32, 3);
    EXPECT_TRUE(name.hasColour(clBlack));
    // Frame colours: black for light colours, white on a selected dark row.
    const QImage white = PaintOn(200, 16, c, combo.font(), [&] { combo.DrawItem(0, row, odSelected); });
    EXPECT_EQ(FromQColor(white.pixelColor(1, 1)), clBlack);
    EXPECT_EQ(FromQColor(white.pixelColor(5, 5)), clWhite);
    const QImage grey = PaintOn(200, 16, c, combo.font(), [&] { combo.DrawItem(1, row, 0); });
    EXPECT_EQ(FromQColor(grey.pixelColor(1, 1)), clBlack);
    const QImage darkSelected = PaintOn(200, 16, c, combo.font(), [&] { combo.DrawItem(3, row, odSelected); });
    EXPECT_EQ(FromQColor(darkSelected.pixelColor(1, 1)), clWhite);
    EXPECT_EQ(FromQColor(darkSelected.pixelColor(5, 5)), clGreen);
    EXPECT_EQ(TColourSharingCombo::SwatchBorderColour(RGB(10, 193, 10), 0), clBlack);
    EXPECT_EQ(TColourSharingCombo::SwatchBorderColour(RGB(10, 192, 10), 0), RGB(10, 192, 10));
    // A row outside the array is not drawn.
    const QImage none = PaintOn(200, 16, c, combo.font(), [&] { combo.DrawItem(7, row, 0); });
    EXPECT_EQ(FromQColor(none.pixelColor(5, 5)), clWhite);
    combo.SetSelected(clGreen);
    EXPECT_EQ(combo.ItemIndex(), 3);
    EXPECT_EQ(combo.SelectedColourName(), "green");
}

namespace {
// A caption exactly `width` pixels wide in the label's font, if one exists.
QString CaptionOfWidth(const QFont& font, int width)
{
    TBitmap bmp(1, 1);
    bmp.Canvas().Font = TFont(font);
    for (int wide = 0; wide < 12; ++wide)
        for (int narrow = 0; narrow < 60; ++narrow) {
            const QString s = QString(wide, 'W') + QString(narrow, 'i');
            TRect r{0, 0, 1000, 255};
            DrawTextW(bmp.Canvas().Handle(), s, r, DT_CALCRECT | DT_HIDEPREFIX);
            if (r.Width() == width)
                return s;
        }
    return {};
}
} // namespace

TEST(ColourCombo, LabelPositionsFollowTheTable)
{
    TForm form;
    auto* panel = new QWidget(&form);
    form.setCentralWidget(panel);
    auto* combo = new TColourSharingCombo(panel);
    form.resize(600, 400);
    form.show();
    combo->SetBounds(200, 100, 120, 24);
    const QString forty = CaptionOfWidth(combo->font(), 40);
    ASSERT_FALSE(forty.isEmpty());
    combo->SetLabelCaption(forty);
    TLabel* label = combo->Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), panel);
    EXPECT_EQ(label->buddy(), combo);
    EXPECT_EQ(label->pos(), QPoint(200 - 44, 100));
    combo->SetLabelPosition(lpLeftTopLeft);
    combo->SetLabelMargin(60);
    EXPECT_EQ(label->x(), 200 - 60);
    combo->SetLabelMargin(4);
    const int lw = label->width(), lh = label->height();
    const QList<std::pair<TLabelPosition, QPoint>> cases = {{lpLeftCenter, {200 - 44, 100 + (24 - lh) / 2}},
                                                            {lpLeftBottom, {200 - 44, 100 + 24 - lh}},
                                                            {lpTopLeft, {200, 100 - lh - 4}},
                                                            {lpBottomLeft, {200, 100 + 24 + 4}},
                                                            {lpLeftCenterLeft, {196, 100 + (24 - lh) / 2}},
                                                            {lpLeftBottomLeft, {196, 100 + 24 - lh}},
                                                            {lpTopCenter, {200 + (120 - lw) / 2, 100 - lh - 4}},
                                                            {lpBottomCenter, {200 + (120 - lw) / 2, 128}}};
    for (const auto& [position, at] : cases) {
        combo->SetLabelPosition(position);
        EXPECT_EQ(label->pos(), at) << int(position);
    }
    // A label wider than the combo overhangs both ends alike.
    combo->SetLabelCaption(QString(30, 'W'));
    combo->SetLabelPosition(lpTopCenter);
    const int overhangLeft = combo->x() - label->x();
    const int overhangRight = label->geometry().right() - combo->geometry().right();
    EXPECT_GT(overhangLeft, 0);
    EXPECT_LE(std::abs(overhangLeft - overhangRight), 1);
    // The label follows the combo when it moves.
    combo->SetLabelPosition(lpBottomLeft);
    combo->move(10, 10);
    EXPECT_EQ(label->pos(), QPoint(10, 10 + 24 + 4));
    // A prefix character takes no room.
    combo->SetLabelCaption("&" + forty);
    combo->SetLabelPosition(lpLeftTop);
    EXPECT_EQ(label->x(), 10 - 44);
}

TEST(ColourCombo, RoomForTheLabelAndItsLifeCycle)
{
    TForm form;
    auto* panel = new QWidget(&form);
    form.setCentralWidget(panel);
    auto* combo = new TColourSharingCombo(panel);
    form.show();
    combo->SetBounds(0, 0, 300, 24);
    EXPECT_EQ(combo->geometry(), QRect(0, 0, 300, 24)); // no label, no room
    combo->SetLabelCaption("");
    ASSERT_NE(combo->Label(), nullptr); // an empty caption still creates it
    combo->SetLabelCaption("Colour:");
    combo->SetAlign(alClient);
    combo->SetLabelPosition(lpLeftCenter);
    const int lw = combo->Label()->width(), lh = combo->Label()->height();
    combo->SetBounds(0, 0, 300, 24);
    EXPECT_EQ(combo->geometry(), QRect(lw + 4, 0, 300 - lw - 4, 24));
    combo->SetLabelPosition(lpBottomLeft);
    combo->SetBounds(0, 0, 300, 24);
    EXPECT_EQ(combo->geometry(), QRect(0, 0, 300, 24));
    combo->SetLabelPosition(lpTopLeft);
    combo->SetBounds(0, 30, 300, 24);
    EXPECT_EQ(combo->geometry(), QRect(0, 30 + lh, 300, 24));
    combo->SetAlign(alNone);
    combo->SetBounds(0, 30, 300, 24);
    EXPECT_EQ(combo->geometry(), QRect(0, 30, 300, 24));

    // Loaded: a disabled combo gets a disabled label, unless always enabled.
    combo->setEnabled(false);
    combo->Loaded();
    EXPECT_FALSE(combo->Label()->isEnabled());
    combo->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(combo->Label()->isEnabled());
    // Following the combo's font, a new label font does not show.
    QFont big = combo->font();
    big.setPixelSize(30);
    combo->SetLabelFont(big);
    EXPECT_NE(combo->Label()->font().pixelSize(), 30);
    // With a font of its own the combo's label takes the label font.
    QFont own = combo->font();
    own.setPixelSize(11);
    combo->setFont(own);
    combo->Loaded();
    combo->SetLabelFont(big);
    EXPECT_EQ(combo->Label()->font().pixelSize(), 30);
    combo->SetLabelTransparent(true);
    EXPECT_TRUE(combo->Label()->Transparent());
    QPointer<TLabel> label = combo->Label();
    delete combo;
    EXPECT_TRUE(label.isNull());
}

namespace {
// The combo's box and Qt's option over it, as the tests read them.
struct OpenCombo : TColourSharingCombo {
    using TColourSharingCombo::BoxRect;
    using TColourSharingCombo::initStyleOption;
    using TColourSharingCombo::TColourSharingCombo;
    QRect EditField() const
    {
        QStyleOptionComboBox opt;
        initStyleOption(&opt);
        return style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    }
};

// Pixels of img inside r that are darker than mid-grey: the ink of a text.
int DarkPixels(const QImage& img, const QRect& r)
{
    int n = 0;
    for (int y = std::max(0, r.top()); y <= std::min(img.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(img.width() - 1, r.right()); ++x)
            n += qGray(img.pixel(x, y)) < 110;
    return n;
}
} // namespace

TEST(ColourCombo, InALayoutTheBoxFitsSwatchAndNamesAndTheLabelStaysInItsOwnSpace)
{
    MyColourArray = kColours;
    MyColourArray.push_back({clTeal, "a rather long colour name"});
    for (const bool form : {false, true}) {
        QWidget window;
        auto* before = new QListWidget(&window);
        auto* after = new QListWidget(&window);
        auto* combo = new OpenCombo(&window);
        before->addItem("before");
        after->addItem("after");
        if (form) {
            auto* layout = new QFormLayout(&window);
            layout->addRow("Above:", before);
            layout->addRow("Highlight:", combo);
            layout->addRow("Below:", after);
        } else {
            auto* layout = new QHBoxLayout(&window);
            layout->setSpacing(0);
            layout->addWidget(before);
            layout->addWidget(combo);
            layout->addWidget(after);
        }
        combo->SetLabelCaption("&Colour:");
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QFontMetrics fm = combo->fontMetrics();
        const int longest = fm.horizontalAdvance("a rather long colour name");
        for (int p = lpLeftTop; p <= lpBottomCenter; ++p) {
            const auto position = static_cast<TLabelPosition>(p);
            combo->SetLabelPosition(position);
            window.adjustSize();
            QApplication::processEvents();
            const QString what = QString("%1 position %2").arg(form ? "form" : "row").arg(p);
            // The box: a swatch as high as the field, the gap and the longest name.
            const QRect field = combo->EditField();
            EXPECT_GE(field.width(), field.height() + 5 + longest) << qPrintable(what);
            EXPECT_GE(combo->width(), combo->sizeHint().width()) << qPrintable(what);
            // The label: inside the combo's own space, beside the box, clear
            // of the siblings.
            TLabel* label = combo->Label();
            ASSERT_TRUE(label->isVisible());
            EXPECT_TRUE(combo->geometry().contains(label->geometry())) << qPrintable(what);
            EXPECT_FALSE(label->geometry().intersects(before->geometry())) << qPrintable(what);
            EXPECT_FALSE(label->geometry().intersects(after->geometry())) << qPrintable(what);
            const QRect box = combo->BoxRect().translated(combo->pos());
            if (position != lpLeftTopLeft && position != lpLeftCenterLeft && position != lpLeftBottomLeft) {
                EXPECT_FALSE(label->geometry().intersects(box)) << qPrintable(what);
            }
            // In pixels: the caption is drawn, and the siblings look as they
            // do alone.
            const QImage shot = window.grab().toImage();
            EXPECT_GT(DarkPixels(shot, label->geometry()), 20) << qPrintable(what);
            for (QListWidget* sibling : {before, after}) {
                const QImage alone = sibling->grab().toImage().convertToFormat(QImage::Format_RGB32);
                const QImage there = shot.copy(sibling->geometry()).convertToFormat(QImage::Format_RGB32);
                int differ = 0;
                for (int y = 0; y < alone.height(); ++y)
                    for (int x = 0; x < alone.width(); ++x)
                        differ += alone.pixel(x, y) != there.pixel(x, y);
                EXPECT_EQ(differ, 0) << qPrintable(what);
            }
        }
        // Hidden, the combo gives its room to the others: its label goes too.
        combo->hide();
        EXPECT_FALSE(combo->Label()->isVisible());
        combo->show();
        EXPECT_TRUE(combo->Label()->isVisible());
    }
}

TEST(ColourCombo, NoColourChosenShowsThePlaceholderAsQComboBoxDoes)
{
    MyColourArray = kColours;
    OpenCombo combo;
    combo.resize(combo.sizeHint());
    combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
    ASSERT_EQ(combo.ItemIndex(), -1);
    EXPECT_FALSE(combo.placeholderText().isEmpty());
    // Nothing chosen: no text, and no colour for Designer's editor (not black).
    EXPECT_EQ(combo.currentText(), QString());
    EXPECT_FALSE(combo.selectedColor().isValid());
    EXPECT_FALSE(combo.property("selectedColor").value<QColor>().isValid());
    // Wide enough for its placeholder.
    EXPECT_GE(combo.EditField().width(), combo.fontMetrics().horizontalAdvance(combo.placeholderText()));
    // The placeholder's ink is as dark as a QComboBox's placeholder (the
    // palette's placeholder colour), not the text colour of a chosen row.
    const auto darkest = [](const QImage& img) {
        int d = 255;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                d = std::min(d, qGray(img.pixel(x, y)));
        return d;
    };
    QComboBox qt;
    qt.setPlaceholderText(combo.placeholderText());
    qt.resize(combo.size());
    qt.show();
    const int ours = darkest(combo.grab(combo.EditField()).toImage());
    const int theirs = darkest(qt.grab(combo.EditField()).toImage());
    EXPECT_LT(ours, 200); // written at all
    EXPECT_NEAR(ours, theirs, 12);
    // With a colour: the swatch.
    combo.SetSelected(clNavy);
    EXPECT_EQ(combo.currentText(), "navy");
    EXPECT_EQ(combo.selectedColor(), QColor(0, 0, 0x80));
    const QImage chosen = combo.grab().toImage();
    const QRect field = combo.EditField();
    EXPECT_EQ(FromQColor(chosen.pixelColor(field.left() + field.height() / 2, field.center().y())), clNavy);
}
