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
    // With a state file, the window restores its controls from it when it is
    // built and saves them to it when it closes.
    explicit GalleryWindow(QWidget* parent = nullptr, const QString& stateFile = QString());
    void ApplyStyle(qz8::TTMSStyle style);
    // Writes one PNG of the window per style into dir; false on a failure.
    bool WriteScreenshots(const QString& dir);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildPlatformPage();
    QWidget* BuildPersistedPage();
    QWidget* BuildStyledListPage();
    QWidget* BuildColourPage();
    QComboBox* fStyleCombo = nullptr;
    QTabWidget* fTabs = nullptr;
    QString fStateFile;
};
