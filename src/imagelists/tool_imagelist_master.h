// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The master image lists of the suite's tool icons, one per standard size,
// (ImageLists, ImageListMain: the image unit) loaded from
// "ImageListMain%d.res" beside the program, and the attaching of
// the current list and a command's icon to menus, tool bars, status bars,
// pagers and buttons.
#include "../external/Tool_image_basics.h"
#include "../qz8_export.h"
#include "../store/Strings.h"
#include "../toolkit/ImgList.h"

#include <QList>
#include <array>

class QWidget;

namespace qz8 {

class TBitmap;
class TMainMenu;
class TMenuItem;
class TToolBar;
class TAdvOfficeStatusBar;
class TAdvOfficePager;
class TAdvOfficePage;

/// Reads every size's file that exists beside the program. A damaged file
/// raises Exception naming it; the lists loaded before it stay loaded.
QZ8_EXPORT void LoadupAllTheImageLists();

/// Every item of the menu that is not a separator line, once each, parents
/// before their sub-items, in menu order (the caller owns the list).
QZ8_EXPORT QList<TMenuItem*> AllMenuItemsAsList(const QWidget* menu);
///@{
/// Gives the menu the current list and each item the icon of its command
/// (its Tag; a negative tag is the same command); the first also answers
/// the items.
QZ8_EXPORT QList<TMenuItem*> GetImagesListOfMenuItems(TMainMenu* menu);
QZ8_EXPORT void SetImagesForListOfMenuItems(TMainMenu* menu);
///@}
/// Copies image index (a position, not a command) of the current list.
QZ8_EXPORT bool GetABitmap(int index, TBitmap& bitmap);

///@{
/// Gives a tool-bar button, a status-bar panel, a pager's page or a button
/// the current list and the icon of its command; a command without an icon
/// at the current size shows none.
QZ8_EXPORT void SetImagesAndNumberForToolbarButton(TToolBar* toolbar, QWidget* control, int command);
QZ8_EXPORT void SetImagesAndNumberForStatusBarPanel(TAdvOfficeStatusBar* statusbar, int panelIndex, int command);
QZ8_EXPORT void SetImagesAndNumberForAdvOfficePager(TAdvOfficePager* pager, TAdvOfficePage* page, int command);
QZ8_EXPORT void SetImagesAndNumberForButton(QWidget* control, int command);
///@}

/// The table of command names and image numbers of a marked source text:
/// each entry's object is its image number. A missing file raises Exception.
QZ8_EXPORT TStringList ComputeMASTER_16_ConstsForIcons(const QString& fileName);
/// The same over text lines (the file's lines).
QZ8_EXPORT TStringList ComputeMASTER_16_ConstsForIconsFromLines(QStringList lines);

} // namespace qz8
