// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The pager under a name of the package's own, so that tool windows can
// place it from the form designer; it adds and changes nothing.
#include "../external/TmsControls.h"
#include "../qz8_export.h"

namespace qz8 {

/// The pager under the package's own name, for tool windows placed from
/// Designer: TAdvOfficePager, nothing added or changed.
///
/// \image html gallery-styled-lists.png "The pager (the tabs) in the gallery"
class QZ8_EXPORT TQZAdvOfficePager : public TAdvOfficePager {
    Q_OBJECT
public:
    /// The constructors of TAdvOfficePager.
    using TAdvOfficePager::TAdvOfficePager;
};

} // namespace qz8
