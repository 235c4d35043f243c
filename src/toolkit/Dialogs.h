// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The platform's file dialogs on Qt's QFileDialog.
//
// TOpenDialog and TSaveDialog take a filter string of description and mask
// pairs ("Text files (*.txt)|*.txt|"); FileDialogNameFilters turns it into
// the name filters Qt's dialogs show. TCustomFileDialog is the modern dialog
// with a list of file types, folder picking and a confirm-button caption.
//
// Every Execute can be answered without a modal loop: a process-wide hook,
// when set, receives the configured dialog and answers for the user.
#include "../qz8_export.h"
#include "../store/Strings.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QFileDialog;
class QWidget;

namespace qz8 {

/// One entry of a filter as a dialog shows and applies it: the text in the
/// dialog's filter list and the patterns files are matched by (exactly the
/// entry's masks).
struct QZ8_EXPORT TNameFilter {
    QString Text; ///< The entry as the dialog lists it: "Text files (*.txt)".
    QStringList Patterns; ///< The masks files are matched by: "*.txt".
    /// Whether Qt reads Text into exactly Patterns. Qt splits a name filter
    /// at blanks and takes only ASCII patterns from its bracket group, so a
    /// mask with a blank, a bracket or a non-ASCII letter is not; the
    /// library's dialogs then match such entries by Patterns themselves.
    bool QtReadsPatterns = true;
};

/// "Text files (*.txt)|*.txt|All files (*.*)|*.*|" as dialog entries:
/// "Text files (*.txt)", "All files (*.*)". A description that ends with its
/// own masks in brackets is not repeated; any other bracket group of the
/// description is its own text and stays. Masks separated by ";" become the
/// patterns. An entry without a mask list, or empty masks, is dropped.
QZ8_EXPORT std::vector<TNameFilter> FileDialogFilterEntries(const QString& filter);
/// The texts of FileDialogFilterEntries: Qt's name filters.
QZ8_EXPORT QStringList FileDialogNameFilters(const QString& filter);

/// Open-dialog options: bit numbers of the option set.
enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect
};
/// The bit of an open option in an option set.
constexpr unsigned OpenOptionBit(TOpenOption o) { return 1u << static_cast<unsigned>(o); }

/// A control that takes a starting folder from its window: a folder edit
/// shows it, a file edit starts its dialog there.
class IInitialFolder {
public:
    virtual ~IInitialFolder() = default;
    /// Takes the window's starting folder.
    virtual void TakeInitialFolder(const QString& folder) = 0;
};

/// The platform's open dialog on QFileDialog: a filter string of description and mask pairs, a starting folder, a
/// default extension, and the chosen file or files.
class QZ8_EXPORT TOpenDialog : public QObject {
    Q_OBJECT
    /// The filter: "description|masks|" pairs.
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    /// The 1-based entry of the filter shown first.
    Q_PROPERTY(int FilterIndex READ FilterIndex WRITE SetFilterIndex)
    /// The folder the dialog starts in.
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
    /// The extension given to a typed name without one.
    Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE SetDefaultExt)
    /// The chosen file (or the suggested name before Execute).
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    /// The dialog's title.
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
public:
    /// An open dialog; an owner takes ownership.
    explicit TOpenDialog(QObject* owner = nullptr);

    ///@{
    /// The filter: "description|masks|" pairs ("Text files (*.txt)|*.txt|").
    QString Filter() const { return fFilter; }
    void SetFilter(const QString& filter) { fFilter = filter; }
    ///@}
    ///@{
    /// 1-based, as the filter's entries are counted.
    int FilterIndex() const { return fFilterIndex; }
    void SetFilterIndex(int index) { fFilterIndex = index; }
    ///@}
    ///@{
    /// The folder the dialog starts in (empty: the dialog's choice).
    QString InitialDir() const { return fInitialDir; }
    void SetInitialDir(const QString& dir) { fInitialDir = dir; }
    ///@}
    ///@{
    /// Without its dot ("txt").
    QString DefaultExt() const { return fDefaultExt; }
    void SetDefaultExt(const QString& ext) { fDefaultExt = ext; }
    ///@}
    ///@{
    /// The chosen file; before Execute, the name the dialog suggests.
    QString FileName() const { return fFileName; }
    void SetFileName(const QString& name) { fFileName = name; }
    ///@}
    ///@{
    /// The dialog's title (empty: Qt's).
    QString Title() const { return fTitle; }
    void SetTitle(const QString& title) { fTitle = title; }
    ///@}
    ///@{
    /// Open options (ofAllowMultiSelect and the rest: bit numbers).
    unsigned Options() const { return fOptions; }
    void SetOptions(unsigned options) { fOptions = options; }
    ///@}
    /// Every chosen file (several with ofAllowMultiSelect).
    TStringList& Files() { return fFiles; }

    /// True for a save dialog.
    virtual bool IsSaveDialog() const { return false; }
    /// The Qt dialog this dialog shows, configured and not yet shown.
    std::unique_ptr<QFileDialog> MakeQtDialog(QWidget* parent = nullptr) const;
    /// Shows the dialog; true when the user chose (FileName and Files hold
    /// the choice).
    bool Execute(QWidget* parent = nullptr);

    /// Answers Execute for the user when set (tests, scripted tools).
    static std::function<bool(TOpenDialog&)> ExecuteHook;

private:
    QString fFilter;
    int fFilterIndex = 1;
    QString fInitialDir;
    QString fDefaultExt;
    QString fFileName;
    QString fTitle;
    unsigned fOptions = 0;
    TStringList fFiles;
};

/// The platform's save dialog: an open dialog that asks for a file to write.
class QZ8_EXPORT TSaveDialog : public TOpenDialog {
    Q_OBJECT
public:
    /// The constructors of TOpenDialog.
    using TOpenDialog::TOpenDialog;
    bool IsSaveDialog() const override { return true; }
};

/// One entry of a modern dialog's file-type list.
struct TFileTypeItem {
    QString DisplayName; ///< The text of the entry ("Text files").
    QString FileMask; ///< Its masks, separated by ";" ("*.txt;*.text").
};

/// Options of the modern file dialog: bit numbers of its option set.
enum TFileDialogOption : std::uint8_t { fdoPickFolders, fdoForceFileSystem, fdoAllowMultiSelect, fdoCreatePrompt };
/// The bit of a modern-dialog option in an option set.
constexpr unsigned FileDialogOptionBit(TFileDialogOption o) { return 1u << static_cast<unsigned>(o); }

/// The modern file dialog: a list of file types, folder picking, several files, and a caption for its confirm button.
class QZ8_EXPORT TCustomFileDialog : public QObject {
    Q_OBJECT
    /// The dialog's title (see Title()).
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    /// The caption of the confirm button (see OkButtonLabel()).
    Q_PROPERTY(QString OkButtonLabel READ OkButtonLabel WRITE SetOkButtonLabel)
    /// The folder the dialog starts in (see DefaultFolder()).
    Q_PROPERTY(QString DefaultFolder READ DefaultFolder WRITE SetDefaultFolder)
    /// The extension given to a typed name without one (see DefaultExtension()).
    Q_PROPERTY(QString DefaultExtension READ DefaultExtension WRITE SetDefaultExtension)
    /// The chosen item (see FileName()).
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
public:
    /// A modern file dialog; an owner takes ownership.
    explicit TCustomFileDialog(QObject* owner = nullptr);

    ///@{
    /// The file types offered, in order; the first is chosen at the start.
    std::vector<TFileTypeItem>& FileTypes() { return fFileTypes; }
    const std::vector<TFileTypeItem>& FileTypes() const { return fFileTypes; }
    ///@}
    ///@{
    /// The dialog's title (empty: Qt's).
    QString Title() const { return fTitle; }
    void SetTitle(const QString& title) { fTitle = title; }
    ///@}
    ///@{
    /// The caption of the confirm button (empty: Qt's).
    QString OkButtonLabel() const { return fOkButtonLabel; }
    void SetOkButtonLabel(const QString& label) { fOkButtonLabel = label; }
    ///@}
    ///@{
    /// The folder the dialog starts in.
    QString DefaultFolder() const { return fDefaultFolder; }
    void SetDefaultFolder(const QString& folder) { fDefaultFolder = folder; }
    ///@}
    ///@{
    /// The extension given to a typed name without one, without its dot.
    QString DefaultExtension() const { return fDefaultExtension; }
    void SetDefaultExtension(const QString& ext) { fDefaultExtension = ext; }
    ///@}
    ///@{
    /// The chosen file or folder; before Execute, the name the dialog suggests.
    QString FileName() const { return fFileName; }
    void SetFileName(const QString& name) { fFileName = name; }
    ///@}
    ///@{
    /// TFileDialogOption bits.
    unsigned Options() const { return fOptions; }
    void SetOptions(unsigned options) { fOptions = options; }
    ///@}
    /// Whether an option is set.
    bool HasOption(TFileDialogOption o) const { return fOptions & FileDialogOptionBit(o); }
    ///@{
    /// Every chosen item (one unless multiple selection is on).
    QStringList Files() const { return fFiles; }
    void SetFiles(const QStringList& files);
    ///@}

    /// The Qt dialog this dialog shows, configured and not yet shown.
    std::unique_ptr<QFileDialog> MakeQtDialog(QWidget* parent = nullptr) const;
    /// Shows the dialog; true when the user chose (FileName and Files hold the choice).
    bool Execute(QWidget* parent = nullptr);

    /// Answers Execute for the user when set (tests, scripted tools).
    static std::function<bool(TCustomFileDialog&)> ExecuteHook;

private:
    std::vector<TFileTypeItem> fFileTypes;
    QString fTitle;
    QString fOkButtonLabel;
    QString fDefaultFolder;
    QString fDefaultExtension;
    QString fFileName;
    QStringList fFiles;
    unsigned fOptions = 0;
};

class QZ8_EXPORT TFileOpenDialog : public TCustomFileDialog {
    Q_OBJECT
public:
    /// The constructors of TCustomFileDialog.
    using TCustomFileDialog::TCustomFileDialog;
};

} // namespace qz8

#define IInitialFolder_iid "qz8.IInitialFolder"
Q_DECLARE_INTERFACE(qz8::IInitialFolder, IInitialFolder_iid)
