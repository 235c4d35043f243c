// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/Dialogs.h"
#include "platform/PathCheck_p.h"
#include "toolkit/Types.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QPointer>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <algorithm>
#include <optional>

namespace qz8 {

std::function<bool(TOpenDialog&)> TOpenDialog::ExecuteHook;
std::function<bool(TCustomFileDialog&)> TCustomFileDialog::ExecuteHook;

namespace {

const bool registered = [] {
    RegisterGlobalReset([] {
        TOpenDialog::ExecuteHook = nullptr;
        TCustomFileDialog::ExecuteHook = nullptr;
    });
    return true;
}();

// The characters Qt takes as patterns from a name filter's bracket group
// (QPlatformFileDialogHelper's filter expression), a blank excepted: it
// separates patterns.
bool QtReadsPattern(const QString& pattern)
{
    static const QString allowed = QStringLiteral("_.,*?+;#-[]@{}/!<>$%&=^~:|");
    return !pattern.isEmpty() && std::all_of(pattern.begin(), pattern.end(), [](QChar c) {
        return c.unicode() < 128 && (c.isLetterOrNumber() || allowed.contains(c));
    });
}

QStringList SplitMasks(const QString& masks)
{
    QStringList patterns;
    for (const QString& p : masks.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!p.trimmed().isEmpty())
            patterns << p.trimmed();
    }
    return patterns;
}

// A description's last bracket group when it is nothing but the masks again
// ("Text files (*.txt)" for "*.txt"), in any order and separation.
bool EndsWithItsMasks(const QString& description, const QStringList& patterns)
{
    if (!description.endsWith(QLatin1Char(')')))
        return false;
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (open < 0)
        return false;
    static const QRegularExpression separators(QStringLiteral("[;,\\s]+"));
    QStringList inside = description.mid(open + 1, description.size() - open - 2).split(separators, Qt::SkipEmptyParts);
    QStringList masks = patterns;
    inside.sort(Qt::CaseInsensitive);
    masks.sort(Qt::CaseInsensitive);
    return inside.join(QLatin1Char(' ')).compare(masks.join(QLatin1Char(' ')), Qt::CaseInsensitive) == 0;
}

std::optional<TNameFilter> NameFilter(QString description, const QString& masks)
{
    TNameFilter f;
    f.Patterns = SplitMasks(masks);
    if (f.Patterns.isEmpty())
        return std::nullopt;
    f.QtReadsPatterns = std::all_of(f.Patterns.begin(), f.Patterns.end(), QtReadsPattern);
    const QString joined = f.Patterns.join(QLatin1Char(' '));
    // One line: Qt's reading of a filter stops at a line break, and a
    // filter list shows one line an entry.
    for (QChar& c : description) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    description = description.trimmed();
    if (EndsWithItsMasks(description, f.Patterns))
        description = description.left(description.lastIndexOf(QLatin1Char('('))).trimmed();
    f.Text = description.isEmpty() ? joined : description + QStringLiteral(" (") + joined + QLatin1Char(')');
    // Without a description a single pattern without blanks is read whole.
    if (description.isEmpty() && f.Patterns.size() == 1 && !joined.contains(QLatin1Char(' ')) &&
        !joined.contains(QLatin1Char('(')))
        f.QtReadsPatterns = true;
    return f;
}

// Matches the files of a dialog by the selected entry's own patterns, for
// dialogs with entries Qt would read otherwise; folders always show. The
// dialog's model keeps files that fail Qt's reading (disabled, not
// dropped), so the proxy sees every file.
class TExactNameFilterProxy : public QSortFilterProxyModel {
public:
    TExactNameFilterProxy(QFileDialog* dialog, std::vector<TNameFilter> entries)
        : QSortFilterProxyModel(dialog), fDialog(dialog), fEntries(std::move(entries))
    { }

    // After the dialog's selected entry changed.
    void Refresh()
    {
        fPatterns.clear();
        const QString selected = fDialog->selectedNameFilter();
        for (const TNameFilter& f : fEntries) {
            if (f.Text != selected)
                continue;
            for (const QString& p : f.Patterns)
                fPatterns << QRegularExpression(QRegularExpression::wildcardToRegularExpression(p),
                                                QRegularExpression::CaseInsensitiveOption);
            break;
        }
        if (auto* fs = qobject_cast<QFileSystemModel*>(sourceModel()))
            fs->setNameFilterDisables(true);
        invalidateFilter();
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        // Qt's reading of the entry disabled the file; its own patterns passed it.
        return QSortFilterProxyModel::flags(index) | Qt::ItemIsEnabled;
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        auto* fs = qobject_cast<QFileSystemModel*>(sourceModel());
        if (!fs)
            return true;
        const QModelIndex index = fs->index(row, 0, parent);
        if (fs->isDir(index) || fPatterns.isEmpty())
            return true;
        const QString name = fs->fileName(index);
        return std::any_of(fPatterns.begin(), fPatterns.end(),
                           [&](const QRegularExpression& r) { return r.match(name).hasMatch(); });
    }

private:
    QFileDialog* fDialog; // the parent
    const std::vector<TNameFilter> fEntries;
    QList<QRegularExpression> fPatterns;
};

// Gives a dialog its entries and selects one (1-based; 0 for the first).
// Where Qt would read an entry's text into other patterns, the dialog
// matches by the entries' own patterns instead.
void ApplyNameFilters(QFileDialog& dialog, const std::vector<TNameFilter>& entries, int select)
{
    if (entries.empty())
        return;
    QStringList texts;
    for (const TNameFilter& f : entries)
        texts << f.Text;
    dialog.setNameFilters(texts);
    if (select >= 1 && select <= texts.size())
        dialog.selectNameFilter(texts[select - 1]);
    if (std::all_of(entries.begin(), entries.end(), [](const TNameFilter& f) { return f.QtReadsPatterns; }))
        return;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    auto* proxy = new TExactNameFilterProxy(&dialog, entries);
    dialog.setProxyModel(proxy);
    QObject::connect(&dialog, &QFileDialog::filterSelected, proxy, [proxy] { proxy->Refresh(); });
    proxy->Refresh();
}

// The folder a dialog starts in: the path itself when it is a folder, else
// its folder part; none where the path's mount does not answer (the dialog
// would read the folder on the GUI thread, and hang with it).
QString StartFolder(const QString& path)
{
    if (path.isEmpty())
        return {};
    const TPathKind kind = PathKindWithin(path, kGuiPathWaitMs);
    if (kind == TPathKind::Unknown)
        return {};
    const QFileInfo info(path); // its text only
    return kind == TPathKind::Folder ? info.absoluteFilePath() : info.absolutePath();
}

// A path a dialog may be handed: one whose mount answers.
bool Answers(const QString& path) { return PathKindWithin(path, kGuiPathWaitMs) != TPathKind::Unknown; }

// Shows a configured dialog; the chosen items, or none when the user
// cancelled or the owner was freed while the dialog ran.
QStringList RunQtDialog(QFileDialog& dialog, const QPointer<QObject>& owner)
{
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (!owner || !accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace

std::vector<TNameFilter> FileDialogFilterEntries(const QString& filter)
{
    (void)registered;
    std::vector<TNameFilter> out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (auto f = NameFilter(parts[i], parts[i + 1]))
            out.push_back(std::move(*f));
    }
    return out;
}

QStringList FileDialogNameFilters(const QString& filter)
{
    QStringList out;
    for (const TNameFilter& f : FileDialogFilterEntries(filter))
        out << f.Text;
    return out;
}

TOpenDialog::TOpenDialog(QObject* owner) : QObject(owner) { }

std::unique_ptr<QFileDialog> TOpenDialog::MakeQtDialog(QWidget* parent) const
{
    auto dialog = std::make_unique<QFileDialog>(parent, fTitle);
    dialog->setAcceptMode(IsSaveDialog() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!IsSaveDialog())
        dialog->setFileMode((fOptions & OpenOptionBit(ofAllowMultiSelect)) ? QFileDialog::ExistingFiles
                                                                           : QFileDialog::ExistingFile);
    ApplyNameFilters(*dialog, FileDialogFilterEntries(fFilter), fFilterIndex);
    if (!fInitialDir.isEmpty() && Answers(fInitialDir))
        dialog->setDirectory(fInitialDir);
    dialog->setDefaultSuffix(fDefaultExt);
    if (!fFileName.isEmpty() && Answers(fFileName))
        dialog->selectFile(fFileName);
    return dialog;
}

bool TOpenDialog::Execute(QWidget* parent)
{
    if (ExecuteHook)
        return ExecuteHook(*this);
    QPointer<TOpenDialog> self(this);
    const std::unique_ptr<QFileDialog> dialog = MakeQtDialog(parent);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!self || !accepted)
        return false; // freed while the dialog ran, or cancelled
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty())
        return false;
    fFiles.Clear();
    for (const QString& f : chosen)
        fFiles.Add(f);
    fFileName = chosen.first();
    const int index = static_cast<int>(dialog->nameFilters().indexOf(dialog->selectedNameFilter()));
    if (index >= 0)
        fFilterIndex = index + 1;
    return true;
}

TCustomFileDialog::TCustomFileDialog(QObject* owner) : QObject(owner) { }

void TCustomFileDialog::SetFiles(const QStringList& files)
{
    fFiles = files;
    fFileName = files.isEmpty() ? QString() : files.first();
}

std::unique_ptr<QFileDialog> TCustomFileDialog::MakeQtDialog(QWidget* parent) const
{
    auto dialog = std::make_unique<QFileDialog>(parent, fTitle);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    if (HasOption(fdoPickFolders)) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly, true);
    } else {
        dialog->setFileMode(HasOption(fdoAllowMultiSelect) ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        std::vector<TNameFilter> entries;
        for (const TFileTypeItem& t : fFileTypes) {
            if (auto f = NameFilter(t.DisplayName, t.FileMask))
                entries.push_back(std::move(*f));
        }
        ApplyNameFilters(*dialog, entries, 0);
    }
    if (!fOkButtonLabel.isEmpty())
        dialog->setLabelText(QFileDialog::Accept, fOkButtonLabel);
    const QString start = StartFolder(fDefaultFolder);
    if (!start.isEmpty())
        dialog->setDirectory(start);
    QString ext = fDefaultExtension;
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    dialog->setDefaultSuffix(ext);
    // In folder mode the suggested folder is the selection itself.
    if (!fFileName.isEmpty() && Answers(fFileName))
        dialog->selectFile(HasOption(fdoPickFolders) ? QFileInfo(fFileName).absoluteFilePath() : fFileName);
    return dialog;
}

bool TCustomFileDialog::Execute(QWidget* parent)
{
    if (ExecuteHook)
        return ExecuteHook(*this);
    const std::unique_ptr<QFileDialog> dialog = MakeQtDialog(parent);
    const QStringList chosen = RunQtDialog(*dialog, this);
    if (chosen.isEmpty())
        return false;
    SetFiles(chosen);
    return true;
}

} // namespace qz8
