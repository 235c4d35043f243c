#include "external/TmsControls.h"

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
