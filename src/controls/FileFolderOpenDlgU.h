// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The folder and file chooser: a one-line edit with a button that opens the
// file dialog at the path in the edit and puts the chosen path into it.
//
// Beyond the button, the edit completes paths as the user types (folders
// only in folder mode) and marks a path that does not exist, for the eye and
// for assistive technology.
#include "../external/TmsControls.h"
#include "../qz8_export.h"
#include "../toolkit/Dialogs.h"

#include <QIcon>
#include <QPointer>
#include <functional>
#include <memory>

class QCompleter;
class QFileSystemModel;

namespace qz8 {

class TPathExistence;

/// Shows the modern open dialog (a TFileOpenDialog made for the call) and
/// returns the chosen path, or an empty text when nothing was chosen. In
/// folder mode one folder may be picked; in file mode the file types are
/// text, XML and all files, in that order, and several files may be chosen
/// (the first is returned). TCustomFileDialog::ExecuteHook answers it
/// without a modal loop.
QZ8_EXPORT QString ChosenFolderOrFile(const QString& title, const QString& okLabel, const QString& suggested,
                                      bool folderOnly, QWidget* parent = nullptr);

/// The button's glyph: the "IMG_1" bitmap with its olive made transparent.
QZ8_EXPORT QIcon ChooserGlyph();

class TMyOpenFolderDialogPrivate;
/// The folder and file chooser: a one-line edit with a button that opens the file dialog at the path in the edit and
/// puts the chosen path into it. The edit completes paths as the user types (folders only in folder mode) and marks a
/// path that does not exist, for the eye and for assistive technology.
///
/// \image html gallery-chooser-dialog-de.png "The chooser and its dialog (German)"
class QZ8_EXPORT TMyOpenFolderDialog : public TAdvEditBtn, public IInitialFolder {
    Q_OBJECT
    Q_INTERFACES(qz8::IInitialFolder)
    /// A check box that the chooser's state goes with (see LinkedCheckbox()).
    Q_PROPERTY(qz8::TAdvOfficeCheckBox* LinkedCheckbox READ LinkedCheckbox WRITE SetLinkedCheckbox DESIGNABLE false)
    /// The path in the edit (see GetText()).
    Q_PROPERTY(QString FolderOrFile READ GetText WRITE SetText NOTIFY folderOrFileChanged USER true)
    /// Whether only folders can be chosen (see OnlyFolderAllowed()).
    Q_PROPERTY(bool OnlyFolderAllowed READ OnlyFolderAllowed WRITE SetOnlyFolderAllowed NOTIFY onlyFolderAllowedChanged)
    /// Whether the path in the edit does not exist (see PathMissing()).
    Q_PROPERTY(bool PathMissing READ PathMissing NOTIFY pathMissingChanged)
public:
    /// A chooser in folder mode; a parent takes ownership.
    explicit TMyOpenFolderDialog(QWidget* parent = nullptr);
    ~TMyOpenFolderDialog() override;

    ///@{
    /// A check box that the chooser's state goes with, kept for the tool.
    TAdvOfficeCheckBox* LinkedCheckbox() const;
    void SetLinkedCheckbox(TAdvOfficeCheckBox* Value);
    ///@}
    ///@{
    /// The path in the edit.
    QString GetText() const { return text(); }
    void SetText(const QString& Value) { setText(Value); }
    /// SetText under the name uic calls.
    void setFolderOrFile(const QString& Value) { SetText(Value); }
    ///@}
    /// Whether only folders can be chosen (true by default).
    bool OnlyFolderAllowed() const;
    /// Folder mode on cuts the path of an existing file to its folder (not
    /// while the window is loading); file mode leaves the text alone.
    void SetOnlyFolderAllowed(bool Value);
    /// SetOnlyFolderAllowed under the name uic calls.
    void setOnlyFolderAllowed(bool Value) { SetOnlyFolderAllowed(Value); }
    /// The path of the last successful choice.
    QString FolderOrFileChosen() const;
    /// True when the edit holds a path that does not exist. The path is
    /// checked on a thread of its own (a dead mount never freezes the
    /// window), so the mark follows a change of the text a little later.
    bool PathMissing() const;
    /// True while the check of the current text has not answered.
    bool PathCheckPending() const;

    /// Opens the chooser for the current mode at suggested; on a choice keeps
    /// the path (FolderOrFileChosen) and answers true. The text stays.
    bool ChosenExistingFileOrFolder(const QString& suggested);
    void BtnClick() override;
    /// The button chooses a folder or a file, as the mode says.
    QString ButtonPurpose() const override;
    void TakeInitialFolder(const QString& folder) override { SetText(folder); }

    /// The completer of paths that the edit uses.
    QCompleter* PathCompleter() const;

    /// Called when the button is pressed, before the dialog opens.
    std::function<void(QObject* Sender)> OnButtonPressing;
    /// Called after a choice was put into the edit.
    std::function<void(QObject* Sender)> OnFolderChosen;

Q_SIGNALS:
    /// The path in the edit changed.
    void folderOrFileChanged(const QString& path);
    /// The mode changed.
    void onlyFolderAllowedChanged(bool onlyFolders);
    /// The missing-path mark came or went.
    void pathMissingChanged(bool missing);
    /// A path was chosen with the dialog.
    void folderChosen(const QString& path);

protected:
    /// The missing-path mark's texts follow a change of language.
    void changeEvent(QEvent* event) override;

private:
    void UpdateCompleterFilter();
    void TranslateTexts();
    void SetPathMissing(bool missing);

    std::unique_ptr<TMyOpenFolderDialogPrivate> const d;
};

class TMyOpenFileDialogPrivate;
/// The same control for file choosing; set OnlyFolderAllowed to false.
///
/// \image html gallery-chooser-dialog-de.png "The chooser and its dialog (German)"
class QZ8_EXPORT TMyOpenFileDialog : public TMyOpenFolderDialog {
    Q_OBJECT
public:
    /// A chooser in folder mode, as TMyOpenFolderDialog's; a parent takes ownership.
    explicit TMyOpenFileDialog(QWidget* parent = nullptr);
    ~TMyOpenFileDialog() override;

private:
    std::unique_ptr<TMyOpenFileDialogPrivate> const d; // room for the state of later releases
};

} // namespace qz8
