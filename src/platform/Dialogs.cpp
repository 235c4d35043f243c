#include "platform/Dialogs.h"
#include "platform/Types.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>

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

// A name filter from a description and its masks.
QString NameFilter(QString description, const QString& masks)
{
    QStringList patterns = masks.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns)
        p = p.trimmed();
    patterns.removeAll(QString());
    if (patterns.isEmpty())
        return {};
    const QString joined = patterns.join(QLatin1Char(' '));
    description = description.trimmed();
    // The description repeats its masks in brackets: Qt reads the patterns
    // from the last bracket group, so that group becomes the real masks.
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (open >= 0 && description.endsWith(QLatin1Char(')')))
        description = description.left(open).trimmed();
    if (description.isEmpty())
        return joined;
    return description + QStringLiteral(" (") + joined + QLatin1Char(')');
}

// The folder a dialog starts in: the path itself when it is a folder, else
// its folder part.
QString StartFolder(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    return info.isDir() ? info.absoluteFilePath() : info.absolutePath();
}

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

QStringList FileDialogNameFilters(const QString& filter)
{
    (void)registered;
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString f = NameFilter(parts[i], parts[i + 1]);
        if (!f.isEmpty())
            out.append(f);
    }
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
    const QStringList filters = FileDialogNameFilters(fFilter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        if (fFilterIndex >= 1 && fFilterIndex <= filters.size())
            dialog->selectNameFilter(filters[fFilterIndex - 1]);
    }
    if (!fInitialDir.isEmpty())
        dialog->setDirectory(fInitialDir);
    dialog->setDefaultSuffix(fDefaultExt);
    if (!fFileName.isEmpty())
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
        QStringList filters;
        for (const TFileTypeItem& t : fFileTypes) {
            const QString f = NameFilter(t.DisplayName, t.FileMask);
            if (!f.isEmpty())
                filters.append(f);
        }
        if (!filters.isEmpty())
            dialog->setNameFilters(filters);
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
    if (!fFileName.isEmpty())
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
