// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/ProcessGlobals.h"

#include <QCoreApplication>
#include <vector>

namespace qz8 {

namespace {
std::vector<std::function<void()>>& Resets()
{
    static std::vector<std::function<void()>> resets;
    return resets;
}

QString exeOverride;
const bool registered = [] {
    RegisterGlobalReset([] { exeOverride.clear(); });
    return true;
}();
} // namespace

void RegisterGlobalReset(std::function<void()> reset) { Resets().push_back(std::move(reset)); }

void ResetProcessGlobals()
{
    for (auto& r : Resets())
        r();
}

QString ExeName()
{
    (void)registered;
    return exeOverride.isEmpty() ? QCoreApplication::applicationFilePath() : exeOverride;
}

void OverrideExeName(const QString& fileName) { exeOverride = fileName; }

} // namespace qz8
