// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// A secret store in memory, for tests and the form state fuzzer: it can be
// made unreachable, and counts the calls made to it.
#include "platform/SecretStore.h"

#include <QHash>
#include <QString>

namespace qz8test {

class MemorySecretStore : public qz8::ISecretStore {
public:
    QHash<QString, QString> secrets; // "service|key" -> secret
    bool reachable = true;
    int calls = 0;

    static QString Name(const QString& service, const QString& key) { return service + QLatin1Char('|') + key; }

    qz8::TSecretResult Write(const QString& service, const QString& key, const QString& secret) override
    {
        ++calls;
        if (!reachable)
            return qz8::TSecretResult::Unavailable;
        secrets.insert(Name(service, key), secret);
        return qz8::TSecretResult::Ok;
    }
    qz8::TSecretResult Read(const QString& service, const QString& key, QString& secret) override
    {
        ++calls;
        if (!reachable)
            return qz8::TSecretResult::Unavailable;
        const auto it = secrets.constFind(Name(service, key));
        if (it == secrets.constEnd())
            return qz8::TSecretResult::NotFound;
        secret = *it;
        return qz8::TSecretResult::Ok;
    }
    qz8::TSecretResult Remove(const QString& service, const QString& key) override
    {
        ++calls;
        if (!reachable)
            return qz8::TSecretResult::Unavailable;
        return secrets.remove(Name(service, key)) ? qz8::TSecretResult::Ok : qz8::TSecretResult::NotFound;
    }
};

} // namespace qz8test
