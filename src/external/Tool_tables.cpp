// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/Tool_tables.h"
#include "toolkit/Types.h"

#include <QCoreApplication>
#include <array>

namespace qz8 {

tool_type current_tool_var = tt_Controller;

namespace {

const bool registered = [] {
    RegisterGlobalReset([] { current_tool_var = tt_Controller; });
    return true;
}();

struct ToolRow {
    const char* name;
    const char* ext;
};

// The tools' names and main extensions, by ordinal.
constexpr std::array<ToolRow, ToolTypeCount> kTools{{
    {QT_TRANSLATE_NOOP("qz8", "Controller"), ".tcf"},
    {QT_TRANSLATE_NOOP("qz8", "WordLister"), ".lst"},
    {QT_TRANSLATE_NOOP("qz8", "Concordancer"), ".vmr"},
    {QT_TRANSLATE_NOOP("qz8", "KeyWords"), ".mth"},
    {QT_TRANSLATE_NOOP("qz8", "Viewer"), ".txv"},
    {QT_TRANSLATE_NOOP("qz8", "Aligner"), ".ali"},
    {QT_TRANSLATE_NOOP("qz8", "Splitter"), ".spl"},
    {QT_TRANSLATE_NOOP("qz8", "Utilities"), ".utl"},
}};

struct ListRow {
    const char* name;
    const char* ext; // may be empty
    tool_type owner;
    bool saveable;
};

// The list types by ordinal: name, extension, owning tool, saveable. Some
// share an extension, some have the owner's main extension, some none.
constexpr std::array<ListRow, TarnwickListCount> kLists{{
    {QT_TRANSLATE_NOOP("qz8", "Word list"), ".lst", tt_WordLister, true},
    {QT_TRANSLATE_NOOP("qz8", "Word list index"), ".lsx", tt_WordLister, true},
    {QT_TRANSLATE_NOOP("qz8", "Lemma list"), ".lem", tt_WordLister, true},
    {QT_TRANSLATE_NOOP("qz8", "Word clusters"), ".lcl", tt_WordLister, true},
    {QT_TRANSLATE_NOOP("qz8", "Consistency list"), ".cns", tt_WordLister, true},
    {QT_TRANSLATE_NOOP("qz8", "Detailed consistency"), ".cns", tt_WordLister, true},
    {QT_TRANSLATE_NOOP("qz8", "Statistics"), ".sta", tt_WordLister, false},
    {QT_TRANSLATE_NOOP("qz8", "Word list text"), "", tt_WordLister, true},
    {QT_TRANSLATE_NOOP("qz8", "Concordance"), ".vmr", tt_Concordancer, true},
    {QT_TRANSLATE_NOOP("qz8", "Collocates"), ".col", tt_Concordancer, true},
    {QT_TRANSLATE_NOOP("qz8", "Patterns"), ".pat", tt_Concordancer, true},
    {QT_TRANSLATE_NOOP("qz8", "Concordance clusters"), ".ccl", tt_Concordancer, true},
    {QT_TRANSLATE_NOOP("qz8", "Dispersion plot"), ".dsp", tt_Concordancer, false},
    {QT_TRANSLATE_NOOP("qz8", "Source texts"), ".src", tt_Concordancer, true},
    {QT_TRANSLATE_NOOP("qz8", "Concordance text"), "", tt_Concordancer, true},
    {QT_TRANSLATE_NOOP("qz8", "Key words"), ".mth", tt_KeyWords, true},
    {QT_TRANSLATE_NOOP("qz8", "Key key-words"), ".kkw", tt_KeyWords, true},
    {QT_TRANSLATE_NOOP("qz8", "Associates"), ".ass", tt_KeyWords, true},
    {QT_TRANSLATE_NOOP("qz8", "Key clusters"), ".kcl", tt_KeyWords, true},
    {QT_TRANSLATE_NOOP("qz8", "Key-word plot"), ".kpl", tt_KeyWords, true},
    {QT_TRANSLATE_NOOP("qz8", "Key-word database"), ".kdb", tt_KeyWords, true},
    {QT_TRANSLATE_NOOP("qz8", "Key-word text"), "", tt_KeyWords, false},
    {QT_TRANSLATE_NOOP("qz8", "Viewer text"), ".txv", tt_Viewer, true},
    {QT_TRANSLATE_NOOP("qz8", "Plot"), ".plt", tt_Concordancer, true},
    {QT_TRANSLATE_NOOP("qz8", "Viewer marks"), ".vmk", tt_Viewer, true},
    {QT_TRANSLATE_NOOP("qz8", "Aligned pairs"), ".ALI", tt_Aligner, true},
    {QT_TRANSLATE_NOOP("qz8", "Unaligned texts"), ".VWR", tt_Aligner, true},
    {QT_TRANSLATE_NOOP("qz8", "Aligner text"), "", tt_Aligner, true},
    {QT_TRANSLATE_NOOP("qz8", "Split list"), ".spl", tt_Splitter, true},
    {QT_TRANSLATE_NOOP("qz8", "Split texts"), ".spt", tt_Splitter, true},
    {QT_TRANSLATE_NOOP("qz8", "Corpus list"), ".cps", tt_Utilities, true},
    {QT_TRANSLATE_NOOP("qz8", "Character profile"), ".chp", tt_Utilities, true},
    {QT_TRANSLATE_NOOP("qz8", "File list"), ".fls", tt_Utilities, true},
    {QT_TRANSLATE_NOOP("qz8", "Renamed files"), ".ren", tt_Utilities, false},
    {QT_TRANSLATE_NOOP("qz8", "Compared files"), ".cmp", tt_Utilities, true},
    {QT_TRANSLATE_NOOP("qz8", "Duplicate files"), ".dup", tt_Utilities, true},
    {QT_TRANSLATE_NOOP("qz8", "Text converter"), ".tcv", tt_Utilities, true},
    {QT_TRANSLATE_NOOP("qz8", "Web text"), ".htm", tt_Controller, true},
    {QT_TRANSLATE_NOOP("qz8", "Rich text"), ".rtf", tt_Controller, true},
    {QT_TRANSLATE_NOOP("qz8", "Chart"), ".chr", tt_Controller, true},
    {QT_TRANSLATE_NOOP("qz8", "Settings"), ".tcf", tt_Controller, true},
    {QT_TRANSLATE_NOOP("qz8", "Batch"), ".zip", tt_Controller, false},
    {QT_TRANSLATE_NOOP("qz8", "Scratch list"), "", tt_Controller, false},
}};

QString Tr(const char* text) { return QCoreApplication::translate("qz8", text); }

bool ValidTool(tool_type tool) { return static_cast<int>(tool) < ToolTypeCount; }
bool ValidList(TTarnwickList list) { return static_cast<int>(list) < TarnwickListCount; }

} // namespace

QString Tool_Name(tool_type tool)
{
    (void)registered;
    return ValidTool(tool) ? Tr(kTools[tool].name) : QString();
}

QString DefaultExtFromToolType(tool_type tool)
{
    return ValidTool(tool) ? QString::fromLatin1(kTools[tool].ext) : QString();
}

QString DefaultExtFromListType(TTarnwickList list)
{
    return ValidList(list) ? QString::fromLatin1(kLists[list].ext) : QString();
}

tool_type ToolTypeFromListType(TTarnwickList list) { return ValidList(list) ? kLists[list].owner : tt_Controller; }

QString ListTypeAsString(TTarnwickList list) { return ValidList(list) ? Tr(kLists[list].name) : QString(); }

const TTarnwickListSet& SaveableListTypes()
{
    static const TTarnwickListSet set = [] {
        TTarnwickListSet s;
        for (size_t i = 0; i < kLists.size(); ++i)
            s.set(i, kLists[i].saveable);
        return s;
    }();
    return set;
}

QString WithoutDotDefaultExt(const QString& ext) { return ext.startsWith(QLatin1Char('.')) ? ext.mid(1) : ext; }

QString _QZMainFiles() { return Tr(QT_TRANSLATE_NOOP("qz8", "%1 main files ")); }
QString _QZXFiles() { return Tr(QT_TRANSLATE_NOOP("qz8", "%1 files ")); }
QString _QZSelectFolder() { return Tr(QT_TRANSLATE_NOOP("qz8", "Select a folder")); }
QString _QZSelectFiles() { return Tr(QT_TRANSLATE_NOOP("qz8", "Select files")); }
QString _QZSelect() { return Tr(QT_TRANSLATE_NOOP("qz8", "Select")); }

TFileTypeRec TXT_FileTypes() { return {Tr(QT_TRANSLATE_NOOP("qz8", "Text files")), QStringLiteral("*.txt")}; }
TFileTypeRec All_FileTypes() { return {Tr(QT_TRANSLATE_NOOP("qz8", "All files")), QStringLiteral("*.*")}; }
TFileTypeRec Mirthel_Filetypes() { return {Tr(QT_TRANSLATE_NOOP("qz8", "Key-word lists")), QStringLiteral("*.mth")}; }
TFileTypeRec Velmora_Filetypes()
{
    return {Tr(QT_TRANSLATE_NOOP("qz8", "Concordance lists")), QStringLiteral("*.vmr")};
}
TFileTypeRec Batch_Filetypes() { return {Tr(QT_TRANSLATE_NOOP("qz8", "Batch files")), QStringLiteral("*.zip")}; }
TFileTypeRec RTF_Filetypes() { return {Tr(QT_TRANSLATE_NOOP("qz8", "Rich text files")), QStringLiteral("*.rtf")}; }
TFileTypeRec WebText_Filetypes() { return {Tr(QT_TRANSLATE_NOOP("qz8", "Web pages")), QStringLiteral("*.htm")}; }
TFileTypeRec XML_Filetypes() { return {Tr(QT_TRANSLATE_NOOP("qz8", "XML files")), QStringLiteral("*.xml")}; }

} // namespace qz8
