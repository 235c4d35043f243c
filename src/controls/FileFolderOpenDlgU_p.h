// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The private parts of the classes of FileFolderOpenDlgU.h.
#include "controls/FileFolderOpenDlgU.h"

namespace qz8 {

class TMyOpenFolderDialogPrivate {
public:
    QString ffolderOrFile;
    bool fOnlyFolderAllowed = true;
    QPointer<TAdvOfficeCheckBox> fLinkedCheckbox;
    bool fPathMissing = false;
    QCompleter* fCompleter = nullptr; // child of this control
    QFileSystemModel* fModel = nullptr; // child of this control
    QAction* fMissingMark = nullptr; // child of this control
    TPathExistence* fExistence = nullptr; // child of this control
    TPathExistence* fFolderExistence = nullptr; // child of this control
};

class TMyOpenFileDialogPrivate { };

} // namespace qz8
