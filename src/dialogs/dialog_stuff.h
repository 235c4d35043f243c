// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The filters of the suite's file dialogs, per tool and list type, and the
// preparation of a dialog in one call.
//
// A filter string is a sequence of "description|masks|" entries, every
// description repeating its masks in round brackets; the platform's dialogs
// show each entry as a Qt name filter (FileDialogNameFilters).
#include "../external/Tool_tables.h"
#include "../qz8_export.h"
#include "../toolkit/Dialogs.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace qz8 {

/// Empties the dialog's file types, then adds one per known extension
/// (".txt", ".*", ".mth", ".vmr", ".zip", ".rtf", ".htm", compared exactly);
/// the first extension becomes the default extension.
QZ8_EXPORT void AddFiltersToCustomFileDialog(TCustomFileDialog* dialog, const QStringList& extensions);
/// Every path edit of the window starts at the folder: folder edits and
/// choosers show it, file edits open their dialog there.
QZ8_EXPORT void SetInitialDirs(QWidget* window, const QString& folder);

/// The filter of a tool's lists of one type (or of the tool's own files),
/// then text and all files.
QZ8_EXPORT QString LimitedDefaultFilter(tool_type tool, TTarnwickList list);
/// The filter of the tool's own files, then text and all files.
QZ8_EXPORT QString LimitedDefaultFilter(tool_type tool);
/// The full filter of a tool: every list type it saves, then text and all
/// files.
QZ8_EXPORT QString SuitableFilterForTool(tool_type tool);
/// The filter of a tool's batch files first, then its full filter.
QZ8_EXPORT QString SuitableBatchTopFilterForTool(tool_type tool);

/// The 1-based number of the first bracket group of the filter that holds
/// ext; one past the complete groups when none does (an empty ext never
/// matches).
QZ8_EXPORT int FilterIndexFor(const QString& ext, const QString& filter);

/// Gives the dialog the filter, the initial folder (an empty one keeps the
/// dialog's), the default extension without its dot and the filter index of
/// that extension; a dialog with a folder-display option takes the option.
QZ8_EXPORT void FormatFilterFor(TOpenDialog* dialog, const QString& initialFolder, const QString& defaultExt,
                                const QString& filter, TDisplayFolderOption option);
/// The same with the running tool's full filter.
QZ8_EXPORT void FormatFilterFor(TOpenDialog* dialog, const QString& initialFolder, const QString& defaultExt,
                                TDisplayFolderOption option);

} // namespace qz8
