// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// One test per row of the form state layout: the row a control is handled
// by, the section its state is saved as, and that state read back into a
// control that was reset.
#include "external/ElPack.h"
#include "external/FilterCombo.h"
#include "external/General_runtime.h"
#include "external/TmsControls.h"
#include "settings/ReadAndSaveIni.h"
#include "toolkit/Forms.h"
#include "toolkit/ListBox.h"

#include "test_util.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

struct RowCase {
    int row;
    const char* name;
    // Makes the control (named "C") on the window and gives it a state.
    std::function<QWidget*(QWidget* parent)> make;
    // Puts the control back to a different state.
    std::function<void(QWidget*)> reset;
    // True when the control holds the state given by make.
    std::function<bool(QWidget*)> restored;
    const char* section; // the saved section, "[C]" and its keys
};

template <class W>
W* As(QWidget* w)
{
    auto* c = qobject_cast<W*>(w);
    EXPECT_NE(c, nullptr);
    return c;
}

const std::vector<RowCase>& Rows()
{
    static const std::vector<RowCase> rows = {
        {1, "ListBox",
         [](QWidget* p) {
             auto* l = new TListBox(p);
             l->Items().AddStrings({"one", "two"});
             l->SetItemIndex(1);
             return l;
         },
         [](QWidget* w) { As<TListBox>(w)->Items().Clear(); },
         [](QWidget* w) { return As<TListBox>(w)->Items().Count() == 2 && As<TListBox>(w)->ItemIndex() == 1; },
         "[C]\n_count=2\n_per=1\n_line0=one\n_line1=two\ni=1\n"},
        {2, "ElCheckGroup",
         [](QWidget* p) {
             auto* g = new TElCheckGroup(p);
             g->SetItems({"a", "b"});
             g->SetChecked(1, true);
             return g;
         },
         [](QWidget* w) { As<TElCheckGroup>(w)->SetChecked(1, false); },
         [](QWidget* w) { return As<TElCheckGroup>(w)->Checked(1); }, "[C]\nchecked0=0\nchecked1=1\n"},
        {3, "ElDateTimePicker",
         [](QWidget* p) {
             auto* d = new TElDateTimePicker(p);
             d->SetDateTime(QDateTime(QDate(2030, 12, 24), QTime(0, 0)));
             return d;
         },
         [](QWidget* w) { As<TElDateTimePicker>(w)->SetDateTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0))); },
         [](QWidget* w) { return As<TElDateTimePicker>(w)->DateTime().date() == QDate(2030, 12, 24); },
         "[C]\ntext=12/24/2030\n"},
        {4, "ElCheckBox",
         [](QWidget* p) {
             auto* c = new TElCheckBox(p);
             c->setChecked(true);
             return c;
         },
         [](QWidget* w) { As<QCheckBox>(w)->setChecked(false); },
         [](QWidget* w) { return As<QCheckBox>(w)->isChecked(); }, "[C]\nchecked=1\n"},
        {5, "AdvOfficeCheckBox",
         [](QWidget* p) {
             auto* c = new TAdvOfficeCheckBox(p);
             c->setChecked(true);
             return c;
         },
         [](QWidget* w) { As<QCheckBox>(w)->setChecked(false); },
         [](QWidget* w) { return As<QCheckBox>(w)->isChecked(); }, "[C]\nchecked=1\n"},
        {6, "CheckBox",
         [](QWidget* p) {
             auto* c = new QCheckBox(p);
             c->setChecked(true);
             return c;
         },
         [](QWidget* w) { As<QCheckBox>(w)->setChecked(false); },
         [](QWidget* w) { return As<QCheckBox>(w)->isChecked(); }, "[C]\nchecked=1\n"},
        {7, "ElSpinEdit",
         [](QWidget* p) {
             auto* s = new TElSpinEdit(p);
             s->SetValue(-12);
             return s;
         },
         [](QWidget* w) { As<TElSpinEdit>(w)->SetValue(3); },
         [](QWidget* w) { return As<TElSpinEdit>(w)->Value() == -12; }, "[C]\nvalue=-12\n"},
        {8, "AdvSpinEdit",
         [](QWidget* p) {
             auto* s = new TAdvSpinEdit(p);
             s->SetSpinType(TAdvSpinEdit::sptFloat);
             s->SetFloatValue(0.75);
             return s;
         },
         [](QWidget* w) { As<TAdvSpinEdit>(w)->SetFloatValue(0); },
         [](QWidget* w) { return As<TAdvSpinEdit>(w)->FloatValue() == 0.75; }, "[C]\nvalue=0.75\n"},
        {9, "ElRadioButton",
         [](QWidget* p) {
             auto* r = new TElRadioButton(p);
             r->SetChecked(true);
             return r;
         },
         [](QWidget* w) { As<TElRadioButton>(w)->SetChecked(false); },
         [](QWidget* w) { return As<QRadioButton>(w)->isChecked(); }, "[C]\nchecked=1\n"},
        {10, "AdvOfficeRadioButton",
         [](QWidget* p) {
             auto* r = new TAdvOfficeRadioButton(p);
             r->SetChecked(true);
             return r;
         },
         [](QWidget* w) { As<TAdvOfficeRadioButton>(w)->SetChecked(false); },
         [](QWidget* w) { return As<QRadioButton>(w)->isChecked(); }, "[C]\nchecked=1\n"},
        {11, "RadioButton",
         [](QWidget* p) {
             auto* r = new QRadioButton(p);
             r->setChecked(true);
             return r;
         },
         [](QWidget* w) {
             As<QRadioButton>(w)->setAutoExclusive(false);
             As<QRadioButton>(w)->setChecked(false);
         },
         [](QWidget* w) { return As<QRadioButton>(w)->isChecked(); }, "[C]\nchecked=1\n"},
        {12, "ElRadioGroup",
         [](QWidget* p) {
             auto* g = new TElRadioGroup(p);
             g->SetItems({"x", "y", "z"});
             g->SetItemIndex(2);
             return g;
         },
         [](QWidget* w) { As<TCustomRadioGroup>(w)->SetItemIndex(0); },
         [](QWidget* w) { return As<TCustomRadioGroup>(w)->ItemIndex() == 2; }, "[C]\ni=2\n"},
        {13, "AdvOfficeRadioGroup",
         [](QWidget* p) {
             auto* g = new TAdvOfficeRadioGroup(p);
             g->SetItems({"x", "y", "z"});
             g->SetItemIndex(1);
             return g;
         },
         [](QWidget* w) { As<TCustomRadioGroup>(w)->SetItemIndex(0); },
         [](QWidget* w) { return As<TCustomRadioGroup>(w)->ItemIndex() == 1; }, "[C]\ni=1\n"},
        {14, "RadioGroup",
         [](QWidget* p) {
             auto* g = new TRadioGroup(p);
             g->SetItems({"x", "y", "z"});
             g->SetItemIndex(0);
             return g;
         },
         [](QWidget* w) { As<TCustomRadioGroup>(w)->SetItemIndex(2); },
         [](QWidget* w) { return As<TCustomRadioGroup>(w)->ItemIndex() == 0; }, "[C]\ni=0\n"},
        {15, "ElComboBox",
         [](QWidget* p) {
             auto* c = new TElComboBox(p);
             c->Items().AddStrings({"alpha", "beta"});
             c->setCurrentIndex(1);
             return c;
         },
         [](QWidget* w) { As<TElComboBox>(w)->Items().Clear(); },
         [](QWidget* w) { return As<TElComboBox>(w)->Items().Count() == 2 && As<QComboBox>(w)->currentIndex() == 1; },
         "[C]\n_count=2\n_per=1\n_line0=alpha\n_line1=beta\ni=1\n"},
        {16, "FilterCombo",
         [](QWidget* p) {
             auto* c = new TmyAdvFilterCombo(p);
             c->SetFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*");
             c->BuildList();
             c->setCurrentIndex(1);
             return c;
         },
         [](QWidget* w) { As<QComboBox>(w)->setCurrentIndex(0); },
         [](QWidget* w) { return As<QComboBox>(w)->currentIndex() == 1; }, "i=1\n"},
        {17, "AdvCustomCombo",
         [](QWidget* p) {
             auto* c = new TAdvCustomCombo(p);
             c->SetText("a search");
             return c;
         },
         [](QWidget* w) { As<TAdvCustomCombo>(w)->Items().Clear(); },
         [](QWidget* w) { return As<TAdvCustomCombo>(w)->Items().ToStringList() == QStringList{"a search"}; },
         "[C]\n_count=1\n_per=1\n_line0=a search\ni=0\n"},
        {18, "AdvCustomComboBox",
         [](QWidget* p) {
             auto* c = new TAdvCustomComboBox(p);
             c->Items().AddStrings({"kept"});
             c->setCurrentIndex(0);
             return c;
         },
         [](QWidget* w) { As<TAdvCustomComboBox>(w)->Items().Clear(); },
         [](QWidget* w) { return As<TAdvCustomComboBox>(w)->Items().ToStringList() == QStringList{"kept"}; },
         "[C]\n_count=1\n_per=1\n_line0=kept\ni=0\n"},
        {19, "ElEdit",
         [](QWidget* p) {
             auto* e = new TElEdit(p);
             e->SetText("el text");
             return e;
         },
         [](QWidget* w) { As<TElEdit>(w)->SetText(""); },
         [](QWidget* w) { return As<TElEdit>(w)->Text() == "el text"; }, "[C]\ntext=el text\n"},
        {20, "LineEdit",
         [](QWidget* p) {
             auto* e = new QLineEdit(p);
             e->setText("line text");
             return e;
         },
         [](QWidget* w) { As<QLineEdit>(w)->clear(); },
         [](QWidget* w) { return As<QLineEdit>(w)->text() == "line text"; }, "[C]\ntext=line text\n"},
    };
    return rows;
}

class LayoutRowTest : public ::testing::TestWithParam<int> { };

} // namespace

TEST_P(LayoutRowTest, SavedInItsSectionAndReadBack)
{
    const RowCase& c = Rows()[static_cast<size_t>(GetParam())];
    QTemporaryDir dir;
    const QString name = dir.filePath("row.ini");
    MEMINI_include_Listboxes = true;
    MEMINI_check_filenames = false;
    UserDefaultFormatSettings = FormatSettingsFor(QLocale(QLocale::English, QLocale::UnitedStates));

    TForm form;
    QWidget* control = c.make(&form);
    ASSERT_NE(control, nullptr);
    control->setObjectName("C");
    EXPECT_EQ(PersistRowOf(control), c.row);

    SaveIni(&form, name);
    const QString text = qz8test::ReadText(name);
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.section))) << c.section << "\n--- in ---\n" << text.toStdString();

    c.reset(control);
    ASSERT_FALSE(c.restored(control));
    ReadIni(&form, name);
    EXPECT_TRUE(c.restored(control));
}

INSTANTIATE_TEST_SUITE_P(FormStateLayout, LayoutRowTest, ::testing::Range(0, 20),
                         [](const ::testing::TestParamInfo<int>& param) {
                             const RowCase& c = Rows()[static_cast<size_t>(param.param)];
                             return "Row" + std::to_string(c.row) + "_" + c.name;
                         });
