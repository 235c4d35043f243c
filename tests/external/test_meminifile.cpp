// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// TMyMemIniFile: value forms, list round trips, damaged and hostile files,
// and a save that cannot be written.
#include "external/ElPack.h"
#include "external/General_runtime.h"
#include "store/MemIniFile.h"
#include "toolkit/Types.h"

#include "test_util.h"
#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

using namespace qz8;

namespace {

QString WriteRaw(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString name = dir.filePath("raw.ini");
    qz8test::WriteBytes(name, bytes);
    return name;
}

} // namespace

TEST(MemIniFile, ValueFormsRoundTripThroughTheFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("state.ini");
    UserDefaultFormatSettings = FormatSettingsFor(QLocale(QLocale::German));
    {
        TMyMemIniFile ini(name);
        ini.WriteString("Edit1", "text", "  leading blanks = and [brackets] ;semi");
        ini.WriteString("Edit1", "multi", "line one\nline two\r\n\"quoted\"");
        ini.WriteString("Edit1", "quoted", "\"x\"");
        ini.WriteInteger("Spin", "value", -42);
        ini.WriteBool("Check", "checked", true);
        ini.WriteFloat("Float", "value", 2.5);
        ini.UpdateFile();
    }
    const QString text = qz8test::ReadText(name);
    EXPECT_TRUE(text.contains("[Spin]\nvalue=-42\n"));
    EXPECT_TRUE(text.contains("[Check]\nchecked=1\n"));
    EXPECT_TRUE(text.contains("value=2,5\n")); // the locale's decimal separator
    TMyMemIniFile back(name);
    EXPECT_EQ(back.ReadString("edit1", "TEXT", ""), "  leading blanks = and [brackets] ;semi");
    EXPECT_EQ(back.ReadString("Edit1", "multi", ""), "line one\nline two\r\n\"quoted\"");
    EXPECT_EQ(back.ReadString("Edit1", "quoted", ""), "\"x\"");
    EXPECT_EQ(back.ReadInteger("Spin", "value", 0), -42);
    EXPECT_TRUE(back.ReadBool("Check", "checked", false));
    EXPECT_DOUBLE_EQ(back.ReadFloat("Float", "value", 0), 2.5);
    EXPECT_EQ(back.ReadSections(), (QStringList{"Edit1", "Spin", "Check", "Float"}));
}

TEST(MemIniFile, AbsentOrUnparsableValuesReadAsTheDefault)
{
    TMyMemIniFile ini(QString{});
    ini.SetText("[S]\nbig=99999999999\nword=abc\nhex=$1F\nbool=7\nnan=nan\nempty=\n");
    EXPECT_EQ(ini.ReadInteger("S", "big", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "word", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "hex", -1), 31);
    EXPECT_TRUE(ini.ReadBool("S", "bool", false));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "nan", 1.5), 1.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "word", 1.5), 1.5);
    EXPECT_EQ(ini.ReadString("S", "missing", "def"), "def");
    EXPECT_EQ(ini.ReadString("Nope", "x", "def"), "def");
    EXPECT_EQ(ini.ReadString("S", "empty", "def"), "");
}

TEST(MemIniFile, ListsRoundTripAnyStringsWithTheirObjectsAndBound)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("lists.ini");
    TStringList list;
    const QStringList texts{"plain",      "",           "a=b",        "[section]",
                            ";comment",   "  leading",  "two\nlines", "back\\slash\\|",
                            "\"quoted\"", "trailing\r", "#hash",      "|"};
    for (int i = 0; i < texts.size(); ++i)
        list.AddObject(texts[i], i * 3 - 4);
    for (int bound : {0, 1, 5, 50}) {
        {
            TMyMemIniFile ini(name);
            ini.Clear();
            ini.WriteInteger("Memo1", "i", 3);
            ini.WriteMultiString("Memo1", list, bound);
            ini.UpdateFile();
        }
        TMyMemIniFile back(name);
        TStringList read;
        read.Add("stale entry");
        back.ReadMultiString("memo1", read);
        ASSERT_EQ(read.Count(), list.Count()) << "bound " << bound;
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(read[i], list[i]) << "bound " << bound << " entry " << i;
            EXPECT_EQ(read.Objects(i), list.Objects(i));
        }
        EXPECT_EQ(back.ReadInteger("Memo1", "i", -1), 3);
    }
    // A long memo keeps every line whatever the bound.
    TStringList memo;
    for (int i = 0; i < 500; ++i)
        memo.Add(QStringLiteral("line %1").arg(i));
    TMyMemIniFile ini(QString{});
    ini.WriteMultiString("M", list, 1);
    ini.WriteMultiString("M", memo, 50);
    TStringList read;
    ini.ReadMultiString("M", read);
    EXPECT_EQ(read.ToStringList(), memo.ToStringList());
    // A section without a stored list leaves the target alone.
    TStringList keep{"design item"};
    ini.WriteInteger("NoList", "i", 0);
    ini.ReadMultiString("NoList", keep);
    ini.ReadMultiString("Absent", keep);
    EXPECT_EQ(keep.ToStringList(), QStringList{"design item"});

    // A combo that already holds the stored items is not refilled (its
    // model is not reset), one that differs in a text or an object is.
    TElComboBox combo;
    combo.Items().AddObject("alpha", 1);
    combo.Items().AddObject("beta", 2);
    ini.WriteMultiString("Combo", combo.Items());
    int refills = 0;
    QObject::connect(combo.model(), &QAbstractItemModel::rowsRemoved, [&] { ++refills; });
    QObject::connect(combo.model(), &QAbstractItemModel::modelReset, [&] { ++refills; });
    ini.ReadMultiString("Combo", combo.Items());
    EXPECT_EQ(refills, 0);
    TStringList other;
    other.AddObject("alpha", 1);
    other.AddObject("beta", 3);
    ini.WriteMultiString("Combo", other);
    ini.ReadMultiString("Combo", combo.Items());
    EXPECT_GT(refills, 0);
    EXPECT_EQ(combo.Items().Objects(1), 3);
}

TEST(MemIniFile, DamagedAndHostileFilesKeepWhatParses)
{
    QTemporaryDir dir;
    QByteArray bytes = "\xEF\xBB\xBFkey=before any section\r\n[A]\r\nx=1\r\n";
    bytes += "[a]\nx=2\ny=3\n"; // duplicate section and key
    bytes += "no equals sign\n=empty key\n[Unclosed\nz=4\n";
    bytes += "[Big]\nlong=" + QByteArray(4 * 1024 * 1024, 'q') + "\n";
    bytes += "[List]\n_count=2000000000\n_per=-3\n_line0=one\\|two\n_obj0=zz\n";
    static const char binary[] = "\x00\xFF\xFE[\x01]\n\x80=\x81\n";
    bytes += QByteArray(binary, sizeof binary - 1);
    TMyMemIniFile ini(WriteRaw(dir, bytes));
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("A", "y", 0), 3);
    EXPECT_EQ(ini.ReadInteger("Unclosed", "z", 0), 4);
    EXPECT_EQ(ini.ReadString("Big", "long", "").size(), 4 * 1024 * 1024);
    EXPECT_FALSE(ini.ValueExists("A", "key"));
    TStringList list;
    ini.ReadMultiString("List", list);
    EXPECT_EQ(list.ToStringList(), QStringList{"one"});
    EXPECT_EQ(list.Objects(0), 0);

    // Random garbage never crashes and leaves a usable object.
    QRandomGenerator rng(12345);
    for (int round = 0; round < 50; ++round) {
        QByteArray junk(1 + rng.bounded(4096), '\0');
        for (char& c : junk)
            c = static_cast<char>(rng.bounded(256));
        TMyMemIniFile garbage(WriteRaw(dir, junk));
        garbage.WriteString("S", "k", "v");
        EXPECT_EQ(garbage.ReadString("S", "k", ""), "v");
        garbage.ToText();
    }
}

TEST(MemIniFile, SectionOfAMillionKeysReadsBack)
{
    QString text = "[Huge]\n";
    text.reserve(14 * 1'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        text += QStringLiteral("k%1=%1\n").arg(i);
    TMyMemIniFile ini(QString{});
    ini.SetText(text);
    EXPECT_EQ(ini.ReadInteger("huge", "K999999", -1), 999999);
    EXPECT_EQ(ini.ReadSection("Huge").size(), 1'000'000);
}

TEST(MemIniFile, AFailedSaveNamesTheFileAndLeavesThePreviousFileWhole)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("keep.ini");
    {
        TMyMemIniFile ini(name);
        ini.WriteString("S", "k", "first");
        ini.UpdateFile();
    }
    const QString before = qz8test::ReadText(name);
    // A directory where the file should be.
    const QString asDir = dir.filePath("adir.ini");
    QDir().mkpath(asDir);
    TMyMemIniFile onDir(asDir);
    onDir.WriteString("S", "k", "v");
    try {
        onDir.UpdateFile();
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains(asDir)) << e.Message().toStdString();
    }
    // A read-only folder (root ignores permissions, so only as non-root).
    if (geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        TMyMemIniFile ro(name);
        ro.WriteString("S", "k", "second");
        EXPECT_THROW(ro.UpdateFile(), Exception);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(qz8test::ReadText(name), before);
    }
    // A folder part that is a file.
    TMyMemIniFile underFile(name + QStringLiteral("/inner.ini"));
    EXPECT_THROW(underFile.UpdateFile(), Exception);
    TMyMemIniFile none(QString{});
    EXPECT_THROW(none.UpdateFile(), Exception);
    EXPECT_EQ(qz8test::ReadText(name), before);
}

TEST(MemIniFile, KeysAndSectionsThatCouldBreakALineAreCleaned)
{
    TMyMemIniFile ini(QString{});
    ini.WriteString("Bad\nSection", "a=b\nc", "v");
    ini.WriteString("S", "[notsection", "w");
    TMyMemIniFile back(QString{});
    back.SetText(ini.ToText());
    EXPECT_EQ(back.ReadString("Bad Section", "a_b_c", ""), "v");
    EXPECT_EQ(back.ReadString("S", "[notsection", ""), "w");
    EXPECT_EQ(back.ReadSections(), (QStringList{"Bad Section", "S"}));
    back.EraseSection("bad section");
    back.DeleteKey("S", "[NOTSECTION");
    EXPECT_EQ(back.ToText(), "[S]\n");
}

// Renames keep the section's place and keys; erased names come back at the
// end; copies made between thousands of erases and renames read what they
// held (the index views names that erases and renames must keep alive).
TEST(MemIniFile, RenamesAndErasesKeepPlacesNamesAndCopies)
{
    TMyMemIniFile ini{QString()};
    ini.SetText("[A]\nx=1\n[B]\ny=2\n[C]\nz=3\n");
    EXPECT_TRUE(ini.RenameSection("b", "Bee"));
    EXPECT_EQ(ini.ReadSections(), QStringList({"A", "Bee", "C"}));
    EXPECT_EQ(ini.ReadString("BEE", "y", ""), "2");
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_FALSE(ini.RenameSection("A", "c")) << "a name that is taken";
    EXPECT_FALSE(ini.RenameSection("Nothing", "D"));
    EXPECT_TRUE(ini.RenameSection("a", "a")) << "a change of case is a rename";
    EXPECT_EQ(ini.ReadSections(), QStringList({"a", "Bee", "C"}));
    ini.EraseSection("Bee");
    EXPECT_FALSE(ini.SectionExists("bee"));
    EXPECT_FALSE(ini.RenameSection("Bee", "D"));
    ini.WriteString("bee", "y", "again");
    EXPECT_EQ(ini.ReadSections(), QStringList({"a", "C", "bee"}));
    EXPECT_EQ(ini.ToText(), "[a]\nx=1\n\n[C]\nz=3\n\n[bee]\ny=again\n");

    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("[S%1]\nk=%1\n").arg(i);
    TMyMemIniFile big{QString()};
    big.SetText(text);
    std::vector<TMyMemIniFile> copies;
    for (int i = 0; i < 3000; ++i) {
        if (i % 3 == 0)
            big.EraseSection(QStringLiteral("s%1").arg(i));
        else
            ASSERT_TRUE(big.RenameSection(QStringLiteral("S%1").arg(i), QStringLiteral("R%1").arg(i)));
        if (i % 500 == 0)
            copies.push_back(big);
    }
    for (int i = 0; i < 3000; i += 3)
        big.WriteString(QStringLiteral("S%1").arg(i), "k", "new");
    EXPECT_EQ(big.ReadSections().size(), 3000);
    EXPECT_EQ(big.ReadString("r1", "k", ""), "1");
    EXPECT_EQ(big.ReadString("S2999", "k", "gone"), "gone");
    EXPECT_EQ(big.ReadString("s0", "k", ""), "new");
    EXPECT_EQ(big.ReadSections().last(), "S2997");
    // The first copy was made after one erase, the last after 2,501 steps.
    EXPECT_FALSE(copies.front().SectionExists("S0"));
    EXPECT_EQ(copies.front().ReadString("S1", "k", ""), "1");
    EXPECT_EQ(copies.back().ReadString("R2500", "k", ""), "2500");
    EXPECT_EQ(copies.back().ReadString("S2501", "k", ""), "2501");
    copies.clear();
    EXPECT_EQ(big.ReadString("R2998", "k", ""), "2998");

    // Many at once: a chain is allowed, two sections meeting in one name
    // (without case) change nothing, erased places are given back.
    TMyMemIniFile many{QString()};
    many.SetText("[A]\nx=1\n[B]\ny=2\n[C]\nz=3\n[D]\nw=4\n");
    many.EraseSection("D");
    QList<std::pair<QString, QString>> renamed;
    QString clash;
    const auto chain = [](const QString& s) { return s == "A" ? "B" : s == "B" ? "c2" : QString(); };
    ASSERT_TRUE(many.RenameSections(chain, renamed, clash));
    EXPECT_EQ(renamed, (QList<std::pair<QString, QString>>{{"A", "B"}, {"B", "c2"}}));
    EXPECT_EQ(many.ReadSections(), QStringList({"B", "c2", "C"}));
    EXPECT_EQ(many.ReadString("b", "x", ""), "1");
    EXPECT_EQ(many.ReadString("C2", "y", ""), "2");
    EXPECT_FALSE(many.SectionExists("A"));
    EXPECT_FALSE(many.SectionExists("D"));
    const QString before = many.ToText();
    const auto meet = [](const QString& s) { return s == "B" ? QStringLiteral("c") : QString(); };
    EXPECT_FALSE(many.RenameSections(meet, renamed, clash));
    EXPECT_EQ(clash.toLower(), "c");
    EXPECT_EQ(many.ToText(), before);
    EXPECT_TRUE(many.RenameSections([](const QString& s) { return s.toLower(); }, renamed, clash));
    EXPECT_TRUE(renamed.isEmpty()) << "a change of case only is left";
    EXPECT_TRUE(many.AnyValueIs("Y", u"2"));
    EXPECT_FALSE(many.AnyValueIs("y", u"22"));
    EXPECT_TRUE(many.ValueIs("c2", "Y", u"2"));
    many.WriteString("D", "w", "5");
    EXPECT_EQ(many.ReadSections(), QStringList({"B", "c2", "C", "D"}));
}

// What the library does not read (a note before the first section,
// comments, blank and stray lines) stays through every kind of edit, a
// comment with the key it stood before; the text is stable from then on.
TEST(MemIniFile, CommentsBlankAndStrayLinesStayThroughEveryEdit)
{
    TMyMemIniFile ini{QString()};
    ini.SetText("key before=1\n; top\n[S]\n; about b\nb=2\n; about a\na=1\nnote\n\n[T]\nx=1\nx=dup\n");
    EXPECT_EQ(ini.ReadSections(), QStringList({"S", "T"}));
    EXPECT_EQ(ini.ReadSection("S"), QStringList({"b", "a"}));
    EXPECT_FALSE(ini.ValueExists("S", "note"));
    EXPECT_EQ(ini.ReadString("T", "x", ""), "1");
    // A merge writes a section whole, in its writer's order.
    ini.ReplaceSection("S", {{"a", "10"}, {"c", "3"}});
    ini.WriteString("T", "y", "2");
    const QString text = ini.ToText();
    EXPECT_EQ(text, "key before=1\n; top\n[S]\n; about a\na=10\nc=3\n; about b\nnote\n\n[T]\nx=1\ny=2\n");
    TMyMemIniFile again{QString()};
    again.SetText(text);
    EXPECT_EQ(again.ToText(), text);
    again.EraseSection("S");
    EXPECT_EQ(again.ToText(), "key before=1\n; top\n[T]\nx=1\ny=2\n");
    // Line ends of "\r\r\n" read as one end, kept lines too.
    again.SetText("[A]\r\nnote\r\r\nx=1\r\n");
    EXPECT_EQ(again.ToText(), "[A]\nnote\nx=1\n");
}
