// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "controls/FileFolderOpenDlgU.h"
#include "controls/FileFolderOpenDlgU_p.h"
#include "external/Tool_tables.h"
#include "platform/PathCheck_p.h"
#include "toolkit/StdCtrls.h"

#include <QAction>
#include <QCompleter>
#include <QEvent>
#include <QFileSystemModel>
#include <QStyle>
#include <memory>

namespace qz8 {

QString ChosenFolderOrFile(const QString& title, const QString& okLabel, const QString& suggested, bool folderOnly,
                           QWidget* parent)
{
    // Made for this call and freed on every way out.
    const auto dialog = std::make_unique<TFileOpenDialog>();
    dialog->SetTitle(title);
    unsigned options = FileDialogOptionBit(fdoForceFileSystem) | FileDialogOptionBit(fdoAllowMultiSelect) |
                       FileDialogOptionBit(fdoCreatePrompt);
    if (folderOnly) {
        options |= FileDialogOptionBit(fdoPickFolders);
        options &= ~FileDialogOptionBit(fdoAllowMultiSelect);
    } else {
        for (const TFileTypeRec& rec : {TXT_FileTypes(), XML_Filetypes(), All_FileTypes()})
            dialog->FileTypes().push_back({rec.DisplayName, rec.FileMask});
    }
    dialog->SetOptions(options);
    dialog->SetOkButtonLabel(okLabel);
    dialog->SetDefaultFolder(suggested);
    dialog->SetFileName(suggested);
    if (!dialog->Execute(parent))
        return {};
    return dialog->FileName();
}

namespace {

// The folder part of a path being typed ("/" for a path at the root).
QString FolderBeingTyped(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (slash < 0)
        return {};
    return slash == 0 ? path.left(1) : path.left(slash);
}

} // namespace

QIcon ChooserGlyph()
{
    static const QIcon glyph = [] {
        QPixmap pix(QStringLiteral(":/qz8/IMG_1.bmp"));
        if (pix.isNull())
            return QIcon();
        pix.setMask(pix.createMaskFromColor(QColor(128, 128, 0)));
        return QIcon(pix);
    }();
    return glyph;
}

TMyOpenFolderDialog::TMyOpenFolderDialog(QWidget* parent)
    : TAdvEditBtn(parent), d(std::make_unique<TMyOpenFolderDialogPrivate>())
{
    SetGlyph(ChooserGlyph());
    d->fModel = new QFileSystemModel(this);
    d->fModel->setRootPath(QString());
    d->fCompleter = new QCompleter(d->fModel, this);
    d->fCompleter->setCompletionMode(QCompleter::PopupCompletion);
#ifdef Q_OS_WIN
    d->fCompleter->setCaseSensitivity(Qt::CaseInsensitive);
#endif
    setCompleter(d->fCompleter);
    UpdateCompleterFilter();
    d->fMissingMark = addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning), QLineEdit::LeadingPosition);
    d->fMissingMark->setVisible(false);
    TranslateTexts();
    NameButton(); // this class's purpose (the base's constructor named it "Browse")
    // The path is checked off the GUI thread: a mount that stops answering
    // must not freeze the window at a keystroke. The mark follows the answer.
    d->fExistence = new TPathExistence(this);
    connect(d->fExistence, &TPathExistence::answered, this, [this](const QString& path, bool exists) {
        if (path == text())
            SetPathMissing(!exists);
    });
    connect(this, &QLineEdit::textChanged, this, [this](const QString& path) {
        if (path.isEmpty())
            SetPathMissing(false);
        else
            d->fExistence->Check(path);
        Q_EMIT folderOrFileChanged(path);
    });
    // The model reads a folder only when asked for it: ask for the folder
    // being typed in, so its entries are there to complete from. The model
    // looks the folder up on this thread, so only a folder that answered on
    // a thread of its own is asked for.
    d->fFolderExistence = new TPathExistence(this);
    connect(d->fFolderExistence, &TPathExistence::answered, this, [this](const QString& folder, bool exists) {
        if (exists && folder == FolderBeingTyped(text()))
            d->fModel->index(folder);
    });
    connect(this, &QLineEdit::textEdited, this, [this](const QString& path) {
        const QString folder = FolderBeingTyped(path);
        if (!folder.isEmpty())
            d->fFolderExistence->Check(folder);
    });
}

TMyOpenFolderDialog::~TMyOpenFolderDialog() = default;

void TMyOpenFolderDialog::UpdateCompleterFilter()
{
    d->fModel->setFilter(d->fOnlyFolderAllowed ? QDir::Dirs | QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot
                                               : QDir::AllEntries | QDir::Drives | QDir::NoDotAndDotDot);
}

bool TMyOpenFolderDialog::PathCheckPending() const { return d->fExistence->Pending(); }

void TMyOpenFolderDialog::SetPathMissing(bool missing)
{
    if (missing == d->fPathMissing)
        return;
    d->fPathMissing = missing;
    d->fMissingMark->setVisible(missing);
    // The description changes with it, which assistive technology announces.
    TranslateTexts();
    Q_EMIT pathMissingChanged(missing);
}

void TMyOpenFolderDialog::TranslateTexts()
{
    d->fMissingMark->setToolTip(tr("This path does not exist."));
    d->fMissingMark->setText(tr("The path does not exist.")); // its name for screen readers
    setAccessibleDescription(d->fPathMissing ? tr("The path does not exist.") : QString());
}

void TMyOpenFolderDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        TranslateTexts();
    TAdvEditBtn::changeEvent(event);
}

void TMyOpenFolderDialog::SetOnlyFolderAllowed(bool Value)
{
    const bool changed = d->fOnlyFolderAllowed != Value;
    d->fOnlyFolderAllowed = Value;
    if (Value && !IsLoading(this) && !text().isEmpty()) {
        // Only a regular file (links followed) is cut to its folder; a
        // folder, a device, a socket or a missing path stays as it is. The
        // answer comes from the path pool: at once, or later for a slow
        // mount (then only if text and mode are still the same), or never
        // for a dead one.
        const QString path = text();
        const auto cut = [this, path](TPathKind kind) {
            if (kind != TPathKind::File || !d->fOnlyFolderAllowed || text() != path)
                return;
            const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
            if (slash >= 0)
                setText(path.left(slash + 1));
        };
        const TPathKind kind = PathKindWithin(path, kGuiPathWaitMs);
        if (kind == TPathKind::Unknown)
            AskPathKind(this, path, cut);
        else
            cut(kind);
    }
    UpdateCompleterFilter();
    NameButton();
    if (changed)
        Q_EMIT onlyFolderAllowedChanged(Value);
}

QString TMyOpenFolderDialog::ButtonPurpose() const
{
    return d->fOnlyFolderAllowed ? _QZSelectFolder() : _QZSelectFiles();
}

bool TMyOpenFolderDialog::ChosenExistingFileOrFolder(const QString& suggested)
{
    const QString title = d->fOnlyFolderAllowed ? _QZSelectFolder() : _QZSelectFiles();
    QPointer<TMyOpenFolderDialog> self(this);
    const QString chosen = ChosenFolderOrFile(title, _QZSelect(), suggested, d->fOnlyFolderAllowed, window());
    // The dialog's loop may have freed the chooser.
    if (!self || chosen.isEmpty())
        return false;
    d->ffolderOrFile = chosen;
    return true;
}

void TMyOpenFolderDialog::BtnClick()
{
    QPointer<TMyOpenFolderDialog> self(this);
    TAdvEditBtn::BtnClick();
    if (!self)
        return;
    if (OnButtonPressing)
        OnButtonPressing(this);
    if (!self || !ChosenExistingFileOrFolder(text()) || !self)
        return;
    setText(d->ffolderOrFile);
    if (OnFolderChosen)
        OnFolderChosen(this);
    if (self)
        Q_EMIT folderChosen(d->ffolderOrFile);
}

TAdvOfficeCheckBox* TMyOpenFolderDialog::LinkedCheckbox() const { return d->fLinkedCheckbox; }

void TMyOpenFolderDialog::SetLinkedCheckbox(TAdvOfficeCheckBox* Value) { d->fLinkedCheckbox = Value; }

bool TMyOpenFolderDialog::OnlyFolderAllowed() const { return d->fOnlyFolderAllowed; }

QString TMyOpenFolderDialog::FolderOrFileChosen() const { return d->ffolderOrFile; }

bool TMyOpenFolderDialog::PathMissing() const { return d->fPathMissing; }

QCompleter* TMyOpenFolderDialog::PathCompleter() const { return d->fCompleter; }

TMyOpenFileDialog::TMyOpenFileDialog(QWidget* parent)
    : TMyOpenFolderDialog(parent), d(std::make_unique<TMyOpenFileDialogPrivate>())
{ }

TMyOpenFileDialog::~TMyOpenFileDialog() = default;

} // namespace qz8
