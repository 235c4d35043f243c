// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/Tms_utils.h"
#include "external/Colour_utils.h"
#include "toolkit/StyleContrast_p.h"

#include <QApplication>
#include <QWidget>

namespace qz8 {

TTMSStyle Global_TMSStyle = tsClassicLight;

namespace {

const bool registered = [] {
    RegisterGlobalReset([] { Global_TMSStyle = tsClassicLight; });
    return true;
}();

struct StyleColours {
    const char* name;
    TColor background, text, highlightBack, highlightText, gradientLight, gradientDark, scrollDark, scrollText,
        mostFrequent, searchWord;
};

// Colours as 0xBBGGRR, via RGB(r, g, b).
const StyleColours kStyles[TTMSStyleCount] = {
    {"Classic light", RGB(0xF4, 0xF4, 0xF4), RGB(0x20, 0x20, 0x20), RGB(0x33, 0x66, 0xCC), RGB(0xFF, 0xFF, 0xFF),
     RGB(0xFF, 0xFF, 0xFF), RGB(0xDC, 0xDC, 0xDC), RGB(0xB4, 0xB4, 0xB4), RGB(0x10, 0x10, 0x10), RGB(0x99, 0x00, 0x00),
     RGB(0xCC, 0x44, 0x00)},
    {"Ocean blue", RGB(0xE3, 0xEF, 0xFB), RGB(0x0B, 0x2A, 0x4A), RGB(0x1E, 0x6F, 0xC0), RGB(0xFF, 0xFF, 0xFF),
     RGB(0xF2, 0xF8, 0xFF), RGB(0xB9, 0xD4, 0xF0), RGB(0x6A, 0x9B, 0xCF), RGB(0x05, 0x1A, 0x33), RGB(0x8A, 0x10, 0x5A),
     RGB(0xD0, 0x5A, 0x00)},
    {"Graphite", RGB(0x2B, 0x2D, 0x30), RGB(0xE6, 0xE6, 0xE6), RGB(0x4C, 0x8B, 0xF5), RGB(0x10, 0x10, 0x10),
     RGB(0x3C, 0x3F, 0x43), RGB(0x1E, 0x1F, 0x22), RGB(0x55, 0x58, 0x5C), RGB(0xF0, 0xF0, 0xF0), RGB(0xFF, 0xB8, 0x6C),
     RGB(0x7E, 0xE7, 0x87)},
    {"Olive grove", RGB(0xEE, 0xF0, 0xE2), RGB(0x2E, 0x35, 0x1C), RGB(0x62, 0x75, 0x26), RGB(0xFF, 0xFF, 0xF4),
     RGB(0xF8, 0xF9, 0xEF), RGB(0xCF, 0xD5, 0xB0), RGB(0x9A, 0xA5, 0x6C), RGB(0x20, 0x26, 0x10), RGB(0x8B, 0x3A, 0x0E),
     RGB(0xB0, 0x00, 0x40)},
    {"Rose quartz", RGB(0xFB, 0xEE, 0xF0), RGB(0x4A, 0x1F, 0x33), RGB(0x9C, 0x3D, 0x6B), RGB(0xFF, 0xFF, 0xFF),
     RGB(0xFF, 0xF7, 0xF8), RGB(0xEE, 0xC9, 0xD2), RGB(0xC9, 0x8C, 0xA3), RGB(0x33, 0x10, 0x20), RGB(0x1F, 0x5F, 0x8B),
     RGB(0xC2, 0x4E, 0x00)},
    {"High contrast", RGB(0x00, 0x00, 0x00), RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0x00), RGB(0x00, 0x00, 0x00),
     RGB(0x20, 0x20, 0x20), RGB(0x00, 0x00, 0x00), RGB(0x80, 0x80, 0x80), RGB(0xFF, 0xFF, 0xFF), RGB(0x00, 0xFF, 0xFF),
     RGB(0x00, 0xFF, 0x00)},
};

const StyleColours& Of(TTMSStyle style)
{
    (void)registered;
    const int i = static_cast<int>(style);
    return kStyles[IsValidTMSStyle(i) ? i : 0];
}

} // namespace

QString TMSStyleName(TTMSStyle style) { return QString::fromLatin1(Of(style).name); }

TColor GetABaseTMSBackgroundColour(TTMSStyle style) { return Of(style).background; }
TColor GetABaseTMSTextColour(TTMSStyle style) { return Of(style).text; }
TColor GetABaseTMSHighlightBackgroundColour(TTMSStyle style) { return Of(style).highlightBack; }
TColor GetABaseTMSHighlightedTextColour(TTMSStyle style) { return Of(style).highlightText; }
TColor GetABaseTMSGradientBackgroundLightColour(TTMSStyle style) { return Of(style).gradientLight; }
TColor GetABaseTMSGradientBackgroundDarkColour(TTMSStyle style) { return Of(style).gradientDark; }
TColor GetABaseTMSScrollDarkBackgroundColour(TTMSStyle style) { return Of(style).scrollDark; }
TColor GetABaseTMSScrollTextColour(TTMSStyle style) { return Of(style).scrollText; }
TColor GetABaseTMSTextColour_MOSTFREQUENT(TTMSStyle style) { return Of(style).mostFrequent; }
TColor GetABaseTMSTextColour_SEARCHWORD(TTMSStyle style) { return Of(style).searchWord; }

QPalette TMSStylePalette(TTMSStyle style)
{
    const StyleColours& s = Of(style);
    const QColor back = ToQColor(s.background), text = ToQColor(s.text);
    const QColor light = ToQColor(s.gradientLight), dark = ToQColor(s.gradientDark);
    QPalette pal(QApplication::palette());
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Window, back);
        pal.setColor(group, QPalette::WindowText, text);
        pal.setColor(group, QPalette::Base, light);
        pal.setColor(group, QPalette::AlternateBase, back);
        pal.setColor(group, QPalette::Text, text);
        pal.setColor(group, QPalette::Button, dark);
        pal.setColor(group, QPalette::ButtonText, text);
        pal.setColor(group, QPalette::Highlight, ToQColor(s.highlightBack));
        pal.setColor(group, QPalette::HighlightedText, ToQColor(s.highlightText));
        pal.setColor(group, QPalette::ToolTipBase, light);
        pal.setColor(group, QPalette::ToolTipText, text);
        // Read on an edit (Base) and on a combo's button (Button).
        pal.setColor(group, QPalette::PlaceholderText,
                     ReadableColour(ToQColor(s.scrollDark), text, {light, dark}, 4.5));
        pal.setColor(group, QPalette::Light, light.lighter(110));
        pal.setColor(group, QPalette::Midlight, light);
        pal.setColor(group, QPalette::Mid, ToQColor(s.scrollDark));
        pal.setColor(group, QPalette::Dark, dark.darker(130));
        pal.setColor(group, QPalette::Shadow, dark.darker(200));
    }
    pal.setColor(QPalette::Disabled, QPalette::Window, back);
    pal.setColor(QPalette::Disabled, QPalette::Base, back);
    pal.setColor(QPalette::Disabled, QPalette::Button, dark);
    pal.setColor(QPalette::Disabled, QPalette::Text, ToQColor(s.scrollDark));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(s.scrollDark));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(s.scrollDark));
    return pal;
}

void ApplyTMSStylePalette(QWidget* widget, TTMSStyle style)
{
    if (widget)
        ApplyTMSStylePalette(widget, style, widget->findChildren<QWidget*>());
}

void ApplyTMSStylePalette(QWidget* widget, TTMSStyle style, const QList<QWidget*>& descendants)
{
    if (!widget)
        return;
    const QPalette pal = TMSStylePalette(style);
    widget->setPalette(pal);
    UseReadableIndicators(widget, pal);
    // Children that set a palette of their own do not inherit: give it to them too.
    for (QWidget* child : descendants) {
        if (child->testAttribute(Qt::WA_SetPalette))
            child->setPalette(pal);
        // Qt's own check boxes and radio buttons, outlined where the style draws them faintly.
        UseReadableIndicators(child, pal);
    }
    widget->setAutoFillBackground(true);
}

} // namespace qz8
