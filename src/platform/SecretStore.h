// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The desktop's secret store: the Secret Service on Linux, the credential
// store on Windows, reached through QtKeychain.
//
// Calls block their caller but never run an event loop on its thread: the
// store's jobs run on a worker thread of their own, so a window may call
// them from its destructor or its show event without foreign events running
// inside it. A store that does not answer within kSecretStoreTimeoutMs
// (a locked keyring waiting for a prompt, a hung daemon) counts as
// unavailable for the rest of the process: one wait, not one per password.
//
// QtKeychain queues every job through one object of its own, which belongs to
// the thread that ran the first job. A tool that runs QtKeychain jobs on its
// GUI thread before the library's first call here ties that queue to its GUI
// thread, which these calls block (until the timeout): make one call
// through DesktopSecretStore() first (a Read of any key), or run the tool's
// own jobs off the GUI thread.
#include "../qz8_export.h"

#include <QString>

namespace qz8 {

/// The answer of a secret store: done, no such secret, or the store could
/// not be reached (down, locked, silent past the timeout).
enum class TSecretResult { Ok, NotFound, Unavailable };

/// A store of secrets by service and key: the desktop's secret store, or a
/// tool's own.
class QZ8_STORE_EXPORT ISecretStore {
public:
    virtual ~ISecretStore() = default;
    /// Stores a secret, replacing one under the same service and key.
    virtual TSecretResult Write(const QString& service, const QString& key, const QString& secret) = 0;
    /// Reads a secret into secret.
    virtual TSecretResult Read(const QString& service, const QString& key, QString& secret) = 0;
    /// Removing what is not there is NotFound, not a failure.
    virtual TSecretResult Remove(const QString& service, const QString& key) = 0;
};

/// How long the desktop's store is waited for, in milliseconds, before it
/// counts as Unavailable.
constexpr int kSecretStoreTimeoutMs = 10000;

/// The store in use: the one put in place by SetSecretStore, else the
/// desktop's.
QZ8_STORE_EXPORT ISecretStore& SecretStore();
/// Puts a store in place of the desktop's (a tool with a store of its own, a
/// test); nullptr puts the desktop's back. The caller owns the store and keeps
/// it alive while it is in place.
QZ8_STORE_EXPORT void SetSecretStore(ISecretStore* store);
/// The desktop's store itself. Without QtKeychain in the build every call
/// answers Unavailable.
QZ8_STORE_EXPORT ISecretStore& DesktopSecretStore();

} // namespace qz8
