// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The private parts of the classes of baseTMSStyleable_F.h.
#include "form/FormStateAutosave_p.h"
#include "form/baseTMSStyleable_F.h"

#include <optional>

namespace qz8 {

class TTMSStyleableRepositoryFormPrivate {
public:
    bool has_shown = false;
    bool done_create_things = false;
    bool fConstructed = false; // FinishConstruction ran (or runs)
    // Whether the form state was saved since the window was last shown; a
    // save runs (it may run events) while Saving.
    enum class TSaved { No, Saving, Yes } fSaved = TSaved::No;
    QMetaObject::Connection fParentWatch; // the parent's deletion saves this window first

    /// The placements of every arrangement the file holds, kept so that a
    /// save keeps those of the other arrangements; nothing before the file
    /// was read.
    std::optional<TPlacements> fPlacements;

    unsigned fCreatedExStyle = 0;
    QString fIniName;
    // Writes the shown window's changes as they happen (a child of the window).
    TFormStateAutosave* fAutosave = nullptr;
};

} // namespace qz8
