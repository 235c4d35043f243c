#pragma once
// Application helpers of the platform.
#include <QFont>
#include <QString>

namespace qz8 {

// The running program's full file name.
QString ExeName();
// Makes ExeName answer another name (a launcher running a tool, or a test
// placing the program on another drive); empty restores the real one.
void OverrideExeName(const QString& fileName);
// Lets pending events run (timers, posted events, repaints).
void ProcessMessages();
// The font new windows start with.
QFont DefaultFont();
// The primary screen's logical density (96 without a screen).
int ScreenPixelsPerInch();

} // namespace qz8
