// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The application object the parsers' Qt code expects (widgets included:
// the form state target reads into real controls).
#include <QApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(*argc, *argv);
    // The run ends without destroying the application: Qt's statics made
    // while inputs ran (input devices of changed screens, post routines of
    // the GUI module) are freed by static destruction before it, and would
    // crash its destructor. Findings end the run earlier, through _Exit.
    std::atexit([] { std::_Exit(0); });
    return 0;
}

// A finding: what broke, on standard error, and the run ends.
[[noreturn]] inline void FuzzFinding(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}
