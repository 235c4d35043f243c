// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/SecretStore.h"
#include "platform/Logging_p.h"
#include "platform/ProcessGlobals.h"
#include "platform/SecretStoreModule_p.h"

#include <mutex>

namespace qz8 {

namespace {

ISecretStore* gStoreInUse = nullptr;

const bool registered = [] {
    RegisterGlobalReset([] { gStoreInUse = nullptr; });
    return true;
}();

// The desktop's store, its module loaded at the first call; without the
// module (a build without QtKeychain, a damaged install) every call answers
// Unavailable.
class TDesktopSecretStore final : public ISecretStore {
public:
    TSecretResult Write(const QString& service, const QString& key, const QString& secret) override
    {
        ISecretStore* s = Loaded();
        return s ? s->Write(service, key, secret) : TSecretResult::Unavailable;
    }
    TSecretResult Read(const QString& service, const QString& key, QString& secret) override
    {
        ISecretStore* s = Loaded();
        return s ? s->Read(service, key, secret) : TSecretResult::Unavailable;
    }
    TSecretResult Remove(const QString& service, const QString& key) override
    {
        ISecretStore* s = Loaded();
        return s ? s->Remove(service, key) : TSecretResult::Unavailable;
    }

private:
    ISecretStore* Loaded()
    {
        std::call_once(fOnce, [this] { fModule = LoadSecretStoreModule(); });
        return fModule;
    }
    std::once_flag fOnce;
    ISecretStore* fModule = nullptr;
};

} // namespace

ISecretStore& DesktopSecretStore()
{
    static TDesktopSecretStore store;
    return store;
}

ISecretStore& SecretStore()
{
    (void)registered;
    return gStoreInUse ? *gStoreInUse : DesktopSecretStore();
}

void SetSecretStore(ISecretStore* store) { gStoreInUse = store; }

} // namespace qz8
