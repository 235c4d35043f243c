#include "platform/ProcessGlobals.h"

#include <vector>

namespace qz8 {

namespace {
std::vector<std::function<void()>>& Resets()
{
    static std::vector<std::function<void()>> resets;
    return resets;
}
} // namespace

void RegisterGlobalReset(std::function<void()> reset) { Resets().push_back(std::move(reset)); }

void ResetProcessGlobals()
{
    for (auto& r : Resets())
        r();
}

} // namespace qz8
