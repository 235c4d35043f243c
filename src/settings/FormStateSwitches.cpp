// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The switches of the form state files and their reset.
#include "settings/ReadAndSaveIni.h"
#include "toolkit/Types.h"

namespace qz8 {

bool MEMINI_include_Listboxes = false;
bool MEMINI_include_Memos = false;
bool MEMINI_check_filenames = true;
bool MEMINI_include_checklistbox_checkeds = true;
bool MEMINI_include_geometry = true;
bool MEMINI_passwords_in_secret_store = true;

namespace {

// The switches as a fresh process has them again (tests reset between cases).
[[maybe_unused]] const bool registered = [] {
    RegisterGlobalReset([] {
        MEMINI_include_Listboxes = false;
        MEMINI_include_Memos = false;
        MEMINI_check_filenames = true;
        MEMINI_include_checklistbox_checkeds = true;
        MEMINI_include_geometry = true;
        MEMINI_passwords_in_secret_store = true;
    });
    return true;
}();

} // namespace

} // namespace qz8
