// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Loading the desktop secret store's module (qz8secretstore): it lies in the
// folder "QZ8StyledListboxPack" beside the form state store's own library,
// in the build tree as in an installation.

namespace qz8 {

class ISecretStore;

// The module's store, loaded once and kept for the process; null (said once
// through the "qz8" logging category) when there is no module or it does
// not load.
ISecretStore* LoadSecretStoreModule();

} // namespace qz8
