#pragma once
// The gallery: a real tool window that shows every component of the library
// and switches between the styles.
#include "external/Tms_utils.h"
#include "platform/Forms.h"

class QComboBox;
class QTabWidget;

class GalleryWindow : public qz8::TForm {
    Q_OBJECT
public:
    explicit GalleryWindow(QWidget* parent = nullptr);
    void ApplyStyle(qz8::TTMSStyle style);
    // Writes one PNG of the window per style into dir; false on a failure.
    bool WriteScreenshots(const QString& dir);

private:
    QWidget* BuildPlatformPage();
    QWidget* BuildPersistedPage();
    QComboBox* fStyleCombo = nullptr;
    QTabWidget* fTabs = nullptr;
};
