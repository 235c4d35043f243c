// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/DriveToken.h"

namespace qz8 {

QString AppDriveToken() { return QStringLiteral("app_drive$"); }

QString ContractDrive(const QString& name, const QString& root)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif
    if (name.isEmpty() || root.isEmpty() || name.size() < root.size())
        return name;
    if (name.left(root.size()).compare(root, kPathCase) != 0)
        return name;
    return AppDriveToken() + name.mid(root.size());
}

} // namespace qz8
