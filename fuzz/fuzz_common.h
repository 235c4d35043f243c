#pragma once
// The application object the parsers' Qt code expects (widgets included:
// the form state target reads into real controls).
#include <QApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(*argc, *argv);
    return 0;
}
