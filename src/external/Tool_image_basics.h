// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The suite's standard image sizes and the current image settings.
//
// Nine sizes ascend with the ordinal: 16, 20, 24, 32, 40, 48, 64, 96 and 128
// pixels, the sizes that the nearest-size rounding of the master image lists
// rounds to (ordinal 8, 128, is reached only by an exact request).
#include "../qz8_export.h"
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace qz8 {

class TImageList;

/// The nine standard image sizes of the suite's icons, 16 to 128 pixels.
enum TImageDimensions : std::uint8_t { id16, id20, id24, id32, id40, id48, id64, id96, id128 };
/// The number of standard sizes.
constexpr int ImageDimensionCount = 9;
/// The pixel size of each standard size, in order.
constexpr std::array<int, ImageDimensionCount> ImageDimensionSizes{16, 20, 24, 32, 40, 48, 64, 96, 128};

///@{
/// The current image height in pixels, its dimension, and the monitor font
/// scale (1.0 without font scaling). Process-wide; the last writer wins.
extern QZ8_EXPORT int GlobalImageHeight;
extern QZ8_EXPORT TImageDimensions GlobalImageDimension;
extern QZ8_EXPORT float GlobalMonitorFontScale;
///@}

/// The largest standard size that is not larger than pixels (ordinal 0 for
/// anything smaller than 16).
QZ8_EXPORT TImageDimensions IntegerToImageDimension(int pixels);
/// The pixel size of a dimension; an ordinal outside the nine gives 20.
QZ8_EXPORT int ImageDimensionToInteger(TImageDimensions dimension);

/// The nine master image lists of the suite's tool icons, one per
/// dimension: created when the library loads, freed when it unloads.
extern QZ8_EXPORT const std::array<TImageList*, ImageDimensionCount>& ImageLists;
/// Creates the nine empty lists (those that exist stay), and frees them: the
/// package's load and unload. While they are freed ImageLists holds nulls.
QZ8_EXPORT void CreateMasterImageLists();
/// Frees the nine lists (ImageLists then holds nulls).
QZ8_EXPORT void FreeMasterImageLists();
/// True while the nine lists exist.
QZ8_EXPORT bool MasterImageListsExist();
/// The list of GlobalImageHeight's dimension (which it stores in
/// GlobalImageDimension).
QZ8_EXPORT TImageList* ImageListMain();
///@{
/// The standard size nearest to a pixel height (bands between the sizes; a
/// negative or larger height than 111 gives 20), as a dimension or in pixels.
QZ8_EXPORT TImageDimensions IntegerToNearestImageDimension(int pixels);
QZ8_EXPORT int IntegerToNearestImageHeight(int pixels);
///@}
/// The list for GlobalImageHeight times factor; GlobalImageDimension stays.
QZ8_EXPORT TImageList* ImageListMain_Times(float factor);

/// The monitor font scale for a density: the system's text scaling where
/// one is known, else pixels per inch over 96.
QZ8_EXPORT float CurrentDPIScale(int pixelsPerInch);

/// One icon of the suite's catalogue: the command it stands for and the
/// sizes it is drawn for. Its position in the list of a size is the number
/// of catalogue icons before it that are drawn for that size.
struct QZ8_EXPORT TToolIcon {
    int command; ///< the command number
    QString name; ///< the icon's name
    std::vector<int> validSizes; ///< the sizes it is drawn for
};
/// The catalogue of the project's own icon set, in list order.
QZ8_EXPORT const std::vector<TToolIcon>& ToolIconCatalogue();
/// The position of a command's icon in the list of the given image height,
/// or -1 when the command has no icon at that size.
QZ8_EXPORT int ImageListMainNum(int command, int imageHeight);

} // namespace qz8
