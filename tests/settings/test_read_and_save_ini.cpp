// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Form state files end to end: a window with every family of control,
// plain Qt widgets, a frame, an unnamed control and two controls of one
// name, saved, changed, read back, and the file checked against the layout.
#include "external/ElPack.h"
#include "external/FilterCombo.h"
#include "external/General_runtime.h"
#include "external/TmsControls.h"
#include "platform/Drives_p.h"
#include "settings/Drive_Utils.h"
#include "settings/ReadAndSaveIni.h"
#include "store/MemIniFile.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/ListBox.h"

#include "test_util.h"
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace qz8;

namespace {

template <class W, class... A>
W* Named(QWidget* parent, const char* name, A&&... args)
{
    auto* w = new W(std::forward<A>(args)..., parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A window holding every kind of control the form state file knows.
struct StateWindow {
    TForm form;
    TPanel* panel = Named<TPanel>(&form, "Panel1");
    TListBox* list = Named<TListBox>(panel, "ListBox1");
    TCheckListBox* checks = Named<TCheckListBox>(panel, "CheckListBox1");
    QListWidget* plainList = Named<QListWidget>(panel, "QtList");
    TElCheckGroup* checkGroup = Named<TElCheckGroup>(panel, "ElCheckGroup1");
    TElDateTimePicker* date = Named<TElDateTimePicker>(panel, "ElDate");
    TElCheckBox* elCheck = Named<TElCheckBox>(panel, "ElCheckBox1");
    TAdvOfficeCheckBox* officeCheck = Named<TAdvOfficeCheckBox>(panel, "OfficeCheck");
    QCheckBox* plainCheck = Named<QCheckBox>(panel, "PlainCheck");
    TElSpinEdit* elSpin = Named<TElSpinEdit>(panel, "ElSpin");
    TAdvSpinEdit* advFloat = Named<TAdvSpinEdit>(panel, "AdvFloat");
    TAdvSpinEdit* advInt = Named<TAdvSpinEdit>(panel, "AdvInt");
    TPanel* radioPanel1 = Named<TPanel>(&form, "RadioPanel1");
    TElRadioButton* elRadio = Named<TElRadioButton>(radioPanel1, "ElRadio");
    TPanel* radioPanel2 = Named<TPanel>(&form, "RadioPanel2");
    TAdvOfficeRadioButton* officeRadio = Named<TAdvOfficeRadioButton>(radioPanel2, "OfficeRadio");
    TPanel* radioPanel3 = Named<TPanel>(&form, "RadioPanel3");
    QRadioButton* plainRadio = Named<QRadioButton>(radioPanel3, "PlainRadio");
    TElRadioGroup* elGroup = Named<TElRadioGroup>(&form, "ElGroup");
    TAdvOfficeRadioGroup* officeGroup = Named<TAdvOfficeRadioGroup>(&form, "OfficeGroup");
    TRadioGroup* plainGroup = Named<TRadioGroup>(&form, "PlainGroup");
    TElComboBox* elCombo = Named<TElComboBox>(&form, "ElCombo");
    TmyAdvFilterCombo* filter = Named<TmyAdvFilterCombo>(&form, "Filter");
    TAdvCustomCombo* advCombo = Named<TAdvCustomCombo>(&form, "AdvCombo");
    TAdvCustomComboBox* advComboBox = Named<TAdvCustomComboBox>(&form, "AdvComboBox");
    TElEdit* elEdit = Named<TElEdit>(&form, "ElEdit");
    TElEdit* password = Named<TElEdit>(&form, "Password");
    TElEdit* hashPassword = Named<TElEdit>(&form, "HashPassword");
    TElFloatSpinEdit* elFloat = Named<TElFloatSpinEdit>(&form, "ElFloat");
    TElMemo* elMemo = Named<TElMemo>(&form, "ElMemo");
    TElFileNameEdit* fileEdit = Named<TElFileNameEdit>(&form, "FileEdit");
    TElFileNameEdit* multiFile = Named<TElFileNameEdit>(&form, "MultiFile");
    TElFolderNameEdit* folderEdit = Named<TElFolderNameEdit>(&form, "FolderEdit");
    QLineEdit* lineEdit = Named<QLineEdit>(&form, "Shared");
    QPlainTextEdit* memo = Named<QPlainTextEdit>(&form, "Memo");
    QTextEdit* rich = Named<QTextEdit>(&form, "Rich");
    TAdvEditBtn* chooser = Named<TAdvEditBtn>(&form, "Chooser");
    QCheckBox* unnamed = new QCheckBox(&form);
    TFrame* frame = Named<TFrame>(&form, "Frame1");
    QCheckBox* frameCheck = Named<QCheckBox>(frame, "FrameCheck");
    QLineEdit* frameShared = Named<QLineEdit>(frame, "Shared");

    StateWindow()
    {
        form.setObjectName("StateForm");
        for (const char* s : {"one", "two", "three"}) {
            list->Items().Add(s);
            checks->Items().Add(s);
            plainList->addItem(s);
        }
        checkGroup->SetItems({"a", "b", "c"});
        for (TCustomRadioGroup* g :
             {static_cast<TCustomRadioGroup*>(elGroup), static_cast<TCustomRadioGroup*>(officeGroup),
              static_cast<TCustomRadioGroup*>(plainGroup)})
            g->SetItems({"x", "y", "z"});
        advFloat->SetSpinType(TAdvSpinEdit::sptFloat);
        elCombo->Items().AddStrings({"alpha", "beta"});
        filter->SetFilter("Text files (*.txt)|*.txt|Word lists (*.lst)|*.lst|All files (*.*)|*.*");
        filter->BuildList();
        password->SetPasswordChar("*");
        hashPassword->SetPasswordChar("#");
        multiFile->SetOptions(OpenOptionBit(ofAllowMultiSelect));
    }
};

} // namespace

TEST(FormStateFile, EveryFamilyIsSavedInItsLayoutAndReadBack)
{
    // The widgets' own texts (a spin edit's) follow it, whatever the
    // machine's language.
    const qz8test::ScopedDefaultLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir dir;
    const QString name = dir.filePath("state/form.ini");
    MEMINI_include_Listboxes = true;
    MEMINI_include_Memos = true;
    MEMINI_check_filenames = false;
    // The program lives on its own mount, so the files below are on no
    // application drive.
    DriveUtilsMountTable = dir.filePath("mounts");
    QFile mounts(DriveUtilsMountTable);
    mounts.open(QIODevice::WriteOnly);
    mounts.write("/dev/sdb1 /opt/tarnwick vfat rw 0 0\n");
    mounts.close();
    OverrideExeName("/opt/tarnwick/viewer");

    StateWindow w;
    w.list->SetItemIndex(1);
    w.checks->SetChecked(0, true);
    w.checks->SetChecked(2, true);
    w.checks->SetItemIndex(2);
    w.plainList->setCurrentRow(2);
    w.checkGroup->SetChecked(1, true);
    w.date->SetDateTime(QDateTime(QDate(2031, 3, 9), QTime(17, 45)));
    w.elCheck->setChecked(true);
    w.officeCheck->setChecked(true);
    w.plainCheck->setChecked(true);
    w.elSpin->SetValue(42);
    w.advFloat->SetFloatValue(2.5);
    w.advInt->SetValue(-7);
    w.elRadio->SetChecked(true);
    w.plainRadio->setChecked(true);
    w.elGroup->SetItemIndex(1);
    w.officeGroup->SetItemIndex(2);
    w.plainGroup->SetItemIndex(0);
    w.elCombo->setCurrentIndex(1);
    w.filter->setCurrentIndex(1);
    w.advCombo->SetText("new search");
    w.advComboBox->Items().AddStrings({"old"});
    w.advComboBox->setEditText("old");
    w.elEdit->SetText("plain ElPack text");
    w.password->SetText("s3cret!");
    w.hashPassword->SetText("visible");
    w.elFloat->SetValue(1.25);
    w.elMemo->SetText("first line\n\n  third = line");
    w.fileEdit->SetText("/nowhere/file.txt");
    w.multiFile->Files().AddObject("/a/one.txt", 3);
    w.multiFile->Files().Add("/a/two.txt");
    w.multiFile->SetText("/a/one.txt");
    w.folderEdit->SetText("/some/folder");
    w.lineEdit->setText("form line edit");
    w.memo->setPlainText("memo\nlines");
    w.rich->setPlainText("rich text");
    w.chooser->setText("/chosen/folder");
    w.unnamed->setChecked(true);
    w.frameCheck->setChecked(true);
    w.frameShared->setText("frame line edit");

    SaveIni(&w.form, name);
    const QString text = qz8test::ReadText(name);

    // Sections named after the controls, keys and value forms as laid out.
    for (const char* expected :
         {"[ListBox1]\n_count=3\n_per=1\n_line0=one\n_line1=two\n_line2=three\ni=1\n",
          "[CheckListBox1]\n_count=3\n_per=1\n_line0=one\n_line1=two\n_line2=three\n_obj0=1\n_obj2=1\ni=2\n",
          "[QtList]\n",
          "[ElCheckGroup1]\nchecked0=0\nchecked1=1\nchecked2=0\n",
          "[ElDate]\ntext=3/9/2031\n",
          "[ElCheckBox1]\nchecked=1\n",
          "[OfficeCheck]\nchecked=1\n",
          "[PlainCheck]\nchecked=1\n",
          "[ElSpin]\nvalue=42\n",
          "[AdvFloat]\nvalue=2.5\n",
          "[AdvInt]\nvalue=-7\n",
          "[ElRadio]\nchecked=1\n",
          "[OfficeRadio]\nchecked=0\n",
          "[PlainRadio]\nchecked=1\n",
          "[ElGroup]\ni=1\n",
          "[OfficeGroup]\ni=2\n",
          "[PlainGroup]\ni=0\n",
          "[ElCombo]\n_count=2\n_per=1\n_line0=alpha\n_line1=beta\ni=1\n",
          "[AdvCombo]\n_count=1\n_per=1\n_line0=new search\ni=0\n",
          "[AdvComboBox]\n_count=1\n_per=1\n_line0=old\ni=0\n",
          "[ElEdit]\ntext=plain ElPack text\n",
          "[HashPassword]\ntext=visible\n",
          "[ElFloat]\ntext=1.250\n",
          "[ElMemo]\n_count=3\n_per=50\n_line0=first line\\|\\|  third = line\n",
          "[FileEdit]\ntext=/nowhere/file.txt\n",
          "[MultiFile]\n_count=2\n_per=50\n_line0=/a/one.txt\\|/a/two.txt\n_obj0=3\ntext=/a/one.txt\n",
          "[FolderEdit]\ntext=/some/folder\n",
          "[Memo]\n_count=2\n_per=50\n_line0=memo\\|lines\n",
          "[Chooser]\ntext=/chosen/folder\n",
          "[FrameCheck]\nchecked=1\n"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n--- in ---\n" << text.toStdString();
    }
    // The password is scrambled and encoded; rich edits and unnamed controls
    // are not kept; panels and frames have no section of their own.
    EXPECT_FALSE(text.contains("s3cret"));
    QString scrambled = "s3cret!";
    ScrambleText(scrambled);
    EXPECT_TRUE(text.contains("[Password]\ntext=" + ToNumStr(scrambled) + "\n"));
    for (const char* absent : {"[Rich]", "[]", "[Panel1]", "[Frame1]", "[RadioPanel1]"})
        EXPECT_FALSE(text.contains(absent)) << absent;
    // Two controls named "Shared": the one visited later (in the frame) wins.
    EXPECT_TRUE(text.contains("[Shared]\ntext=frame line edit\n"));

    // Change everything, then read the file back.
    w.list->SetItemIndex(-1);
    w.list->Items().Clear();
    w.checks->SetChecked(0, false);
    w.plainList->clear();
    w.checkGroup->SetChecked(1, false);
    w.date->SetDateTime(QDateTime(QDate(2000, 1, 1), QTime(8, 0)));
    w.elCheck->setChecked(false);
    w.officeCheck->setChecked(false);
    w.plainCheck->setChecked(false);
    w.elSpin->SetValue(0);
    w.advFloat->SetFloatValue(0);
    w.advInt->SetValue(0);
    w.elRadio->SetChecked(false);
    w.officeRadio->SetChecked(true);
    w.plainRadio->setChecked(false);
    w.elGroup->SetItemIndex(-1);
    w.officeGroup->SetItemIndex(0);
    w.elCombo->Items().Clear();
    w.advCombo->Items().Clear();
    w.elEdit->SetText("");
    w.password->SetText("");
    w.hashPassword->SetText("");
    w.elFloat->SetValue(0);
    w.elMemo->SetText("");
    w.multiFile->Files().Clear();
    w.memo->clear();
    w.rich->setPlainText("changed rich");
    w.chooser->clear();
    w.unnamed->setChecked(false);
    w.frameCheck->setChecked(false);
    w.lineEdit->clear();
    w.frameShared->clear();

    ReadIni(&w.form, name);
    EXPECT_EQ(w.list->Items().ToStringList(), (QStringList{"one", "two", "three"}));
    EXPECT_EQ(w.list->ItemIndex(), 1);
    EXPECT_TRUE(w.checks->Checked(0));
    EXPECT_FALSE(w.checks->Checked(1));
    EXPECT_TRUE(w.checks->Checked(2));
    EXPECT_EQ(w.plainList->count(), 3);
    EXPECT_EQ(w.plainList->currentRow(), 2);
    EXPECT_TRUE(w.checkGroup->Checked(1));
    EXPECT_EQ(w.date->DateTime(), QDateTime(QDate(2031, 3, 9), QTime(0, 0)));
    EXPECT_TRUE(w.elCheck->isChecked());
    EXPECT_TRUE(w.officeCheck->isChecked());
    EXPECT_TRUE(w.plainCheck->isChecked());
    EXPECT_EQ(w.elSpin->Value(), 42);
    EXPECT_DOUBLE_EQ(w.advFloat->FloatValue(), 2.5);
    EXPECT_EQ(w.advInt->Value(), -7);
    EXPECT_TRUE(w.elRadio->isChecked());
    EXPECT_FALSE(w.officeRadio->isChecked());
    EXPECT_TRUE(w.plainRadio->isChecked());
    EXPECT_EQ(w.elGroup->ItemIndex(), 1);
    EXPECT_EQ(w.officeGroup->ItemIndex(), 2);
    EXPECT_EQ(w.elCombo->Items().ToStringList(), (QStringList{"alpha", "beta"}));
    EXPECT_EQ(w.elCombo->currentIndex(), 1);
    EXPECT_EQ(w.filter->currentIndex(), 1);
    EXPECT_EQ(w.advCombo->Items().ToStringList(), QStringList{"new search"});
    EXPECT_EQ(w.elEdit->Text(), "plain ElPack text");
    EXPECT_EQ(w.password->Text(), "s3cret!");
    EXPECT_EQ(w.hashPassword->Text(), "visible");
    EXPECT_DOUBLE_EQ(w.elFloat->Value(), 1.25);
    EXPECT_EQ(w.elMemo->Text(), "first line\n\n  third = line");
    EXPECT_EQ(w.multiFile->Files().ToStringList(), (QStringList{"/a/one.txt", "/a/two.txt"}));
    EXPECT_EQ(w.multiFile->Files().Objects(0), 3);
    EXPECT_EQ(w.memo->toPlainText(), "memo\nlines");
    EXPECT_EQ(w.rich->toPlainText(), "changed rich");
    EXPECT_EQ(w.chooser->text(), "/chosen/folder");
    EXPECT_FALSE(w.unnamed->isChecked());
    EXPECT_TRUE(w.frameCheck->isChecked());
    // Both controls of one name receive the same values.
    EXPECT_EQ(w.lineEdit->text(), "frame line edit");
    EXPECT_EQ(w.frameShared->text(), "frame line edit");
}

TEST(FormStateFile, SwitchesDecideWhatIsKept)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("form.ini");
    StateWindow w;
    w.elMemo->SetText("memo text");
    w.list->SetItemIndex(2);
    MEMINI_include_Listboxes = true;
    SaveIni(&w.form, name);
    EXPECT_TRUE(qz8test::ReadText(name).contains("[ListBox1]"));
    EXPECT_FALSE(qz8test::ReadText(name).contains("[ElMemo]")); // memos default off
    // With the switch off (the default), a save drops the list-box sections.
    MEMINI_include_Listboxes = false;
    SaveIni(&w.form, name);
    EXPECT_FALSE(qz8test::ReadText(name).contains("[ListBox1]"));
    EXPECT_FALSE(qz8test::ReadText(name).contains("[CheckListBox1]"));
    // ...and a read leaves list boxes with their design items and selection.
    TMyMemIniFile ini(name);
    TStringList other{"zzz"};
    ini.WriteMultiString("ListBox1", other);
    ini.WriteInteger("ListBox1", "i", 0);
    ini.UpdateFile();
    ReadIni(&w.form, name);
    EXPECT_EQ(w.list->Items().Count(), 3);
    EXPECT_EQ(w.list->ItemIndex(), 2);
    // Check marks travel only under their switch; the objects are then 1 or 0.
    MEMINI_include_Listboxes = true;
    MEMINI_include_checklistbox_checkeds = false;
    w.checks->Items().PutObject(0, 77);
    w.checks->SetChecked(1, true);
    SaveIni(&w.form, name);
    EXPECT_TRUE(qz8test::ReadText(name).contains(
        "[CheckListBox1]\n_count=3\n_per=1\n_line0=one\n_line1=two\n_line2=three\n_obj0=77\ni=-1\n"));
    MEMINI_include_checklistbox_checkeds = true;
    SaveIni(&w.form, name);
    EXPECT_EQ(w.checks->Items().Objects(0), 0);
    EXPECT_EQ(w.checks->Items().Objects(1), 1);
}

TEST(FormStateFile, ReadingAndSavingFollowTheFileRules)
{
    QTemporaryDir dir;
    StateWindow w;
    w.elCheck->setChecked(true);
    // Reading an absent file changes nothing and creates nothing.
    ReadIni(&w.form, dir.filePath("absent/form.ini"));
    EXPECT_TRUE(w.elCheck->isChecked());
    EXPECT_FALSE(QDir(dir.filePath("absent")).exists());
    // A name without a folder, or an empty one, saves nothing.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SaveIni(&w.form, "bare.ini");
    SaveIni(&w.form, "");
    SaveIni(&w.form, "C:x.ini");
    QDir::setCurrent(cwd);
    EXPECT_FALSE(QFile::exists(dir.filePath("bare.ini")));
    // Form B saved over form A's file replaces it completely.
    const QString name = dir.filePath("shared.ini");
    SaveIni(&w.form, name);
    TForm other;
    auto* only = Named<QCheckBox>(&other, "OnlyInB");
    only->setChecked(true);
    SaveIni(&other, name);
    EXPECT_EQ(qz8test::ReadText(name), "[OnlyInB]\nchecked=1\n");
    // A control whose section is missing gets the defaults: unchecked.
    ReadIni(&w.form, name);
    EXPECT_FALSE(w.elCheck->isChecked());
    // A file that cannot be written raises an error naming it, and the
    // previous file stays whole.
    QDir().mkpath(dir.filePath("blocked.ini"));
    EXPECT_THROW(SaveIni(&w.form, dir.filePath("blocked.ini")), Exception);
    SaveIni(&other, dir.filePath("x.ini/inner.ini")); // x.ini/ is created as a folder
    QFile::remove(dir.filePath("x.ini/inner.ini"));
    QDir().rmdir(dir.filePath("x.ini"));
    QFile file(dir.filePath("x.ini"));
    file.open(QIODevice::WriteOnly);
    file.close();
    EXPECT_THROW(SaveIni(&other, dir.filePath("x.ini/inner.ini")), Exception);
    EXPECT_EQ(qz8test::ReadText(name), "[OnlyInB]\nchecked=1\n");
}

// Short folders are folders like any other on Linux: "a/" relative to the
// working folder, "/a/" at the root.
TEST(FormStateFile, TwoCharacterFoldersSave)
{
    QTemporaryDir dir;
    TForm form;
    Named<QCheckBox>(&form, "Check")->setChecked(true);
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SaveIni(&form, "a/tool.ini");
    QDir::setCurrent(cwd);
    EXPECT_TRUE(QFile::exists(dir.filePath("a/tool.ini")));
#ifndef Q_OS_WIN
    // At the root, where the test may write there (as root in a container).
    QString root;
    for (char c = 'a'; c <= 'z' && root.isEmpty(); ++c) {
        if (!QFileInfo::exists(QStringLiteral("/%1").arg(QLatin1Char(c))))
            root = QStringLiteral("/%1").arg(QLatin1Char(c));
    }
    if (root.isEmpty() || !QFileInfo(QStringLiteral("/")).isWritable())
        GTEST_SKIP() << "the root folder is not writable here";
    SaveIni(&form, root + "/tool.ini");
    EXPECT_TRUE(qz8test::ReadText(root + "/tool.ini").contains("[Check]\nchecked=1"));
    QDir(root).removeRecursively();
#endif
}

TEST(FormStateFile, DefaultAndDocumentsFileNames)
{
    OverrideExeName("/opt/tarnwick/viewer");
    EXPECT_EQ(DefaultFormStateFileName(), "/opt/tarnwick/viewer.ini");
    OverrideExeName("/opt/tarnwick/viewer.exe");
    EXPECT_EQ(DefaultFormStateFileName(), "/opt/tarnwick/viewer.ini");
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    EXPECT_THROW(FormStateFileName(true), Exception);
    QDir().mkpath(home.filePath("Documents"));
    EXPECT_EQ(FormStateFileName(true), home.filePath("Documents/tarnwick8/viewer.ini"));
    StateWindow w;
    w.elCheck->setChecked(true);
    SaveIni(&w.form, true);
    EXPECT_TRUE(QFile::exists(home.filePath("Documents/tarnwick8/viewer.ini")));
    qputenv("HOME", oldHome);
}

TEST(FormStateFile, DamagedAndHostileFilesRestoreWhatTheyCan)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("hostile.ini");
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    f.write("[ElGroup]\ni=99\n[OfficeGroup]\ni=-5\n[PlainGroup]\ni=abc\n"
            "[ElSpin]\nvalue=99999999999999\n[AdvFloat]\nvalue=1e999\n[ElDate]\ntext=31/31/31\n"
            "[ElFloat]\ntext=12345678901\n[ListBox1]\n_count=99999999\n_line0=only\ni=5\n"
            "[ElCheckBox1]\nchecked=yes\n[OfficeCheck]\nchecked=2\n"
            "[ElCombo]\n_count=-1\ni=0\n[Filter]\ni=1000000\n"
            "\x00\xff garbage\n[Password]\ntext=zz\n");
    f.close();
    MEMINI_include_Listboxes = true;
    StateWindow w;
    w.elGroup->SetItemIndex(1);
    w.officeGroup->SetItemIndex(2);
    w.plainGroup->SetItemIndex(0);
    w.elSpin->SetValue(5);
    const QDateTime before = w.date->DateTime();
    w.elFloat->SetValue(2);
    w.filter->setCurrentIndex(2);
    ReadIni(&w.form, name);
    EXPECT_EQ(w.elGroup->ItemIndex(), 1);
    EXPECT_EQ(w.officeGroup->ItemIndex(), 2);
    EXPECT_EQ(w.plainGroup->ItemIndex(), 0);
    EXPECT_EQ(w.elSpin->Value(), 0); // unparsable: the default
    EXPECT_DOUBLE_EQ(w.advFloat->FloatValue(), 0);
    EXPECT_EQ(w.date->DateTime(), before);
    EXPECT_DOUBLE_EQ(w.elFloat->Value(), 2);
    EXPECT_EQ(w.list->Items().ToStringList(), QStringList{"only"});
    EXPECT_EQ(w.list->ItemIndex(), -1);
    EXPECT_FALSE(w.elCheck->isChecked());
    EXPECT_TRUE(w.officeCheck->isChecked());
    EXPECT_EQ(w.filter->currentIndex(), 2);
    EXPECT_EQ(w.password->Text(), "");
}

TEST(ControlHandlers, CombosKeepTheirHistoryRules)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("combos.ini");
    StateWindow w;
    // A filter combo's typed mask matching an entry's mask in another case
    // selects that entry; a new mask is added; a text without "." never is.
    w.filter->setEditText("*.LST");
    SaveIni(&w.form, name);
    EXPECT_EQ(w.filter->currentIndex(), 1);
    EXPECT_EQ(w.filter->Items().Count(), 3);
    w.filter->setEditText("*.doc");
    SaveIni(&w.form, name);
    EXPECT_EQ(w.filter->Items().Count(), 4);
    EXPECT_EQ(w.filter->currentIndex(), 3);
    w.filter->setEditText("nodot");
    SaveIni(&w.form, name);
    EXPECT_EQ(w.filter->Items().Count(), 4);
    // A nearly empty stored list is rebuilt from the filter.
    TMyMemIniFile ini(name);
    TStringList one{"single"};
    ini.WriteMultiString("Filter", one);
    ini.UpdateFile();
    ReadIni(&w.form, name);
    EXPECT_EQ(w.filter->Items().Count(), 3);

    // TMS combos: an empty text that is not an item goes first too.
    w.advComboBox->Items().Clear();
    w.advComboBox->Items().AddStrings({"a", "b"});
    w.advComboBox->setCurrentIndex(-1);
    w.advComboBox->setEditText("");
    SaveIni(&w.form, name);
    EXPECT_EQ(w.advComboBox->Items().ToStringList(), (QStringList{"", "a", "b"}));
    EXPECT_TRUE(
        qz8test::ReadText(name).contains("[AdvComboBox]\n_count=3\n_per=1\n_line0=\n_line1=a\n_line2=b\ni=0\n"));

    // An ElPack combo ends unsorted, even when its section is absent.
    w.elCombo->SetSorted(true);
    w.elCombo->SetAutoHistory(true);
    w.elCombo->setEditText("gamma");
    SaveIni(&w.form, name);
    EXPECT_FALSE(w.elCombo->Sorted());
    EXPECT_EQ(w.elCombo->Items()[0], "gamma");
    w.elCombo->SetSorted(true);
    TForm empty;
    SaveIni(&empty, name);
    ReadIni(&w.form, name);
    EXPECT_FALSE(w.elCombo->Sorted());
}

TEST(ControlHandlers, MultiFileEditsDoubleWhenReadTwiceAndMemosHonourTheirSwitch)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("multi.ini");
    StateWindow w;
    w.multiFile->Files().Add("/a/x.txt");
    w.memo->setPlainText("keep me");
    SaveIni(&w.form, name);
    EXPECT_FALSE(qz8test::ReadText(name).contains("[Memo]"));
    ReadIni(&w.form, name);
    ReadIni(&w.form, name);
    EXPECT_EQ(w.multiFile->Files().Count(), 3);
    MEMINI_include_Memos = true;
    // A memo of many lines keeps every line.
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << QStringLiteral("line %1 = [%2]").arg(i).arg(i * 7);
    w.memo->setPlainText(lines.join('\n'));
    SaveIni(&w.form, name);
    w.memo->clear();
    ReadIni(&w.form, name);
    EXPECT_EQ(w.memo->toPlainText(), lines.join('\n'));
}

TEST(ControlHandlers, SpinTextsLongerThanTenCharactersAreIgnored)
{
    EXPECT_EQ(PersistRowOf(new TElSpinEdit), 7); // never row 19
    StateWindow w;
    EXPECT_EQ(PersistRowOf(w.elSpin), 7);
    EXPECT_EQ(PersistRowOf(w.checks), 1);
    EXPECT_EQ(PersistRowOf(w.plainList), 1);
    EXPECT_EQ(PersistRowOf(w.elCheck), 4);
    EXPECT_EQ(PersistRowOf(w.plainRadio), 11);
    EXPECT_EQ(PersistRowOf(w.elFloat), 19);
    EXPECT_EQ(PersistRowOf(w.chooser), 20);
    EXPECT_EQ(PersistRowOf(w.rich), 20);
    EXPECT_EQ(PersistRowOf(w.frame), 0);
    EXPECT_EQ(PersistRowOf(w.panel), 0);
}

TEST(Scramble, TwiceGivesTheTextBackAndZeroOr26Stays)
{
    QString text = "Password 123 äöü \x7f";
    QString s = text;
    ScrambleText(s);
    EXPECT_NE(s, text);
    ScrambleText(s);
    EXPECT_EQ(s, text);
    // A character equal to its key character would give 0 and stays.
    QString m = "M";
    ScrambleText(m);
    EXPECT_EQ(m, "M");
    // 26 = 'M' ^ 'W': that character stays too.
    QString w = "W";
    ScrambleText(w);
    EXPECT_EQ(w, "W");
    // Only the text up to its first zero character is scrambled.
    QString z = QString("ab") + QChar(0) + "cd";
    ScrambleText(z);
    EXPECT_EQ(z.mid(2), QString(QChar(0)) + "cd");
    EXPECT_NE(z.left(2), "ab");
    QString empty;
    ScrambleText(empty);
    EXPECT_TRUE(empty.isEmpty());
}

namespace {
// Two fake sticks, E and F, each with a "data" folder.
struct TwoSticks {
    QTemporaryDir dir;
    QString e = dir.filePath("stickE"), f = dir.filePath("stickF");
    TwoSticks()
    {
        QDir().mkpath(e + "/data");
        QDir().mkpath(f + "/data");
        DriveUtilsMountTable = dir.filePath("mounts");
        QFile m(DriveUtilsMountTable);
        m.open(QIODevice::WriteOnly);
        m.write(
            ("/dev/root / ext4 rw 0 0\n/dev/sdb1 " + e + " vfat rw 0 0\n/dev/sdc1 " + f + " vfat rw 0 0\n").toUtf8());
    }
};
} // namespace

TEST(AppDrive, TheTokenCarriesNamesFromOneMountPointToAnother)
{
    TwoSticks sticks;
    OverrideExeName(sticks.e + "/tools/viewer");
    EXPECT_EQ(AppDriveRoot(), sticks.e + "/");
    EXPECT_EQ(ContractAppDrive(sticks.e + "/data"), "app_drive$data");
    // Paths keep their case here: an upper-case spelling is another place.
    EXPECT_EQ(ContractAppDrive(sticks.e.toUpper() + "/DATA"), sticks.e.toUpper() + "/DATA");
    EXPECT_EQ(ContractAppDrive(sticks.f + "/data"), sticks.f + "/data");
    EXPECT_EQ(ContractAppDrive("relative/data"), "relative/data");
    EXPECT_EQ(ContractAppDrive(""), "");

    const QString name = sticks.dir.filePath("form.ini");
    StateWindow w;
    w.folderEdit->SetText(sticks.e + "/data");
    w.fileEdit->SetText(sticks.e + "/data/deleted.txt");
    SaveIni(&w.form, name);
    EXPECT_TRUE(qz8test::ReadText(name).contains("[FolderEdit]\ntext=app_drive$data\n"));
    EXPECT_TRUE(qz8test::ReadText(name).contains("[FileEdit]\ntext=app_drive$data/deleted.txt\n"));

    // Started later from stick F: the same entry is the path on F.
    OverrideExeName(sticks.f + "/tools/viewer");
    ReadIni(&w.form, name);
    EXPECT_EQ(w.folderEdit->Text(), sticks.f + "/data");
    // The deleted file's folder remains: the edit reads as that folder.
    EXPECT_EQ(w.fileEdit->Text(), sticks.f + "/data/");
    // A folder that is gone reads as the empty string.
    QDir(sticks.f + "/data").removeRecursively();
    ReadIni(&w.form, name);
    EXPECT_EQ(w.folderEdit->Text(), "");
    EXPECT_EQ(w.fileEdit->Text(), sticks.f + "/data/deleted.txt");

    // With the switch off, name edits are plain text both ways.
    MEMINI_check_filenames = false;
    SaveIni(&w.form, name);
    w.fileEdit->SetText("x");
    ReadIni(&w.form, name);
    EXPECT_EQ(w.fileEdit->Text(), sticks.f + "/data/deleted.txt");
    EXPECT_TRUE(qz8test::ReadText(name).contains("[FileEdit]\ntext=" + sticks.f + "/data/deleted.txt\n"));
}

TEST(AppDrive, HostileTokensResolveToNothingOrTheDrive)
{
    TwoSticks sticks;
    OverrideExeName(sticks.e + "/tools/viewer");
    EXPECT_EQ(ExpandAppDrive("app_drive$../../etc", false), "");
    EXPECT_EQ(ExpandAppDrive("app_drive$data/../../stickF/data", false), "");
    EXPECT_EQ(ExpandAppDrive("app_drive$", false), sticks.e + "/");
    EXPECT_EQ(ExpandAppDrive("app_drive$/data", false), sticks.e + "//data");
    EXPECT_EQ(ExpandAppDrive("APP_DRIVE$data", false), ""); // the token is case-sensitive
    EXPECT_EQ(ExpandAppDrive("", true), "");
    EXPECT_EQ(ExpandAppDrive(sticks.e + "/nothing/here.txt", true), sticks.e + "/nothing/here.txt");
}
