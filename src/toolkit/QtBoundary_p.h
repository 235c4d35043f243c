// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Exceptions stop where Qt calls the library: an exception that left an
// event handler, a paint or a slot would unwind through Qt's event loop and
// end the program (in Qt Designer, with the user's form). Each such entry
// runs its work through AtQtBoundary, which logs what was raised through the
// "qz8" category (once per place and message) and lets the control carry on
// as if the work had not been asked for.
#include <exception>

namespace qz8 {

// Logs an exception caught at the boundary; e is null for one that is no
// std::exception.
void ReportAtQtBoundary(const char* where, const std::exception* e) noexcept;

// Runs work; false when it raised, which is then logged.
template <class Work>
bool AtQtBoundary(const char* where, Work&& work) noexcept
{
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        ReportAtQtBoundary(where, &e);
    } catch (...) {
        ReportAtQtBoundary(where, nullptr);
    }
    return false;
}

} // namespace qz8
