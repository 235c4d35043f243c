// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The export macros of the two shared libraries: QZ8_EXPORT marks the public
// API of the widget library, QZ8_STORE_EXPORT that of the form state store
// (QZ8FormStateStore, Qt Core only). Only what carries them is visible
// outside their library, on every platform alike.
// QZ8_AUTOTEST_EXPORT marks the hooks of private headers that the library's
// own tests reach (as Qt's Q_AUTOTEST_EXPORT does): exported only from a
// build made with its tests, never part of the installed API.
// The library's headers are C++20: a tool built with an older standard stops
// here, at its first include of them, with one message (a missing include is
// the one error every compiler treats as fatal).
#if defined(_MSVC_LANG) ? _MSVC_LANG < 202002L : __cplusplus < 202002L
#include "QZ8StyledListboxPack needs C++20: compile with -std=c++20 (CMake: cxx_std_20)"
#endif
#include <QtCore/qcompilerdetection.h>

#if defined(QZ8StyledListboxPack_EXPORTS)
#define QZ8_EXPORT Q_DECL_EXPORT
#else
#define QZ8_EXPORT Q_DECL_IMPORT
#endif

#if defined(QZ8FormStateStore_EXPORTS)
#define QZ8_STORE_EXPORT Q_DECL_EXPORT
#else
#define QZ8_STORE_EXPORT Q_DECL_IMPORT
#endif

#if defined(QZ8_BUILD_AUTOTESTS)
#define QZ8_AUTOTEST_EXPORT QZ8_EXPORT
#define QZ8_STORE_AUTOTEST_EXPORT QZ8_STORE_EXPORT
#else
#define QZ8_AUTOTEST_EXPORT
#define QZ8_STORE_AUTOTEST_EXPORT
#endif
