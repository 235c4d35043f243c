#include "external/TmsControls.h"
#include "platform/Components.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qz8 {

TAdvSpinEdit::TAdvSpinEdit(QWidget* parent) : QDoubleSpinBox(parent)
{
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SetSpinType(sptNormal);
}

void TAdvSpinEdit::SetSpinType(TAdvSpinType type)
{
    fSpinType = type;
    setDecimals(type == sptFloat ? 3 : 0);
}

int TAdvSpinEdit::Value() const
{
    const double v = std::nearbyint(value());
    if (!std::isfinite(v))
        return 0;
    return static_cast<int>(std::clamp(v, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

namespace {
const bool registered = [] {
    // A pager's pages hold controls of the window.
    RegisterContainerClass(&TAdvOfficePager::staticMetaObject);
    return true;
}();
} // namespace

TAdvFormStyler::TAdvFormStyler(QObject* owner) : QObject(owner)
{
    (void)registered;
}

void TAdvFormStyler::SetStyle(TTMSStyle style)
{
    if (!IsValidTMSStyle(style))
        return;
    const bool changed = !fApplied || style != fStyle;
    fStyle = style;
    fApplied = true;
    if (auto* window = qobject_cast<QWidget*>(parent())) {
        ApplyTMSStylePalette(window, style);
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (auto* styled = qobject_cast<ITMSStyle*>(w))
                styled->SetComponentStyle(style);
        }
    }
    if (changed && OnNotify)
        OnNotify(this);
}

TAdvCustomCombo::TAdvCustomCombo(QWidget* parent) : QComboBox(parent), fItems(this)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

TAdvCustomComboBox::TAdvCustomComboBox(QWidget* parent) : QComboBox(parent), fItems(this)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

} // namespace qz8
