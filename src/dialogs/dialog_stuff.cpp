// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "dialogs/dialog_stuff.h"
#include "toolkit/Components.h"

#include <QCoreApplication>
#include <QWidget>
#include <array>

namespace qz8 {

namespace {

// A filter entry: the translated description with its masks in brackets,
// then the masks (shown as given, applied as masks).
QString Entry(const char* description, const QString& shown, const QString& masks)
{
    return QCoreApplication::translate("qz8", description) + QStringLiteral(" (") + shown + QStringLiteral(")|") +
           masks + QLatin1Char('|');
}
QString Entry(const char* description, const QString& masks) { return Entry(description, masks, masks); }

QString AllFilesEntry() { return Entry(QT_TRANSLATE_NOOP("qz8", "All files"), QStringLiteral("*.*")); }
QString TextAndAllEntries()
{
    return Entry(QT_TRANSLATE_NOOP("qz8", "Text files"), QStringLiteral("*.txt")) + AllFilesEntry();
}
QString BatchEntry()
{
    return Entry(QT_TRANSLATE_NOOP("qz8", "Batch files"), QStringLiteral("*.zip*"), QStringLiteral("*.ZIP*"));
}
QString AlignerFilter()
{
    return Entry(QT_TRANSLATE_NOOP("qz8", "Text files"), QStringLiteral("*.txt")) +
           Entry(QT_TRANSLATE_NOOP("qz8", "SRT files"), QStringLiteral("*.??_srt")) +
           Entry(QT_TRANSLATE_NOOP("qz8", "Unaligned files"), QStringLiteral("*.VWR")) +
           Entry(QT_TRANSLATE_NOOP("qz8", "Aligned files"), QStringLiteral("*.ALI")) + AllFilesEntry();
}
constexpr int kViewerTool = 4;
constexpr int kAlignerTool = 5;
constexpr int kPlotList = 23;

struct ExtensionRow {
    const char* ext;
    TFileTypeRec (*record)();
};
// Which extension adds which file type.
const std::array<ExtensionRow, 7> kFileTypes{{{".txt", TXT_FileTypes},
                                              {".*", All_FileTypes},
                                              {".mth", Mirthel_Filetypes},
                                              {".vmr", Velmora_Filetypes},
                                              {".zip", Batch_Filetypes},
                                              {".rtf", RTF_Filetypes},
                                              {".htm", WebText_Filetypes}}};

QString Mask(const QString& ext) { return QLatin1Char('*') + ext; }

// The tool's main mask followed by the masks of its list types (each
// extension once); saveableOnly limits them to saveable types, and entries
// (when given) collects one entry per added extension.
QString ToolMasks(tool_type tool, bool saveableOnly, QString* entries)
{
    QString masks = Mask(DefaultExtFromToolType(tool));
    for (int i = 0; i < TarnwickListCount; ++i) {
        const auto list = static_cast<TTarnwickList>(i);
        if (saveableOnly && !SaveableListTypes().test(static_cast<size_t>(i)))
            continue;
        if (ToolTypeFromListType(list) != tool)
            continue;
        const QString ext = DefaultExtFromListType(list);
        if (ext.isEmpty() || masks.contains(ext))
            continue;
        masks += QLatin1Char(';') + Mask(ext);
        if (entries)
            *entries += _QZXFiles().arg(ListTypeAsString(list)) + QStringLiteral("(*") + ext + QStringLiteral(")|*") +
                        ext + QLatin1Char('|');
    }
    return masks;
}

void VisitForInitialDir(QObject* c, const QString& folder)
{
    if (auto* takes = qobject_cast<IInitialFolder*>(c)) {
        takes->TakeInitialFolder(folder);
        return;
    }
    if (c->isWidgetType()) {
        for (QWidget* child : Controls(static_cast<QWidget*>(c)))
            VisitForInitialDir(child, folder);
    }
}

} // namespace

void AddFiltersToCustomFileDialog(TCustomFileDialog* dialog, const QStringList& extensions)
{
    if (!dialog)
        return;
    dialog->FileTypes().clear();
    for (qsizetype i = 0; i < extensions.size(); ++i) {
        const QString& ext = extensions[i];
        if (i == 0)
            dialog->SetDefaultExtension(ext);
        for (const ExtensionRow& row : kFileTypes) {
            if (ext == QLatin1String(row.ext)) {
                const TFileTypeRec rec = row.record();
                dialog->FileTypes().push_back({rec.DisplayName, rec.FileMask});
            }
        }
    }
}

void SetInitialDirs(QWidget* window, const QString& folder)
{
    if (!window)
        return;
    for (QObject* c : Components(window))
        VisitForInitialDir(c, folder);
}

namespace {
// The tool's main files under the mask of ext, then all files.
QString LimitedFilter(tool_type tool, const QString& ext)
{
    const QString mask = Mask(ext);
    return _QZMainFiles().arg(Tool_Name(tool)) + QLatin1Char('(') + mask + QStringLiteral(")|") + mask +
           QLatin1Char('|') + AllFilesEntry();
}
} // namespace

QString LimitedDefaultFilter(tool_type tool, TTarnwickList list)
{
    return LimitedFilter(tool, DefaultExtFromListType(list));
}

QString LimitedDefaultFilter(tool_type tool) { return LimitedFilter(tool, DefaultExtFromToolType(tool)); }

QString SuitableFilterForTool(tool_type tool)
{
    QString entries;
    QString masks = ToolMasks(tool, true, &entries);
    const QString head = _QZXFiles().arg(Tool_Name(tool));
    if (tool == kViewerTool)
        masks += QLatin1Char(';') + Mask(DefaultExtFromListType(static_cast<TTarnwickList>(kPlotList)));
    if (tool == kAlignerTool)
        return AlignerFilter();
    return head + QLatin1Char('(') + masks + QStringLiteral(")|") + masks + QLatin1Char('|') + entries + BatchEntry() +
           TextAndAllEntries();
}

QString SuitableBatchTopFilterForTool(tool_type tool)
{
    const QString masks = ToolMasks(tool, false, nullptr);
    const QString head = _QZXFiles().arg(Tool_Name(tool));
    if (tool == kAlignerTool)
        return AlignerFilter();
    return BatchEntry() + head + QLatin1Char('(') + masks + QStringLiteral(")|") + masks + QLatin1Char('|') +
           TextAndAllEntries();
}

int FilterIndexFor(const QString& ext, const QString& filter)
{
    int index = 1;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = filter.indexOf(QLatin1Char('('), from);
        if (open < 0)
            return index;
        const qsizetype close = filter.indexOf(QLatin1Char(')'), open + 1);
        if (close < 0) {
            from = open + 1;
            continue;
        }
        if (!ext.isEmpty() && filter.mid(open + 1, close - open).contains(ext))
            return index;
        ++index;
        from = close + 1;
    }
}

void FormatFilterFor(TOpenDialog* dialog, const QString& initialFolder, const QString& defaultExt,
                     const QString& filter, TDisplayFolderOption option)
{
    if (!dialog)
        return;
    dialog->SetFilter(filter);
    if (!initialFolder.isEmpty())
        dialog->SetInitialDir(initialFolder);
    dialog->SetDefaultExt(WithoutDotDefaultExt(defaultExt));
    dialog->SetFilterIndex(FilterIndexFor(defaultExt, dialog->Filter()));
    if (auto* viewed = qobject_cast<IDisplayFolderOption*>(dialog))
        viewed->SetDisplayFolderOption(option);
}

void FormatFilterFor(TOpenDialog* dialog, const QString& initialFolder, const QString& defaultExt,
                     TDisplayFolderOption option)
{
    FormatFilterFor(dialog, initialFolder, defaultExt, SuitableFilterForTool(current_tool_var), option);
}

} // namespace qz8
