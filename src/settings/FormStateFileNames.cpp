// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Where form state files go when a window names none.
#include "settings/ReadAndSaveIni.h"
#include "settings/user_and_system_utils.h"
#include "toolkit/Application.h"

#include <QDir>
#include <QFileInfo>

namespace qz8 {

QString DefaultFormStateFileName()
{
    const QFileInfo exe(ExeName());
    return exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".ini");
}

QString FormStateFileName(bool UseDocumentsFolder)
{
    if (!UseDocumentsFolder)
        return DefaultFormStateFileName();
    return GetMyDocumentsTarnwickFolder() + QDir::separator() + QFileInfo(DefaultFormStateFileName()).fileName();
}

} // namespace qz8
