// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The stand-in controls: the behaviour that state persistence relies on.
#include "external/ElPack.h"
#include "external/FilterCombo.h"
#include "external/TmsControls.h"
#include "toolkit/ColorBox.h"
#include "toolkit/Forms.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace qz8;

TEST(RadioControls, GroupsSelectNoneOutsideTheItemsAndButtonsCanBeUnchecked)
{
    TAdvOfficeRadioGroup group;
    group.SetItems({"a", "b", "c"});
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(2);
    EXPECT_EQ(group.ItemIndex(), 2);
    group.SetItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(1);
    group.SetItems({"x"});
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.ItemCount(), 1);

    QWidget parent;
    auto* one = new TElRadioButton("one", &parent);
    auto* two = new TElRadioButton("two", &parent);
    one->SetChecked(true);
    two->SetChecked(true);
    EXPECT_FALSE(one->isChecked());
    two->SetChecked(false);
    EXPECT_FALSE(two->isChecked());
    EXPECT_TRUE(two->autoExclusive());
}

TEST(CheckGroup, ItemsCarryTheirOwnMarks)
{
    TElCheckGroup group;
    group.SetItems({"a", "b"});
    group.SetChecked(1, true);
    EXPECT_FALSE(group.Checked(0));
    EXPECT_TRUE(group.Checked(1));
    EXPECT_FALSE(group.Checked(5));
}

TEST(FilterCombo, BuildsFromTheFilterAndFindsMasks)
{
    TmyAdvFilterCombo combo;
    combo.SetFilter("Text files (*.txt)|*.txt|Word lists|*.lst;*.wl|All files (*.*)|*.*");
    combo.BuildList();
    EXPECT_EQ(combo.Items().ToStringList(), (QStringList{"Text files (*.txt)", "Word lists", "All files (*.*)"}));
    EXPECT_EQ(combo.GetAFileMask(1), "*.lst;*.wl");
    EXPECT_EQ(combo.GetAFileMask(9), "");
    combo.InsertLastText("*.DOC");
    EXPECT_EQ(combo.currentIndex(), 3);
    EXPECT_EQ(combo.GetAFileMask(3), "*.DOC");
    // Entries read back without masks give the text in their parentheses.
    combo.Items().Clear();
    combo.Items().Add("Text files (*.txt)");
    combo.Items().Add("*.csv");
    EXPECT_EQ(combo.GetAFileMask(0), "*.txt");
    EXPECT_EQ(combo.GetAFileMask(1), "*.csv");
}

TEST(ElComboBox, AutoHistoryMovesTheCurrentTextToTheTop)
{
    TElComboBox combo;
    combo.Items().AddStrings({"one", "two", "three"});
    combo.setEditText("TWO");
    combo.AutoHistoryUpdate();
    EXPECT_EQ(combo.Items().ToStringList(), (QStringList{"TWO", "one", "three"}));
    combo.setEditText("four");
    combo.AutoHistoryUpdate();
    EXPECT_EQ(combo.Items()[0], "four");
    EXPECT_EQ(combo.currentIndex(), 0);
    combo.setEditText("");
    combo.AutoHistoryUpdate();
    EXPECT_EQ(combo.Items().Count(), 4);
    combo.HistoryMaxCount = 2;
    combo.setEditText("five");
    combo.AutoHistoryUpdate();
    EXPECT_EQ(combo.Items().ToStringList(), (QStringList{"five", "four"}));
    combo.SetSorted(true);
    EXPECT_EQ(combo.Items().ToStringList(), (QStringList{"five", "four"}));
}

// The combo is editable as Qt's editable combo is, and looks the same, but
// is made without its popup's list; when the list comes, it is set up as
// setEditable sets it up, and the popup works.
TEST(ElComboBox, LooksAndOpensAsQtsEditableComboButMakesItsListWhenItOpens)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* focused = new QLineEdit(&window); // neither combo shows focus
    layout->addWidget(focused);
    auto* ours = new TElComboBox(&window);
    // Made editable without its list (later Qts make the list when items
    // are added, for every combo).
    EXPECT_EQ(ours->findChild<QAbstractItemView*>(), nullptr);
    auto* qts = new QComboBox(&window);
    qts->setEditable(true);
    for (QComboBox* combo : {static_cast<QComboBox*>(ours), qts}) {
        combo->addItems({"alpha", "beta", "gamma"});
        combo->setCurrentIndex(1);
        combo->setFixedSize(160, 28);
        layout->addWidget(combo);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    focused->setFocus();
    ASSERT_NE(ours->lineEdit(), nullptr);
    EXPECT_TRUE(ours->isEditable());
    EXPECT_EQ(ours->lineEdit()->text(), "beta");
    EXPECT_NE(ours->completer(), nullptr);
    EXPECT_EQ(ours->lineEdit()->palette(), qts->lineEdit()->palette());
    EXPECT_EQ(ours->grab().toImage(), qts->grab().toImage());

    ours->showPopup();
    qts->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ours->view()->isVisible() && qts->view()->isVisible(); }, 5000));
    EXPECT_EQ(ours->view()->verticalScrollBarPolicy(), qts->view()->verticalScrollBarPolicy());
    QTest::keyClick(ours->view(), Qt::Key_Down);
    QTest::keyClick(ours->view(), Qt::Key_Return);
    EXPECT_EQ(ours->currentIndex(), 2);
    EXPECT_EQ(ours->lineEdit()->text(), "gamma");
    qts->hidePopup();
}

TEST(SpinEdits, IntegerAndFloatModes)
{
    TAdvSpinEdit spin;
    spin.SetValue(12);
    EXPECT_EQ(spin.Value(), 12);
    spin.SetSpinType(TAdvSpinEdit::sptFloat);
    spin.SetFloatValue(2.25);
    EXPECT_DOUBLE_EQ(spin.FloatValue(), 2.25);
    EXPECT_EQ(spin.Value(), 2);
    TElSpinEdit el;
    el.SetText("41");
    EXPECT_EQ(el.Value(), 41);
    el.SetText("not a number");
    EXPECT_EQ(el.Value(), 41);
    TElFloatSpinEdit fl;
    fl.SetValue(1.5);
    EXPECT_DOUBLE_EQ(fl.Value(), 1.5);
}

TEST(NameEdits, FileChooserFillsFilesWithMultiSelection)
{
    TElFileNameEdit edit;
    edit.SetOptions(OpenOptionBit(ofAllowMultiSelect));
    edit.ChooseFiles = [](TElFileNameEdit*) { return QStringList{"/a/one.txt", "/a/two.txt"}; };
    edit.show();
    auto* button = edit.findChild<TCustomEditBtn*>();
    ASSERT_NE(button, nullptr);
    button->BtnClick();
    EXPECT_EQ(edit.Files().ToStringList(), (QStringList{"/a/one.txt", "/a/two.txt"}));
    EXPECT_EQ(edit.Text(), "/a/one.txt");
    TElFolderNameEdit folder;
    folder.ChooseFolder = [](TElFolderNameEdit*) { return QStringLiteral("/data"); };
    auto* folderButton = folder.findChild<TCustomEditBtn*>();
    ASSERT_NE(folderButton, nullptr);
    folderButton->BtnClick();
    EXPECT_EQ(folder.Text(), "/data");
    TElEdit password;
    password.SetPasswordChar("*#");
    EXPECT_EQ(password.PasswordChar(), "*");
    EXPECT_EQ(password.Editor()->echoMode(), QLineEdit::Password);
}

TEST(TmsCombos, TextsAndItems)
{
    TAdvCustomComboBox box;
    box.Items().AddStrings({"a", "b"});
    box.setEditText("typed");
    EXPECT_EQ(box.GetTextEx(), "typed");
    TAdvCustomCombo combo;
    combo.SetText("window text");
    EXPECT_EQ(combo.Text(), "window text");
    int pressed = 0;
    TAdvEditBtn btn;
    btn.OnClickBtn = [&](QObject* s) { pressed += s == &btn; };
    btn.BtnClick();
    EXPECT_EQ(pressed, 1);
}

namespace {
class ProbeColorBox : public TCustomColorBox {
public:
    std::vector<int> rows;
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override
    {
        rows.push_back(Index);
        TCustomColorBox::DrawItem(Index, Rect, State);
    }
};
} // namespace

TEST(ColorBoxBase, RowsAreOwnerDrawnInTheClosedBoxAndTheList)
{
    ProbeColorBox box;
    box.AddColor("Red", clRed);
    box.AddColor("Blue", clBlue);
    box.resize(160, 24);
    box.SetSelected(clBlue);
    EXPECT_EQ(box.ItemIndex(), 1);
    EXPECT_EQ(box.Selected(), clBlue);
    EXPECT_EQ(box.Colors(9), clBlack);
    box.show();
    const QImage img = box.grab().toImage();
    EXPECT_EQ(box.rows.back(), 1);
    // The swatch of the closed box shows the selected colour.
    bool blue = false;
    for (int x = 0; x < 40; ++x)
        blue = blue || FromQColor(img.pixelColor(x, 12)) == clBlue;
    EXPECT_TRUE(blue);
    box.rows.clear();
    box.showPopup();
    QApplication::processEvents();
    box.view()->viewport()->grab();
    EXPECT_NE(std::find(box.rows.begin(), box.rows.end(), 0), box.rows.end());
    box.hidePopup();
}
