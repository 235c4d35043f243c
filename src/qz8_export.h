#pragma once
// The export macros of the two shared libraries: QZ8_EXPORT marks the public
// API of the widget library, QZ8_STORE_EXPORT that of the form state store
// (QZ8FormStateStore, Qt Core only). Only what carries them is visible
// outside their library, on every platform alike.
// QZ8_AUTOTEST_EXPORT marks the hooks of private headers that the library's
// own tests reach (as Qt's Q_AUTOTEST_EXPORT does): exported only from a
// build made with its tests, never part of the installed API.
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
