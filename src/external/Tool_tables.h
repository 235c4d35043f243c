// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The suite's tools and the list types their windows save, with names,
// extensions, owners and the saveable set; the resource strings and file
// type records of the file dialogs; the suite's own dialog classes that
// carry a folder-display option.
#include "../qz8_export.h"
#include "../toolkit/Dialogs.h"

#include <QString>
#include <bitset>
#include <cstdint>

namespace qz8 {

/// The tools of the suite. Ordinal 4 (the viewer) also opens the plot lists
/// (list type 23); ordinal 5 (the aligner) has a fixed filter of its own.
enum tool_type : std::uint8_t {
    tt_Controller, ///< 0
    tt_WordLister, ///< 1
    tt_Concordancer, ///< 2
    tt_KeyWords, ///< 3
    tt_Viewer, ///< 4
    tt_Aligner, ///< 5
    tt_Splitter, ///< 6
    tt_Utilities ///< 7
};
/// The number of tools.
constexpr int ToolTypeCount = 8;

/// The list types (ordinals 0 to 42), one per kind of saved list.
///@{
enum TTarnwickList : std::uint8_t {
    tl_WordList,
    tl_WordListIndex,
    tl_Lemmas,
    tl_Clusters,
    tl_Consistency,
    tl_DetailedConsistency,
    tl_Statistics,
    tl_WordListText,
    tl_Concordance,
    tl_Collocates,
    tl_Patterns,
    tl_ConcClusters,
    tl_Dispersion,
    tl_Sources,
    tl_ConcText,
    tl_KeyWords,
    tl_KeyKeyWords,
    tl_Associates,
    tl_KeyClusters,
    tl_KeyPlot,
    tl_KeyDatabase,
    tl_KeyText,
    tl_ViewerText,
    tl_Plot,
    tl_ViewerMarks,
    tl_AlignedPairs,
    tl_Unaligned,
    tl_AlignerText,
    tl_SplitList,
    tl_SplitText,
    tl_CorpusList,
    tl_CharacterProfile,
    tl_FileList,
    tl_Renamed,
    tl_Compared,
    tl_Duplicates,
    tl_TextConverter,
    tl_WebText,
    tl_RichText,
    tl_Chart,
    tl_Settings,
    tl_Batch,
    tl_Scratch
};
/// The number of list types.
///@}
constexpr int TarnwickListCount = 43;

/// A set of list types, one bit per ordinal.
using TTarnwickListSet = std::bitset<TarnwickListCount>;

/// The running tool.
extern QZ8_EXPORT tool_type current_tool_var;

/// Names and extensions. An ordinal outside the enumeration gives an empty
/// text (and the controller for the owner of a list type).
/// The tool's name ("WordLister").
QZ8_EXPORT QString Tool_Name(tool_type tool);
/// The extension of the tool's own files, with its dot.
QZ8_EXPORT QString DefaultExtFromToolType(tool_type tool);
/// The extension of a list type's files, with its dot.
QZ8_EXPORT QString DefaultExtFromListType(TTarnwickList list);
/// The tool that owns a list type.
QZ8_EXPORT tool_type ToolTypeFromListType(TTarnwickList list);
/// The name of a list type.
QZ8_EXPORT QString ListTypeAsString(TTarnwickList list);
/// The list types that can be saved.
QZ8_EXPORT const TTarnwickListSet& SaveableListTypes();
/// ".txt" gives "txt"; a text without a leading dot is returned as it is.
QZ8_EXPORT QString WithoutDotDefaultExt(const QString& ext);

/// Description templates of the filters, "%1" the tool's or list's name.
///@{
QZ8_EXPORT QString _QZMainFiles();
QZ8_EXPORT QString _QZXFiles();
///@}
/// Texts of the folder and file chooser.
///@{
QZ8_EXPORT QString _QZSelectFolder();
QZ8_EXPORT QString _QZSelectFiles();
QZ8_EXPORT QString _QZSelect();
///@}

/// A file type of a modern file dialog: display name and mask.
struct TFileTypeRec {
    QString DisplayName; ///< the name the dialog shows
    QString FileMask; ///< the masks, separated by ";"
};
///@{
/// The file types of the suite's dialogs: text, all files, the suite's own kinds, batch, rich text, web text and XML.
QZ8_EXPORT TFileTypeRec TXT_FileTypes();
QZ8_EXPORT TFileTypeRec All_FileTypes();
QZ8_EXPORT TFileTypeRec Mirthel_Filetypes();
QZ8_EXPORT TFileTypeRec Velmora_Filetypes();
QZ8_EXPORT TFileTypeRec Batch_Filetypes();
QZ8_EXPORT TFileTypeRec RTF_Filetypes();
QZ8_EXPORT TFileTypeRec WebText_Filetypes();
QZ8_EXPORT TFileTypeRec XML_Filetypes();
///@}

/// How the suite's dialogs show the folder's files.
enum TDisplayFolderOption : std::uint8_t { dfo_Default, dfo_List, dfo_Details, dfo_Thumbnails };

/// A dialog that shows its folder in a chosen view.
class IDisplayFolderOption {
public:
    virtual ~IDisplayFolderOption() = default;
    /// Shows the folder in the given view.
    virtual void SetDisplayFolderOption(TDisplayFolderOption option) = 0;
};

} // namespace qz8

#define IDisplayFolderOption_iid "qz8.IDisplayFolderOption"
Q_DECLARE_INTERFACE(qz8::IDisplayFolderOption, IDisplayFolderOption_iid)

namespace qz8 {

/// A dialog of the suite's own that keeps a folder-display option.
template <class Dialog>
class TForceViewDialog : public Dialog, public IDisplayFolderOption {
public:
    /// The constructors of Dialog.
    using Dialog::Dialog;
    ///@{
    /// The view the dialog shows its folder in.
    TDisplayFolderOption DisplayFolderOption() const { return fOption; }
    /// Sets the view the dialog shows its folder in.
    void SetDisplayFolderOption(TDisplayFolderOption option) override { fOption = option; }
    ///@}

private:
    TDisplayFolderOption fOption = dfo_Default;
};

/// The open dialog of the suite with a folder-display option.
class QZ8_EXPORT TForceViewOpenFileDialog : public TForceViewDialog<TOpenDialog> {
    Q_OBJECT
    Q_INTERFACES(qz8::IDisplayFolderOption)
public:
    /// The constructors of TForceViewDialog<TOpenDialog>.
    using TForceViewDialog<TOpenDialog>::TForceViewDialog;
};

/// The save dialog of the suite with a folder-display option.
class QZ8_EXPORT TForceViewSaveFileDialog : public TForceViewDialog<TSaveDialog> {
    Q_OBJECT
    Q_INTERFACES(qz8::IDisplayFolderOption)
public:
    /// The constructors of TForceViewDialog<TSaveDialog>.
    using TForceViewDialog<TSaveDialog>::TForceViewDialog;
};

} // namespace qz8
