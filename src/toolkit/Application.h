#pragma once
// Application helpers of the platform.
#include "../qz8_export.h"
#include <QFont>
#include <QString>

namespace qz8 {

/// The running program's full file name.
QZ8_EXPORT QString ExeName();
/// Makes ExeName answer another name (a launcher running a tool, or a test
/// placing the program on another drive); empty restores the real one.
QZ8_EXPORT void OverrideExeName(const QString& fileName);
/// Lets pending events run (timers, posted events, repaints).
QZ8_EXPORT void ProcessMessages();
/// The font new windows start with.
QZ8_EXPORT QFont DefaultFont();
/// The primary screen's logical density (96 without a screen).
QZ8_EXPORT int ScreenPixelsPerInch();

} // namespace qz8
