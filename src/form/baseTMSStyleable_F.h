#pragma once
// The base window of every tool of the suite.
//
// On every show it restores its controls from its form state file (first
// show only), logs the show, applies the process-wide style and corrects
// itself for the screen's density; on every activation it re-applies the
// style and the style's background; when the launching program broadcasts a
// new style it adopts it at once; on destruction it saves its controls.
//
// The launcher's broadcast (message 1256, command 703 = new style) comes
// through platform/Broadcast; without a session bus the window works as
// before.
//
// Derived windows keep their controls as children (as Designer-made forms
// do), so they still exist when the base class saves them on destruction.
// The file name saved to is what TheIniName gave once construction had
// finished (and at each show): a virtual cannot be asked from a destructor.
//
// Construction. The base constructor runs the base create step
// (DoCreateStuff), so a derived window's constructor already sees its state:
// has_shown false, ComponentsToResize empty, the show and activate steps
// bound. C++ cannot reach an override from a base constructor, so once the
// whole window is built (at its first show, or at the first event the event
// loop gives it, whichever comes first) DoCreateStuff is called again,
// virtually, exactly once: a derived window's override runs then; its call
// of the inherited step changes nothing, the base step having run already.
// OnCreate runs right after it, and TheIniName is asked then.
//
// The form state file also keeps the window's placement per screen
// arrangement (form/WindowGeometry.h), restored at the first show before the
// window appears, and saved at destruction; MEMINI_include_geometry off
// leaves it out.
#include "../external/Tms_utils.h"
#include "../external/Tool_image_basics.h"
#include "../platform/Broadcast.h"
#include "../platform/Components.h"
#include "../platform/Forms.h"
#include "../qz8_export.h"
#include "../settings/ReadAndSaveIni.h"
#include "WindowGeometry.h"

#include <QList>
#include <QPointer>
#include <functional>
#include <vector>

class QToolBar;

namespace qz8 {

class TAdvFormStyler;

constexpr unsigned WM_DPICHANGED = 0x02E0;
constexpr unsigned WS_EX_APPWINDOW = 0x00040000;

enum TEnableDisable { ed_enable, ed_disable };

/// What a window is created with: extended style bits and Qt window flags.
struct QZ8_EXPORT TCreateParams {
    unsigned ExStyle = 0;
    Qt::WindowFlags Flags;
};

/// Tells every running tool "new style".
QZ8_EXPORT bool BroadcastStyle(TTMSStyle style);

class QZ8_EXPORT TTMSStyleableRepositoryForm : public TForm, public IFormStateSections {
    Q_OBJECT
    Q_INTERFACES(qz8::IFormStateSections)
public:
    explicit TTMSStyleableRepositoryForm(QWidget* parent = nullptr);
    ~TTMSStyleableRepositoryForm() override;

    /// The size-relevant components collected by AddAFormStyler.
    QList<QPointer<QObject>> ComponentsToResize;
    QPointer<TAdvFormStyler> FormStylerPAI;
    std::vector<QPointer<QWidget>> buttons;

    /// Creates the styler (owned by Crianca) once, styles it, and collects
    /// Crianca's size-relevant components.
    void AddAFormStyler(TTMSStyleableRepositoryForm* Crianca);
    TAdvFormStyler* GetFormStyler() const;
    static void EnableOrDisableButtons(const std::vector<QWidget*>& controls, TEnableDisable how);
    /// The centre of GetChildForm, or of this window without one.
    TPoint GetCentreofMainForm();

    virtual void CorrigeFormScreenRes();
    virtual void DoActivateStuff(QObject* Sender);
    virtual void DoCreateStuff(QObject* Sender);
    virtual void DoShowStuff(QObject* Sender);
    virtual QWidget* GetChildForm() { return nullptr; }
    virtual QToolBar* GetChildToolbar() { return nullptr; }
    virtual void MudancaDeEstilo(QObject* Sender);
    virtual bool ShowOnTaskbar() { return false; }
    virtual QString TheIniName() { return QString(); }
    virtual void CreateParams(TCreateParams& Params);

    /// Runs once construction has finished, after DoCreateStuff (the
    /// window's own, an override included) and before the first show.
    std::function<void(QObject* Sender)> OnCreate;
    /// Ends construction now: the override of DoCreateStuff and OnCreate run
    /// (once). The first show and the first event do it by themselves.
    void FinishConstruction();

    /// The launcher's message (1256): command 703 takes the low byte of the
    /// value as the new style. Result is 0 whatever the command.
    void WMBroadcastByShell(TMessage& Message);
    /// Gives every collected component the image list, item height or font
    /// scale of the current image height; logs the walk when logging is on.
    void ReadjustSizeRelevantComponents(TImageDimensions adimension);
    /// The density-changed message: WParam's low 16 bits the new density,
    /// LParam a pointer to the suggested window rectangle (a TRect).
    void WMDpiChanged(TMessage& Msg);
    TRect RecommendedSize() const { return Win_recommended_size; }

    bool HasShown() const { return has_shown; }
    /// True when the form state file existed but could not be read: the
    /// window then keeps its controls and does not save over the file.
    bool FormStateUnreadable() const { return fIniUnreadable; }
    bool DoneCreateThings() const { return done_create_things; }
    bool NeedsSizeAdjust() const { return needs_size_adjust; }
    unsigned CreatedExStyle() const { return fCreatedExStyle; }

    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    void setVisible(bool visible) override;
    ///@}

    /// The window's placement in its form state file.
    void ReadFormSections(const TMyMemIniFile& ini) override;
    void SaveFormSections(TMyMemIniFile& ini) override;

protected:
    ///@{
    /// Reimplemented from the Qt base class for this control's behaviour.
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    ///@}

    TRect Win_recommended_size;
    bool needs_size_adjust = false;

    /// The window's screen, or that screen's density, changed: a
    /// density-changed message with the new density.
    void ScreenDensityChanged(qreal logicalDpi) override;

private:
    void BindStepEvents();
    bool has_shown = false;
    bool done_create_things = false;
    bool fStepsBound = false;
    bool fWindowCreated = false;
    bool fConstructed = false; ///< FinishConstruction ran
    bool fInDeferredCreate = false; ///< the virtual DoCreateStuff of FinishConstruction runs
    bool fIniUnreadable = false; ///< its form state file failed to read

    /// The placements of every arrangement the file holds, kept so that a
    /// save keeps those of the other arrangements.
    TPlacements fPlacements;
    bool fPlacementsKnown = false;

    unsigned fCreatedExStyle = 0;
    QString fIniName;
};

} // namespace qz8
