// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Whether what a widget style draws can be found by a low-vision user (WCAG
// asks 3:1 for a control's parts), and a style that outlines Qt's own check
// boxes and radio buttons where the application's style draws them fainter.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QStyle>

#include <optional>

class QWidget;

namespace qz8 {

/// What one measurement depends on: the style, what it drew, its colours,
/// the background and the size.
struct TStandOutKey {
    const QStyle* style = nullptr;
    int element = 0;
    qint64 palette = 0;
    QRgb back = 0;
    QSize size;
    bool operator==(const TStandOutKey&) const = default;
};

std::optional<bool> KnownStandsOut(const TStandOutKey& key);
/// Records whether a pixel of image reaches ratio against key.back.
bool RecordStandsOut(const TStandOutKey& key, const QImage& image, double ratio);

/// Whether draw(painter), painting on key.back in an image of key.size,
/// leaves a pixel at ratio or more against it: measured once for each key.
template <class Draw>
bool StandsOut(const TStandOutKey& key, double ratio, Draw&& draw)
{
    if (const std::optional<bool> known = KnownStandsOut(key))
        return *known;
    QImage image(key.size, QImage::Format_ARGB32);
    image.fill(QColor::fromRgba(key.back));
    {
        QPainter painter(&image);
        draw(painter);
    }
    return RecordStandsOut(key, image, ratio);
}

/// Whether the empty (unchecked) form of option's check indicator (element)
/// stands out at 3:1 from back as style draws it.
bool EmptyIndicatorStandsOut(const QStyle* style, QStyle::PrimitiveElement element, const QStyleOption& option,
                             const QColor& back, const QWidget* widget);

/// from, moved toward black or white until it stands at ratio against every
/// one of backgrounds.
QColor StandingOutColour(const QColor& from, std::initializer_list<QColor> backgrounds, double ratio = 3.0);
/// The outline for a control's part drawn too faintly: from the palette's Mid.
QColor OutlineColour(const QPalette& palette, std::initializer_list<QColor> backgrounds, double ratio = 3.0);

/// Gives the widget a style that outlines check boxes and radio buttons at
/// 3:1 over the application's style, when that style draws them fainter
/// against palette, unless the tool chose a style of its own for it.
void UseReadableIndicators(QWidget* widget, const QPalette& palette);

} // namespace qz8
