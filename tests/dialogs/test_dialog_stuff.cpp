// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// File-dialog filters per tool: exact strings, filter indices on tricky
// filters, dialogs prepared in one call, and a filter shown by Qt's dialog.
#include "controls/FileFolderOpenDlgU.h"
#include "dialogs/dialog_stuff.h"
#include "external/ElPack.h"
#include "toolkit/Forms.h"

#include "test_util.h"
#include "toolkit/Dialogs.h"
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <qpa/qplatformdialoghelper.h>

using namespace qz8;

namespace {
const QString kTail = "Batch files (*.zip*)|*.ZIP*|Text files (*.txt)|*.txt|All files (*.*)|*.*|";
const QString kAligner = "Text files (*.txt)|*.txt|SRT files (*.??_srt)|*.??_srt|Unaligned files (*.VWR)|*.VWR|"
                         "Aligned files (*.ALI)|*.ALI|All files (*.*)|*.*|";
} // namespace

TEST(ToolFilters, ExactStringsForTheSuitesTools)
{
    // The aligner has its fixed filter, without a batch entry, in both forms.
    EXPECT_EQ(SuitableFilterForTool(tt_Aligner), kAligner);
    EXPECT_EQ(SuitableBatchTopFilterForTool(tt_Aligner), kAligner);
    // Ordinal 4 adds the plot lists' extension to its masks, with no entry.
    EXPECT_EQ(SuitableFilterForTool(tt_Viewer),
              "Viewer files (*.txv;*.vmk;*.plt)|*.txv;*.vmk;*.plt|Viewer marks files (*.vmk)|*.vmk|" + kTail);
    // Shared extensions (".cns" of two list types) come once, under the lower
    // ordinal's name; the main extension's own list type adds nothing; a list
    // type that is not saveable (".sta") only reaches the batch-top filter.
    EXPECT_EQ(SuitableFilterForTool(tt_WordLister),
              "WordLister files (*.lst;*.lsx;*.lem;*.lcl;*.cns)|*.lst;*.lsx;*.lem;*.lcl;*.cns|"
              "Word list index files (*.lsx)|*.lsx|Lemma list files (*.lem)|*.lem|"
              "Word clusters files (*.lcl)|*.lcl|Consistency list files (*.cns)|*.cns|" +
                  kTail);
    EXPECT_EQ(SuitableBatchTopFilterForTool(tt_WordLister),
              "Batch files (*.zip*)|*.ZIP*|WordLister files (*.lst;*.lsx;*.lem;*.lcl;*.cns;*.sta)|"
              "*.lst;*.lsx;*.lem;*.lcl;*.cns;*.sta|Text files (*.txt)|*.txt|All files (*.*)|*.*|");
    // The viewer's extra extension is not in its batch-top filter.
    EXPECT_FALSE(SuitableBatchTopFilterForTool(tt_Viewer).contains(".plt"));
    EXPECT_EQ(LimitedDefaultFilter(tt_KeyWords), "KeyWords main files (*.mth)|*.mth|All files (*.*)|*.*|");
    // The list form: the tool names the description, the list gives the mask.
    EXPECT_EQ(LimitedDefaultFilter(tt_KeyWords, tl_Plot), "KeyWords main files (*.plt)|*.plt|All files (*.*)|*.*|");
    // Every filter ends with "|" and pairs up.
    for (int t = 0; t < ToolTypeCount; ++t) {
        const QString f = SuitableFilterForTool(static_cast<tool_type>(t));
        EXPECT_TRUE(f.endsWith('|')) << t;
        EXPECT_EQ(f.count('|') % 2, 0) << t;
    }
}

TEST(ToolFilters, TheTablesAreWholeAndOutOfRangeIsNeutral)
{
    EXPECT_EQ(SaveableListTypes().size(), 43u);
    EXPECT_FALSE(SaveableListTypes().test(tl_Statistics));
    EXPECT_TRUE(SaveableListTypes().test(tl_Consistency));
    EXPECT_EQ(DefaultExtFromListType(static_cast<TTarnwickList>(23)), ".plt");
    EXPECT_EQ(DefaultExtFromListType(static_cast<TTarnwickList>(43)), "");
    EXPECT_EQ(Tool_Name(static_cast<tool_type>(200)), "");
    EXPECT_EQ(WithoutDotDefaultExt(".txt"), "txt");
    EXPECT_EQ(WithoutDotDefaultExt("txt"), "txt");
    EXPECT_EQ(WithoutDotDefaultExt(""), "");
}

TEST(FilterIndex, TrickyFilters)
{
    const QString wl = SuitableFilterForTool(tt_WordLister);
    EXPECT_EQ(FilterIndexFor(".lst", wl), 1);
    EXPECT_EQ(FilterIndexFor(".cns", wl), 1); // the head's group comes first
    EXPECT_EQ(FilterIndexFor(".zip", wl), 6);
    EXPECT_EQ(FilterIndexFor(".txt", wl), 7);
    // Only bracket groups count, case-sensitively: "*.ZIP*" stands outside.
    EXPECT_EQ(FilterIndexFor(".ZIP", wl), 9);
    EXPECT_EQ(FilterIndexFor("", wl), 9);
    EXPECT_EQ(FilterIndexFor(".x", ""), 1);
    // A ")" before any "(" is no group; an unclosed "(" ends the count.
    EXPECT_EQ(FilterIndexFor(".q", "x)(y(*.q)|"), 1);
    EXPECT_EQ(FilterIndexFor(".q", "(*.a)|(*.b|*.q"), 2);
    EXPECT_EQ(FilterIndexFor(".q", "A (*.a)|*.a|B (*.a;*.q)|*.q|"), 2);
    // A closing bracket belongs to the group it closes.
    EXPECT_EQ(FilterIndexFor(")", "(a)"), 1);
}

TEST(FormatFilter, DialogsArePreparedInOneCall)
{
    current_tool_var = tt_Concordancer;
    TForceViewOpenFileDialog open;
    open.SetInitialDir("/previous");
    FormatFilterFor(&open, "", ".txt", dfo_Details);
    EXPECT_EQ(open.Filter(), SuitableFilterForTool(tt_Concordancer));
    EXPECT_EQ(open.InitialDir(), "/previous"); // an empty folder keeps it
    EXPECT_EQ(open.DefaultExt(), "txt");
    EXPECT_EQ(open.FilterIndex(), FilterIndexFor(".txt", open.Filter()));
    EXPECT_EQ(open.DisplayFolderOption(), dfo_Details);

    // The tool's main extension is in the head's group: index 1. ".txt" is
    // the "Text files" entry only when it is not among the tool's masks.
    TForceViewSaveFileDialog save;
    FormatFilterFor(&save, "/work", ".vmr", dfo_List);
    EXPECT_EQ(save.FilterIndex(), 1);
    EXPECT_EQ(save.InitialDir(), "/work");
    EXPECT_EQ(save.DisplayFolderOption(), dfo_List);
    TOpenDialog plain;
    FormatFilterFor(&plain, "/x", ".txt", "Texts (*.txt;*.lst)|*.txt;*.lst|Text files (*.txt)|*.txt|", dfo_List);
    EXPECT_EQ(plain.FilterIndex(), 1);
    FormatFilterFor(&plain, "/x", ".txt", "Lists (*.lst)|*.lst|Text files (*.txt)|*.txt|", dfo_List);
    EXPECT_EQ(plain.FilterIndex(), 2);
    FormatFilterFor(nullptr, "/x", ".txt", dfo_List); // nothing to prepare
}

TEST(FormatFilter, AQtDialogShowsTheFilterAsNameFilters)
{
    TOpenDialog dialog;
    FormatFilterFor(&dialog, "", ".txt", SuitableFilterForTool(tt_WordLister), dfo_Default);
    const auto qt = dialog.MakeQtDialog();
    const QStringList filters = qt->nameFilters();
    ASSERT_EQ(filters.size(), 8);
    EXPECT_EQ(filters[0], "WordLister files (*.lst *.lsx *.lem *.lcl *.cns)");
    EXPECT_EQ(filters[5], "Batch files (*.ZIP*)");
    EXPECT_EQ(filters[6], "Text files (*.txt)");
    EXPECT_EQ(qt->selectedNameFilter(), "Text files (*.txt)");
    EXPECT_EQ(qt->defaultSuffix(), "txt");
    EXPECT_EQ(FileDialogNameFilters("Plain|*.a;*.b|Empty||Bracketed (*.c)|*.c|"),
              (QStringList{"Plain (*.a *.b)", "Bracketed (*.c)"}));
    EXPECT_TRUE(FileDialogNameFilters("no pairs").isEmpty());
}

// Every mask reaches the dialog as exactly its patterns, whatever the masks
// or the description hold.
TEST(FormatFilter, EveryMaskReachesTheDialogAsItsPatterns)
{
    struct Case {
        const char* filter;
        const char* text;
        QStringList patterns;
        bool qtReads;
    };
    const Case cases[] = {
        {"Bücher|*.bücher", "Bücher (*.bücher)", {"*.bücher"}, false},
        {"Bücher (*.bücher)|*.bücher", "Bücher (*.bücher)", {"*.bücher"}, false},
        {"Word lists (one per line)|*.lst", "Word lists (one per line) (*.lst)", {"*.lst"}, true},
        {"Spaced|my file.txt;*.a", "Spaced (my file.txt *.a)", {"my file.txt", "*.a"}, false},
        {"Text files (*.txt; *.TXT)|*.txt;*.TXT", "Text files (*.txt *.TXT)", {"*.txt", "*.TXT"}, true},
        {"Classes|[abc]*.txt", "Classes ([abc]*.txt)", {"[abc]*.txt"}, true},
        {"Copies|*(1).txt", "Copies (*(1).txt)", {"*(1).txt"}, false},
        {"|*.bücher", "*.bücher", {"*.bücher"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        const std::vector<TNameFilter> entries = FileDialogFilterEntries(QString::fromUtf8(c.filter));
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].Text, QString::fromUtf8(c.text));
        EXPECT_EQ(entries[0].Patterns, c.patterns);
        EXPECT_EQ(entries[0].QtReadsPatterns, c.qtReads);
        // Qt's own reading of the text, where the library relies on it.
        if (c.qtReads)
            EXPECT_EQ(QPlatformFileDialogHelper::cleanFilterList(entries[0].Text), c.patterns);
        else
            EXPECT_NE(QPlatformFileDialogHelper::cleanFilterList(entries[0].Text), c.patterns);
    }
}

TEST(FormatFilter, ADialogShowsTheFilesOfEachEntryExactly)
{
    QTemporaryDir dir;
    for (const char* name : {"a.bücher", "b.txt", "my file.txt", "c.lst", "Bücher"})
        ASSERT_TRUE(qz8test::WriteBytes(dir.filePath(QString::fromUtf8(name)), "x"));
    TOpenDialog open;
    open.SetFilter(QString::fromUtf8("Bücher|*.bücher|Spaced|my file.txt|Word lists (one per line)|*.lst|"));
    open.SetInitialDir(dir.path());
    const auto qt = open.MakeQtDialog();
    ASSERT_NE(qt->proxyModel(), nullptr);
    qt->show();
    auto* combo = qt->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(combo, nullptr);
    auto* fs = qobject_cast<QFileSystemModel*>(qt->proxyModel()->sourceModel());
    ASSERT_NE(fs, nullptr);
    const auto shown = [&] {
        QStringList names;
        const QModelIndex root = qt->proxyModel()->mapFromSource(fs->index(dir.path()));
        for (int r = 0; r < qt->proxyModel()->rowCount(root); ++r) {
            const QModelIndex i = qt->proxyModel()->index(r, 0, root);
            if (qt->proxyModel()->flags(i) & Qt::ItemIsEnabled)
                names << i.data().toString();
        }
        names.sort();
        return names;
    };
    const QList<QStringList> expected = {{QString::fromUtf8("a.bücher")}, {"my file.txt"}, {"c.lst"}};
    for (int i = 0; i < 3; ++i) {
        // As the user picks the entry.
        combo->setCurrentIndex(i);
        Q_EMIT combo->activated(i);
        Q_EMIT combo->textActivated(combo->currentText());
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == expected[i]; }, 5000))
            << i << ": " << shown().join(", ").toStdString();
    }
}

TEST(CustomFileDialog, FileTypesFromExtensions)
{
    TFileOpenDialog dialog;
    AddFiltersToCustomFileDialog(&dialog, {".vmr", ".txt", ".*"});
    ASSERT_EQ(dialog.FileTypes().size(), 3u);
    EXPECT_EQ(dialog.FileTypes()[0].FileMask, "*.vmr");
    EXPECT_EQ(dialog.FileTypes()[1].DisplayName, TXT_FileTypes().DisplayName);
    EXPECT_EQ(dialog.FileTypes()[2].FileMask, "*.*");
    EXPECT_EQ(dialog.DefaultExtension(), ".vmr");
    // Compared exactly: an upper-case extension adds nothing, but it is
    // still the default extension.
    AddFiltersToCustomFileDialog(&dialog, {".TXT"});
    EXPECT_TRUE(dialog.FileTypes().empty());
    EXPECT_EQ(dialog.DefaultExtension(), ".TXT");
    AddFiltersToCustomFileDialog(&dialog, {".zip", ".zip", ".nope"});
    EXPECT_EQ(dialog.FileTypes().size(), 2u);
    AddFiltersToCustomFileDialog(&dialog, {});
    EXPECT_TRUE(dialog.FileTypes().empty());
    EXPECT_EQ(dialog.DefaultExtension(), ".zip");
}

TEST(InitialDirs, FolderEditsShowTheFolderFileEditsStartThere)
{
    TForm form;
    auto* file = new TElFileNameEdit(&form);
    file->setObjectName("File1");
    file->SetText("/keep/this.txt");
    auto* folder = new TElFolderNameEdit(&form);
    folder->setObjectName("Folder1");
    auto* panel = new TPanel(&form);
    panel->setObjectName("Panel1");
    auto* chooser = new TMyOpenFolderDialog(panel);
    chooser->setObjectName("Chooser1");
    auto* fileChooser = new TMyOpenFileDialog(panel);
    fileChooser->setObjectName("Chooser2");
    auto* plain = new QLineEdit(&form);
    plain->setObjectName("Plain");
    SetInitialDirs(&form, "/data/corpus");
    EXPECT_EQ(file->InitialDir(), "/data/corpus");
    EXPECT_EQ(file->Text(), "/keep/this.txt");
    EXPECT_EQ(folder->Text(), "/data/corpus");
    EXPECT_EQ(chooser->text(), "/data/corpus");
    EXPECT_EQ(fileChooser->text(), "/data/corpus");
    EXPECT_EQ(plain->text(), "");
    SetInitialDirs(nullptr, "/x");
}
