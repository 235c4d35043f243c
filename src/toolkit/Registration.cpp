// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "toolkit/Registration.h"

#include <QMetaObject>
#include <algorithm>

namespace qz8 {

namespace {
std::vector<TRegisteredComponent>& Registry()
{
    static std::vector<TRegisteredComponent> registry;
    return registry;
}
} // namespace

void RegisterComponent(TRegisteredComponent component)
{
    if (!component.Class || !component.Create)
        return;
    auto& r = Registry();
    const bool known =
        std::any_of(r.begin(), r.end(), [&](const TRegisteredComponent& c) { return c.Class == component.Class; });
    if (!known)
        r.push_back(std::move(component));
}

const std::vector<TRegisteredComponent>& RegisteredComponents() { return Registry(); }

void UnregisterAllComponents() { Registry().clear(); }

} // namespace qz8
