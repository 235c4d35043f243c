// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/StyleContrast_p.h"

#include "toolkit/Types.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPointer>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <vector>

namespace qz8 {

namespace {

struct TMeasured {
    TStandOutKey key;
    bool standsOut = false;
};

// Few keys are live at once (a style, a palette, a size or two).
std::vector<TMeasured>& Measured()
{
    static std::vector<TMeasured> measured;
    return measured;
}

// Set while a probe draws, so that the outlining style measures what the
// style under it draws, not its own outline.
bool gProbing = false;

// The application's style, with the empty check boxes and radio buttons it
// draws below 3:1 outlined at 3:1 against the window and the base.
class TReadableIndicatorStyle final : public QProxyStyle {
public:
    explicit TReadableIndicatorStyle(QStyle* base) : QProxyStyle(base) { }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (gProbing || !option || !painter || !(option->state & State_Enabled))
            return;
        const bool round = element == PE_IndicatorRadioButton;
        if (element != PE_IndicatorCheckBox && element != PE_IndicatorItemViewItemCheck && !round)
            return;
        const QPalette& pal = option->palette;
        const QColor back = pal.color(element == PE_IndicatorItemViewItemCheck ? QPalette::Base : QPalette::Window);
        if (EmptyIndicatorStandsOut(baseStyle(), element, *option, back, widget))
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, round);
        // A ring is smoothed, which pales its pixels: a wider pen, a stronger colour.
        const qreal width = round ? 1.5 : 1.0;
        const QColor colour =
            OutlineColour(pal, {pal.color(QPalette::Window), pal.color(QPalette::Base)}, round ? 3.5 : 3.0);
        painter->setPen(QPen(colour, width));
        painter->setBrush(Qt::NoBrush);
        const qreal in = width / 2;
        const QRectF edge = QRectF(option->rect).adjusted(in, in, -in, -in);
        if (round)
            painter->drawEllipse(edge);
        else
            painter->drawRect(edge);
        painter->restore();
    }
};

// The outlining style over the application's current style (made anew when
// the application changes its style; the old one stays with the widgets
// that have it until the application ends).
QStyle* ReadableIndicatorStyle()
{
    static QPointer<QStyle> over;
    static QPointer<QStyle> readable;
    QStyle* app = QApplication::style();
    if (!app)
        return nullptr;
    if (over != app || !readable) {
        // QProxyStyle owns its base: a second instance of the application's style.
        QStyle* base = app->name().isEmpty() ? nullptr : QStyleFactory::create(app->name());
        if (!base)
            return nullptr; // a style the factory cannot make: left as it is
        over = app;
        readable = new TReadableIndicatorStyle(base);
        readable->setParent(qApp);
    }
    return readable;
}

// The widgets that draw check boxes or radio buttons of Qt's own.
bool DrawsIndicators(const QWidget* widget)
{
    static const QMetaObject* const kinds[] = {&QCheckBox::staticMetaObject, &QRadioButton::staticMetaObject,
                                               &QGroupBox::staticMetaObject, &QAbstractItemView::staticMetaObject};
    const QMetaObject* meta = widget->metaObject();
    return std::any_of(std::begin(kinds), std::end(kinds),
                       [&](const QMetaObject* kind) { return meta->inherits(kind); });
}

} // namespace

bool EmptyIndicatorStandsOut(const QStyle* style, QStyle::PrimitiveElement element, const QStyleOption& option,
                             const QColor& back, const QWidget* widget)
{
    const TStandOutKey key{style, element, option.palette.cacheKey(), back.rgba(), option.rect.size()};
    return StandsOut(key, 3.0, [&](QPainter& painter) {
        const bool probing = std::exchange(gProbing, true);
        painter.translate(-option.rect.topLeft());
        const QStyle::State off = (option.state & ~(QStyle::State_On | QStyle::State_NoChange)) | QStyle::State_Off;
        if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(&option)) {
            QStyleOptionViewItem empty(*item);
            empty.checkState = Qt::Unchecked;
            empty.state = off;
            style->drawPrimitive(element, &empty, &painter, widget);
        } else if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option)) {
            QStyleOptionButton empty(*button);
            empty.state = off;
            style->drawPrimitive(element, &empty, &painter, widget);
        } else {
            QStyleOption empty(option);
            empty.state = off;
            style->drawPrimitive(element, &empty, &painter, widget);
        }
        gProbing = probing;
    });
}

std::optional<bool> KnownStandsOut(const TStandOutKey& key)
{
    const auto& measured = Measured();
    const auto it = std::find_if(measured.begin(), measured.end(), [&](const TMeasured& m) { return m.key == key; });
    if (it == measured.end())
        return std::nullopt;
    return it->standsOut;
}

bool RecordStandsOut(const TStandOutKey& key, const QImage& image, double ratio)
{
    const QColor back = QColor::fromRgba(key.back);
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y) {
        for (int x = 0; x < image.width() && !found; ++x)
            found = ContrastRatio(image.pixelColor(x, y), back) >= ratio;
    }
    auto& measured = Measured();
    if (measured.size() >= 32)
        measured.clear();
    measured.push_back({key, found});
    return found;
}

QColor StandingOutColour(const QColor& from, std::initializer_list<QColor> backgrounds, double ratio)
{
    // Toward black or white, whichever stands further from every background.
    const auto weakest = [&](const QColor& c) {
        double least = 21.0;
        for (const QColor& back : backgrounds)
            least = std::min(least, ContrastRatio(c, back));
        return least;
    };
    const QColor toward = weakest(Qt::black) >= weakest(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
    return ReadableColour(from, toward, backgrounds, ratio);
}

QColor OutlineColour(const QPalette& palette, std::initializer_list<QColor> backgrounds, double ratio)
{
    return StandingOutColour(palette.color(QPalette::Mid), backgrounds, ratio);
}

void UseReadableIndicators(QWidget* widget, const QPalette& palette)
{
    if (!widget || !DrawsIndicators(widget))
        return;
    QStyle* readable = ReadableIndicatorStyle();
    if (!readable || widget->style() == readable)
        return;
    if (widget->testAttribute(Qt::WA_SetStyle))
        return; // the tool chose this widget's style
    // Only where the application's style draws an empty box too faintly.
    QStyleOptionButton box;
    box.palette = palette;
    box.state = QStyle::State_Enabled | QStyle::State_Off;
    const QStyle* app = QApplication::style();
    box.rect = QRect(0, 0, app->pixelMetric(QStyle::PM_IndicatorWidth), app->pixelMetric(QStyle::PM_IndicatorHeight));
    if (!EmptyIndicatorStandsOut(app, QStyle::PE_IndicatorCheckBox, box, palette.color(QPalette::Window), nullptr))
        widget->setStyle(readable);
}

} // namespace qz8
