#pragma once
// The private parts of the classes of baseTMSStyleable_F.h.
#include "form/FormStateAutosave_p.h"
#include "form/baseTMSStyleable_F.h"

namespace qz8 {

class TTMSStyleableRepositoryFormPrivate {
public:
    bool has_shown = false;
    bool done_create_things = false;
    bool fStepsBound = false;
    bool fWindowCreated = false;
    bool fConstructed = false; // FinishConstruction ran
    bool fInDeferredCreate = false; // the virtual DoCreateStuff of FinishConstruction runs
    bool fFormStateSaved = false; // saved at an end moment, not shown since
    bool fSaving = false; // a save runs (it may run events)
    QMetaObject::Connection fParentWatch; // the parent's deletion saves this window first
    bool fIniUnreadable = false; // its form state file failed to read

    /// The placements of every arrangement the file holds, kept so that a
    /// save keeps those of the other arrangements.
    TPlacements fPlacements;
    bool fPlacementsKnown = false;

    unsigned fCreatedExStyle = 0;
    QString fIniName;
    // Writes the shown window's changes as they happen (a child of the window).
    TFormStateAutosave* fAutosave = nullptr;
};

} // namespace qz8
