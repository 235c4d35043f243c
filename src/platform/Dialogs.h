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
#include "platform/Strings.h"
#include "qz8_export.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QFileDialog;
class QWidget;

namespace qz8 {

// One entry of a filter as a dialog shows and applies it: the text in the
// dialog's filter list and the patterns files are matched by (exactly the
// entry's masks).
struct QZ8_EXPORT TNameFilter {
    QString Text;
    QStringList Patterns;
    // Whether Qt reads Text into exactly Patterns. Qt splits a name filter
    // at blanks and takes only ASCII patterns from its bracket group, so a
    // mask with a blank, a bracket or a non-ASCII letter is not; the
    // library's dialogs then match such entries by Patterns themselves.
    bool QtReadsPatterns = true;
};

// "Text files (*.txt)|*.txt|All files (*.*)|*.*|" as dialog entries:
// "Text files (*.txt)", "All files (*.*)". A description that ends with its
// own masks in brackets is not repeated; any other bracket group of the
// description is its own text and stays. Masks separated by ";" become the
// patterns. An entry without a mask list, or empty masks, is dropped.
QZ8_EXPORT std::vector<TNameFilter> FileDialogFilterEntries(const QString& filter);
// The texts of FileDialogFilterEntries: Qt's name filters.
QZ8_EXPORT QStringList FileDialogNameFilters(const QString& filter);

// Open-dialog options: bit numbers of the option set.
enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect
};
constexpr unsigned OpenOptionBit(TOpenOption o) { return 1u << static_cast<unsigned>(o); }

// A control that takes a starting folder from its window: a folder edit
// shows it, a file edit starts its dialog there.
class IInitialFolder {
public:
    virtual ~IInitialFolder() = default;
    virtual void TakeInitialFolder(const QString& folder) = 0;
};

class QZ8_EXPORT TOpenDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    Q_PROPERTY(int FilterIndex READ FilterIndex WRITE SetFilterIndex)
    Q_PROPERTY(QString InitialDir READ InitialDir WRITE SetInitialDir)
    Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE SetDefaultExt)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
public:
    explicit TOpenDialog(QObject* owner = nullptr);

    QString Filter() const { return fFilter; }
    void SetFilter(const QString& filter) { fFilter = filter; }
    // 1-based, as the filter's entries are counted.
    int FilterIndex() const { return fFilterIndex; }
    void SetFilterIndex(int index) { fFilterIndex = index; }
    QString InitialDir() const { return fInitialDir; }
    void SetInitialDir(const QString& dir) { fInitialDir = dir; }
    // Without its dot ("txt").
    QString DefaultExt() const { return fDefaultExt; }
    void SetDefaultExt(const QString& ext) { fDefaultExt = ext; }
    QString FileName() const { return fFileName; }
    void SetFileName(const QString& name) { fFileName = name; }
    QString Title() const { return fTitle; }
    void SetTitle(const QString& title) { fTitle = title; }
    // Open options (ofAllowMultiSelect and the rest: bit numbers).
    unsigned Options() const { return fOptions; }
    void SetOptions(unsigned options) { fOptions = options; }
    TStringList& Files() { return fFiles; }

    virtual bool IsSaveDialog() const { return false; }
    // The Qt dialog this dialog shows, configured and not yet shown.
    std::unique_ptr<QFileDialog> MakeQtDialog(QWidget* parent = nullptr) const;
    // Shows the dialog; true when the user chose (FileName and Files hold
    // the choice).
    bool Execute(QWidget* parent = nullptr);

    // Answers Execute for the user when set (tests, scripted tools).
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

class QZ8_EXPORT TSaveDialog : public TOpenDialog {
    Q_OBJECT
public:
    using TOpenDialog::TOpenDialog;
    bool IsSaveDialog() const override { return true; }
};

// One entry of a modern dialog's file-type list.
struct TFileTypeItem {
    QString DisplayName;
    QString FileMask;
};

enum TFileDialogOption : std::uint8_t { fdoPickFolders, fdoForceFileSystem, fdoAllowMultiSelect, fdoCreatePrompt };
constexpr unsigned FileDialogOptionBit(TFileDialogOption o) { return 1u << static_cast<unsigned>(o); }

class QZ8_EXPORT TCustomFileDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QString OkButtonLabel READ OkButtonLabel WRITE SetOkButtonLabel)
    Q_PROPERTY(QString DefaultFolder READ DefaultFolder WRITE SetDefaultFolder)
    Q_PROPERTY(QString DefaultExtension READ DefaultExtension WRITE SetDefaultExtension)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
public:
    explicit TCustomFileDialog(QObject* owner = nullptr);

    std::vector<TFileTypeItem>& FileTypes() { return fFileTypes; }
    const std::vector<TFileTypeItem>& FileTypes() const { return fFileTypes; }
    QString Title() const { return fTitle; }
    void SetTitle(const QString& title) { fTitle = title; }
    QString OkButtonLabel() const { return fOkButtonLabel; }
    void SetOkButtonLabel(const QString& label) { fOkButtonLabel = label; }
    QString DefaultFolder() const { return fDefaultFolder; }
    void SetDefaultFolder(const QString& folder) { fDefaultFolder = folder; }
    QString DefaultExtension() const { return fDefaultExtension; }
    void SetDefaultExtension(const QString& ext) { fDefaultExtension = ext; }
    QString FileName() const { return fFileName; }
    void SetFileName(const QString& name) { fFileName = name; }
    // TFileDialogOption bits.
    unsigned Options() const { return fOptions; }
    void SetOptions(unsigned options) { fOptions = options; }
    bool HasOption(TFileDialogOption o) const { return fOptions & FileDialogOptionBit(o); }
    // Every chosen item (one unless multiple selection is on).
    QStringList Files() const { return fFiles; }
    void SetFiles(const QStringList& files);

    std::unique_ptr<QFileDialog> MakeQtDialog(QWidget* parent = nullptr) const;
    bool Execute(QWidget* parent = nullptr);

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
    using TCustomFileDialog::TCustomFileDialog;
};

} // namespace qz8

#define IInitialFolder_iid "qz8.IInitialFolder"
Q_DECLARE_INTERFACE(qz8::IInitialFolder, IInitialFolder_iid)
