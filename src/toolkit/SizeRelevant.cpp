// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/SizeRelevant.h"

#include <array>
#include <cmath>

namespace qz8 {

namespace {

constexpr int kRows = static_cast<int>(TDensityRow::DrawGrid);
constexpr int kCollectedPlaces = 13;

// The density table by row, and the collected classes by place, filled by
// the modules that declare the classes (each names its own rows).
struct TTables {
    std::array<const QMetaObject*, kRows> rows{};
    std::array<const QMetaObject*, kCollectedPlaces> collected{};
};

TTables& Tables()
{
    static TTables tables;
    return tables;
}

bool IsOf(const QObject* object, const QMetaObject* cls) { return cls && object->metaObject()->inherits(cls); }

} // namespace

void RegisterDensityRow(TDensityRow row, const QMetaObject* cls)
{
    const int i = static_cast<int>(row) - 1;
    if (i >= 0 && i < kRows)
        Tables().rows[static_cast<size_t>(i)] = cls;
}

void RegisterCollectedClass(int place, const QMetaObject* cls)
{
    if (place >= 1 && place <= kCollectedPlaces)
        Tables().collected[static_cast<size_t>(place - 1)] = cls;
}

QList<const QMetaObject*> DensityRowClasses()
{
    const auto& rows = Tables().rows;
    return {rows.begin(), rows.end()};
}

QList<const QMetaObject*> CollectedClasses()
{
    const auto& collected = Tables().collected;
    return {collected.begin(), collected.end()};
}

int TDensityStep::ItemHeight() const
{
    return static_cast<int>(std::nearbyint(static_cast<long double>(ImageHeight) * 0.8L));
}

TDensityRow DensityRowOf(const QObject* object)
{
    if (!object)
        return TDensityRow::None;
    const auto& rows = Tables().rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (IsOf(object, rows[i]))
            return static_cast<TDensityRow>(i + 1);
    }
    return TDensityRow::None;
}

bool IsOfSizeRelevantClass(const QObject* object)
{
    if (!object)
        return false;
    for (const QMetaObject* cls : Tables().collected) {
        if (IsOf(object, cls))
            return true;
    }
    return false;
}

} // namespace qz8
