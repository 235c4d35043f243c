// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
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
// do), so they still exist when the base class saves them.
//
// The window's life (when it is made whole, reads its form state file and
// writes it) is on the class's reference page below, "The window's life".
//
// The form state file also keeps the window's placement per screen
// arrangement (form/WindowGeometry.h), restored at the first show before the
// window appears, and saved with the form state; MEMINI_include_geometry off
// leaves it out.
#include "../external/Tms_utils.h"
#include "../external/Tool_image_basics.h"
#include "../platform/Broadcast.h"
#include "../qz8_export.h"
#include "../settings/ReadAndSaveIni.h"
#include "../toolkit/Components.h"
#include "../toolkit/Forms.h"
#include "WindowGeometry.h"

#include <QList>
#include <QPointer>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

class QToolBar;

namespace qz8 {

class TAdvFormStyler;

// <windows.h> defines these as macros of the same values; where it came
// first, its definitions serve.
#ifndef WM_DPICHANGED
/// The density-changed window message.
inline constexpr unsigned WM_DPICHANGED = 0x02E0;
#endif
#ifndef WS_EX_APPWINDOW
/// The extended window style of a window with its own task-bar entry.
inline constexpr unsigned WS_EX_APPWINDOW = 0x00040000;
#endif

/// Whether EnableOrDisableButtons enables or disables.
enum TEnableDisable { ed_enable, ed_disable };

/// What a window is created with: extended style bits and Qt window flags.
struct QZ8_EXPORT TCreateParams {
    unsigned ExStyle = 0; ///< extended window style bits (WS_EX_APPWINDOW)
    Qt::WindowFlags Flags; ///< Qt's window flags
};

/// Tells every running tool "new style", without holding the calling thread (see
/// BroadcastToRunningToolsWithoutWaiting): false when the session bus is known not to answer.
QZ8_EXPORT bool BroadcastStyle(TTMSStyle style);

class TTMSStyleableRepositoryFormPrivate;
/// The styleable base window of every tool of the suite: it reads its form state file (TheIniName) at the first show
/// and writes it at the end of its life, applies the process-wide style on show and activation and when the launcher
/// broadcasts a new one ("style switching", MudancaDeEstilo), and corrects its size-relevant components for the
/// screen's density ("density correction", CorrigeFormScreenRes).
///
/// <b>The window's life.</b> C++ reaches no override of a virtual from a constructor or a destructor, so the steps that
/// must reach the derived window run while the whole window exists:
/// - <b>Made whole.</b> The create step (the most-derived DoCreateStuff, then OnCreate, then TheIniName) runs once, at
///   the first of: MakeWindow (or an explicit FinishConstruction after the last constructor), the first moment the
///   window is visible by any path (its own show, a parent's show, a dialog's exec, a layout, a stacked page), and the
///   first end moment; never while a constructor runs events (processEvents, ProcessMessages, a modal dialog).
/// - <b>Read.</b> At that first visible moment, after the create step, the form state file is read (migrated first
///   when the window declares steps, IFormStateMigrations), its placement restored, and from then on the window
///   watches what it keeps.
/// - <b>Written as it changes.</b> A change of a kept control (its USER property's notify signal), of the window's
///   placement, or of its own sections (FormStateChanged) is written within two seconds: only the changed sections,
///   collected on the GUI thread, written off it, one write at a time, under the file's lock and over the file as it
///   is on disk then (settings/FormStateStore.h). An idle window writes nothing; a crash loses at most the last two
///   seconds. FlushFormState writes at once; so does the session manager's commitDataRequest.
/// - <b>Written at its end.</b> The whole state, with the most-derived TheIniName and SaveFormSections, at the first
///   end moment: a close that is accepted, deleteLater (WA_DeleteOnClose included), the deletion of its parent, the
///   application's quit (QCoreApplication::aboutToQuit) with the window open, or SaveFormState. Shown again, the
///   window saves again at its next end moment. A save that fails (a read-only file, a full disk, a lock not had) is
///   logged through "qz8", leaves FormStateSaved false, and is tried again at the next end moment.
/// - <b>Deleted directly</b> (delete, the end of a scope, a smart pointer) without any of these, the library has no
///   moment before the derived part is gone: the base saves its controls and placement under the name asked last,
///   keeps the sections it does not write (the derived window's own), and says so once through "qz8". A tool that
///   deletes windows directly calls SaveFormState first.
/// - <b>Never shown</b>, a window never read its file: its saves write over none of the file's values; they add the
///   sections of controls the file lacks, and its own sections.
///
/// \image html example-first-tool.png "A first tool window"
class QZ8_EXPORT TTMSStyleableRepositoryForm : public TForm, public IFormStateSections {
    Q_OBJECT
    Q_INTERFACES(qz8::IFormStateSections)
public:
    /// A base window; a parent takes ownership. A derived window's DoCreateStuff runs once construction has finished
    /// (FinishConstruction, MakeWindow, the first show, or the first end moment).
    explicit TTMSStyleableRepositoryForm(QWidget* parent = nullptr);
    ~TTMSStyleableRepositoryForm() override;

    /// The size-relevant components collected by AddAFormStyler.
    QList<QPointer<QObject>> ComponentsToResize;
    QPointer<TAdvFormStyler> FormStylerPAI; ///< The styler that AddAFormStyler made ("PAI": the styler of the window).
    std::vector<QPointer<QWidget>> buttons; ///< Buttons that EnableOrDisableButtons may act on, kept by the tool.

    /// Creates the styler (owned by Crianca) once, styles it, and collects
    /// Crianca's size-relevant components.
    void AddAFormStyler(TTMSStyleableRepositoryForm* Crianca);
    /// The styler AddAFormStyler made, nullptr before.
    TAdvFormStyler* GetFormStyler() const;
    /// Enables or disables every control of the list.
    static void EnableOrDisableButtons(const std::vector<QWidget*>& controls, TEnableDisable how);
    /// The centre of GetChildForm, or of this window without one.
    TPoint GetCentreofMainForm();

    /// Density correction (the original suite's "correct the form for the screen resolution"): sets the global font
    /// scale and image height from the window's screen density, and gives every collected size-relevant component its
    /// image list, item height or font scale when they differ from 96 dpi.
    virtual void CorrigeFormScreenRes();
    /// Runs at each activation: gives the styler and the window the process-wide style.
    virtual void DoActivateStuff(QObject* Sender);
    /// Runs once when construction has finished (before the first show): the window's set-up; the base resets its
    /// bookkeeping and takes its parent's font.
    virtual void DoCreateStuff(QObject* Sender);
    /// Runs at each show: the first reads the form state file; each gives the styler the process-wide style and
    /// corrects for the density.
    virtual void DoShowStuff(QObject* Sender);
    /// The window whose centre GetCentreofMainForm gives (none: this window).
    virtual QWidget* GetChildForm() { return nullptr; }
    /// A tool bar of the window's child form, for the tool to style (none by default).
    virtual QToolBar* GetChildToolbar() { return nullptr; }
    /// Style switching (the original suite's "change of style"): after the pending events, gives the window and its
    /// styler the process-wide style and repaints. Runs when the launcher broadcasts a new style.
    virtual void MudancaDeEstilo(QObject* Sender);
    /// Whether the window has a task-bar entry of its own (false by default).
    virtual bool ShowOnTaskbar() { return false; }
    /// The full path of the window's form state file; empty (the default) keeps nothing. A tool overrides it, for
    /// example with a file in QStandardPaths::AppConfigLocation.
    virtual QString TheIniName() { return QString(); }
    /// Adds what the window is created with: its own task-bar entry when ShowOnTaskbar.
    virtual void CreateParams(TCreateParams& Params);

    /// Runs once construction has finished, after DoCreateStuff (the
    /// window's own, an override included) and before the first show.
    std::function<void(QObject* Sender)> OnCreate;
    /// Ends construction now: the override of DoCreateStuff and OnCreate run
    /// (once), the window's creation parameters (CreateParams) are taken and
    /// TheIniName is asked. The first show, and the first moment the form
    /// state is saved, do it by themselves; MakeWindow does it at once. Call
    /// it after the last constructor only. False when the window was deleted
    /// meanwhile (by the create step, or by events it ran).
    bool FinishConstruction();
    /// Writes the form state file now, while the whole window exists: the most-derived TheIniName and SaveFormSections
    /// are used. Ends construction first when it had not ended. Once it succeeded, the window's later close, deletion
    /// or the application's quit save nothing more, unless the window is shown again. False when nothing was written:
    /// no name (said at the debug level of "qz8"), an unreadable file kept, or an error (logged through "qz8"; the
    /// next end moment tries again). What the derived window's own TheIniName or SaveFormSections raise reaches the
    /// caller (at an end moment, it is logged through "qz8"), and the next end moment tries again.
    bool SaveFormState();
    /// True once the form state was saved at one of the window's end moments (or by SaveFormState) and that save
    /// succeeded, and the window was not shown since. A failed save leaves it false, and the next end moment tries
    /// again.
    bool FormStateSaved() const;
    /// The window's own sections (SaveFormSections) changed: they are written within two seconds, as the controls'
    /// changes are. A derived window calls it when its own state changes.
    /// \since 0.3
    void FormStateChanged();
    /// Writes what changed since the last write now, and waits until it is on disk. True when nothing is left
    /// unwritten (false: a write failed, and is tried again at the next change or end moment).
    /// \since 0.3
    bool FlushFormState();

    /// The launcher's message (1256): command 703 takes the low byte of the
    /// value as the new style. Result is 0 whatever the command.
    void WMBroadcastByShell(TMessage& Message);
    /// Gives every collected component the image list, item height or font
    /// scale of the current image height; logs the walk when logging is on.
    void ReadjustSizeRelevantComponents(TImageDimensions adimension);
    /// The density-changed message: WParam's low 16 bits the new density,
    /// LParam a pointer to the suggested window rectangle (a TRect).
    void WMDpiChanged(TMessage& Msg);
    /// The window rectangle the last density change suggested.
    TRect RecommendedSize() const { return Win_recommended_size; }

    /// True once the window was shown.
    bool HasShown() const;
    /// True when the form state file existed but could not be read: the
    /// window then keeps its controls and does not save over the file.
    bool FormStateUnreadable() const;
    /// True once DoCreateStuff ran.
    bool DoneCreateThings() const;
    /// True when the density differs from 96 dpi, so that components are corrected.
    bool NeedsSizeAdjust() const { return needs_size_adjust; }
    /// The extended style the window was created with.
    unsigned CreatedExStyle() const;

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
    ///@}

    TRect Win_recommended_size; ///< the window rectangle the last density change suggested
    bool needs_size_adjust = false; ///< whether components are corrected for the density

    /// The window's screen, or that screen's density, changed: a
    /// density-changed message with the new density.
    void ScreenDensityChanged(qreal logicalDpi) override;

private:
    void BindStepEvents();
    // Saves unless saved since the last show; false when the window is gone.
    bool SaveAtEndMoment();
    // SaveFormState, telling whether the window outlived it (alive).
    bool Save(bool& alive);
    bool WriteFormState(bool keepOtherSections);
    void WatchParent();
    std::unique_ptr<TTMSStyleableRepositoryFormPrivate> const d;
};

/// Creates a window of class T (derived from TTMSStyleableRepositoryForm)
/// and ends its construction at once: the most-derived create step runs
/// before the caller sees the window, whatever T's constructors did. Null
/// when the create step deleted the window.
template <class T, class... Args>
T* MakeWindow(Args&&... args)
{
    static_assert(std::is_base_of_v<TTMSStyleableRepositoryForm, T>, "MakeWindow makes tool windows");
    QPointer<T> w(new T(std::forward<Args>(args)...));
    w->FinishConstruction();
    return w.data();
}

} // namespace qz8
