#pragma once
// Saving a form state file for a window whose own part is gone already.
#include <QString>
#include <QStringList>

class QObject;

namespace qz8 {

// SaveIni, keeping the sections of the existing file that this save does
// not write, but for those named in notKept (the saver's own): what a
// window's own SaveFormSections would have written, when only its base can
// still save.
void SaveIniKeepingOtherSections(QObject* form, const QString& fileName, const QStringList& notKept);

} // namespace qz8
