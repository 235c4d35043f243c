// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/Logging_p.h"
#include "platform/SecretStoreModule_p.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace qz8 {

namespace {

// The file of the shared library this code is part of.
QString ThisLibraryFile()
{
#ifdef Q_OS_WIN
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&ThisLibraryFile), &module))
        return QString();
    wchar_t path[32768];
    const DWORD n = GetModuleFileNameW(module, path, static_cast<DWORD>(std::size(path)));
    return n ? QString::fromWCharArray(path, static_cast<int>(n)) : QString();
#else
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&ThisLibraryFile), &info) || !info.dli_fname)
        return QString();
    return QFile::decodeName(info.dli_fname);
#endif
}

} // namespace

ISecretStore* LoadSecretStoreModule()
{
    const QString dir = QFileInfo(ThisLibraryFile()).absolutePath();
    QLibrary module(dir + QStringLiteral("/QZ8StyledListboxPack/qz8secretstore"));
    // Never unloaded, not even by Qt's clean-up of unreferenced libraries at
    // exit: its store, worker thread, post routine and session-bus probe
    // (a detached thread that may still run then) live in it.
    module.setLoadHints(QLibrary::PreventUnloadHint);
    using TEntry = ISecretStore* (*)();
    const auto entry = reinterpret_cast<TEntry>(module.resolve("qz8_keychain_secret_store"));
    if (!entry) {
        qCInfo(lcQz8, "secret store: no module (%s); passwords stay in their files", qPrintable(module.errorString()));
        return nullptr;
    }
    return entry();
}

} // namespace qz8
