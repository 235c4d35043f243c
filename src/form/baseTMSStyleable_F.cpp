// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "form/baseTMSStyleable_F.h"
#include "external/General_runtime.h"
#include "external/TmsControls.h"
#include "form/BarsAndDocks_p.h"
#include "form/baseTMSStyleable_F_p.h"
#include "form/components_and_ControlsU_base.h"
#include "platform/Logging_p.h"
#include "platform/WindowSystem_p.h"
#include "settings/ReadAndSaveIni_p.h"
#include "store/FormStateStore_p.h"
#include "store/MemIniFile.h"
#include "toolkit/Application.h"
#include "toolkit/ImageControls.h"
#include "toolkit/QtBoundary_p.h"
#include "toolkit/SizeRelevant.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QToolBar>
#include <QWindow>
#include <cmath>

namespace qz8 {

namespace {

// Errors of the form state file do not stop the window; false after one.
template <class Step>
bool CarryOn(const char* what, const Step& step)
{
    try {
        step();
        return true;
    } catch (const Exception& e) {
        qCWarning(lcQz8, "%s: %s", what, qPrintable(e.Message()));
        if (global_keeping_log)
            AddToLogFile(e.Message());
        return false;
    }
}

} // namespace

bool BroadcastStyle(TTMSStyle style)
{
    return BroadcastToRunningToolsWithoutWaiting(kCommandNewStyle, 0, static_cast<int>(style));
}

TTMSStyleableRepositoryForm::TTMSStyleableRepositoryForm(QWidget* parent)
    : TForm(parent), d(std::make_unique<TTMSStyleableRepositoryFormPrivate>())
{
    // The design defaults, which derived windows override.
    setObjectName(QStringLiteral("TMSStyleableRepositoryForm"));
    setWindowTitle(QStringLiteral("TMSStyleableRepositoryForm"));
    move(0, 0);
    resize(635, 299);
    SetColor(clBtnFace);
    QFont design(QStringLiteral("Tahoma"));
    design.setPixelSize(11);
    setFont(design);
    SetPixelsPerInch(96);
    // The base step now (a virtual call reaches no override here); the
    // override once the window is built (FinishConstruction). No posted
    // event can tell when that is: a constructor in the chain may run events.
    TTMSStyleableRepositoryForm::DoCreateStuff(this);
    d->fAutosave = new TFormStateAutosave(this);
    if (auto* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { SaveAtEndMoment(); });
#ifndef QT_NO_SESSIONMANAGER
    // The session ends (the user logs out): what changed reaches the disk
    // before the session manager may end the process.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, [this] { d->fAutosave->Flush(true); });
#endif
    WatchParent();
    auto* listener = new TLauncherListener(this, [this] { return static_cast<quintptr>(internalWinId()); });
    connect(listener, &TLauncherListener::received, this, [this](quint32 msg, quint64 wParam, qint64 lParam) {
        if (msg != WM_BROADCAST_BY_SHELL)
            return;
        TMessage m{msg, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam), 0};
        AtQtBoundary("TTMSStyleableRepositoryForm::WMBroadcastByShell", [&] { WMBroadcastByShell(m); });
    });
}

TTMSStyleableRepositoryForm::~TTMSStyleableRepositoryForm()
{
    disconnect(d->fParentWatch);
    d->fAutosave->Settle();
    // Deleted directly, with no end moment before: the derived part is gone
    // already, so the base saves what it reaches (the controls are still its
    // children) and keeps the file's sections a derived window wrote.
    if (d->fSaved == TTMSStyleableRepositoryFormPrivate::TSaved::No) {
        // Said where a file was named: a window never built whole, or with
        // no file, has nothing of the user's to lose.
        static bool told = false;
        if (!told && d->fConstructed && !d->fIniName.isEmpty()) {
            told = true;
            qCWarning(lcQz8,
                      "Window \"%s\" was deleted without being closed: its own sections are not saved. Call "
                      "SaveFormState() before deleting a window, or close it or use deleteLater().",
                      qPrintable(objectName()));
        }
        if (d->fConstructed)
            WriteFormState(true);
    }
    ComponentsToResize.clear();
    delete FormStylerPAI.data();
}

bool TTMSStyleableRepositoryForm::WriteFormState(bool keepOtherSections)
{
    // A file that could not be read is the user's, not this window's: it
    // is not replaced.
    if (FormStateUnreadable()) {
        qCWarning(lcQz8, "SaveIni: \"%s\" was not saved, it could not be read", qPrintable(d->fIniName));
        return false;
    }
    if (d->fIniName.isEmpty()) {
        qCDebug(lcQz8, "SaveIni: window \"%s\" names no form state file (TheIniName)", qPrintable(objectName()));
        return false;
    }
    return CarryOn("SaveIni", [this, keepOtherSections] {
        // A window that never had its read moment holds no value of the
        // user's: it never writes over the file's values.
        if (!d->has_shown)
            SaveIniAddingMissing(this, d->fIniName);
        else if (keepOtherSections)
            SaveIniKeepingOtherSections(this, d->fIniName, {WindowGeometrySection(), kBarsAndDocksSection});
        else
            SaveIni(this, d->fIniName);
    });
}

bool TTMSStyleableRepositoryForm::SaveFormState()
{
    bool alive = true;
    return Save(alive);
}

bool TTMSStyleableRepositoryForm::Save(bool& alive)
{
    using TSaved = TTMSStyleableRepositoryFormPrivate::TSaved;
    if (d->fSaved == TSaved::Saving)
        return false;
    if (!FinishConstruction()) {
        alive = false;
        return false;
    }
    // The derived window's TheIniName and SaveFormSections may run events
    // that delete it: nothing of it is touched after that, also when they
    // raise.
    const QPointer<TTMSStyleableRepositoryForm> self(this);
    d->fSaved = TSaved::Saving;
    bool saved = false;
    // A failed save (or one that raised) is tried again at the next end moment.
    const auto done = qScopeGuard([&] {
        alive = !self.isNull();
        if (alive)
            d->fSaved = saved ? TSaved::Yes : TSaved::No;
    });
    d->fIniName = TheIniName(); // asked now: the whole window exists
    if (!self)
        return false;
    d->fAutosave->Settle();
    saved = WriteFormState(false);
    return saved;
}

bool TTMSStyleableRepositoryForm::SaveAtEndMoment()
{
    // Every end moment comes from Qt (an event, a signal): what the derived
    // window's code raises stops here.
    bool alive = true;
    if (d->fSaved == TTMSStyleableRepositoryFormPrivate::TSaved::No)
        AtQtBoundary("TTMSStyleableRepositoryForm::SaveFormState", [&] { Save(alive); });
    return alive;
}

void TTMSStyleableRepositoryForm::WatchParent()
{
    disconnect(d->fParentWatch);
    // A parent deletes its children after it announced its own deletion:
    // this window is whole then, and saves.
    if (QWidget* parent = parentWidget())
        d->fParentWatch = connect(parent, &QObject::destroyed, this, [this] { SaveAtEndMoment(); });
}

void TTMSStyleableRepositoryForm::DoCreateStuff(QObject*)
{
    // Reached from an override's inherited call once the window is built:
    // the base step ran in the constructor, and what the derived
    // constructors did on top of it (a styler, collected components) stays.
    if (d->fConstructed)
        return;
    d->has_shown = false;
    d->done_create_things = true;
    FormStylerPAI = nullptr;
    ComponentsToResize.clear();
    SetScaled(false);
    setFont(QFont()); // ParentFont
    needs_size_adjust = false;
    setFont(DefaultFont());
    BindStepEvents();
}

void TTMSStyleableRepositoryForm::BindStepEvents()
{
    OnActivate = [this](QObject* sender) { DoActivateStuff(sender); };
    OnShow = [this](QObject* sender) { DoShowStuff(sender); };
}

bool TTMSStyleableRepositoryForm::FinishConstruction()
{
    if (d->fConstructed)
        return true;
    d->fConstructed = true;
    // The derived window's create step runs once, and may delete the window
    // or raise: the rest of the step is then left out.
    const QPointer<TTMSStyleableRepositoryForm> self(this);
    AtQtBoundary("TTMSStyleableRepositoryForm::FinishConstruction", [&] {
        DoCreateStuff(this);
        if (self && OnCreate)
            OnCreate(this);
        if (!self)
            return;
        // A derived window may have bound its own step handlers while it
        // was built; built, the base steps run instead.
        BindStepEvents();
        TCreateParams params;
        params.Flags = windowFlags();
        CreateParams(params);
        d->fCreatedExStyle = params.ExStyle;
        // Not while shown (a window shown by its parent's show): the flags
        // then stay as they are.
        if (params.Flags != windowFlags() && !isVisible())
            setWindowFlags(params.Flags);
        d->fIniName = TheIniName();
    });
    return !self.isNull();
}

bool TTMSStyleableRepositoryForm::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Close: {
        // The derived window's closeEvent decides; a close it accepts saves.
        const QPointer<TTMSStyleableRepositoryForm> self(this);
        const bool handled = TForm::event(event);
        if (self && event->isAccepted())
            SaveAtEndMoment();
        return handled;
    }
    case QEvent::DeferredDelete: return SaveAtEndMoment() ? TForm::event(event) : true;
    case QEvent::ParentChange: WatchParent(); break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (d->has_shown && isWindow())
            d->fAutosave->OwnChanged();
        break;
    default: break;
    }
    return TForm::event(event);
}

void TTMSStyleableRepositoryForm::setVisible(bool visible)
{
    // Built whole before its native window is made: CreateParams decides
    // the flags that window is made with.
    if (visible && !FinishConstruction())
        return;
    TForm::setVisible(visible);
}

void TTMSStyleableRepositoryForm::CreateParams(TCreateParams& Params)
{
    if (ShowOnTaskbar()) {
        // Its own task-bar entry: a top-level window of its own, no tool
        // window.
        Params.ExStyle |= WS_EX_APPWINDOW;
        Params.Flags = (Params.Flags & ~Qt::WindowType_Mask) | Qt::Window;
    }
}

void TTMSStyleableRepositoryForm::showEvent(QShowEvent* event)
{
    // Shown by any path (a parent's show, a dialog's exec, a layout, a
    // stacked page), not only its own setVisible: construction ends first,
    // so the create step runs before the read, and a window shown again
    // saves again at its next end moment.
    if (!FinishConstruction())
        return;
    d->fSaved = TTMSStyleableRepositoryFormPrivate::TSaved::No;
    TForm::showEvent(event); // the show step, behind the form's boundary
}

void TTMSStyleableRepositoryForm::DoShowStuff(QObject*)
{
    // Asked at every show: the name may follow what the window shows.
    d->fIniName = TheIniName();
    if (!d->has_shown) {
        const QString name = d->fIniName;
        // From now on the user's changes reach the file as they happen; a
        // read that failed is kept in the store's record of the read.
        if (CarryOn("ReadIni", [this, &name] { ReadIni(this, name); }))
            d->fAutosave->Watch(name);
        else
            FormStateSessionOf(this).Unreadable = true;
    }
    d->has_shown = true;
    if (global_keeping_log)
        AddToLogFile(QStringLiteral("FormShow %1").arg(objectName()));
    if (FormStylerPAI)
        FormStylerPAI->SetStyle(Global_TMSStyle);
    CorrigeFormScreenRes();
}

void TTMSStyleableRepositoryForm::DoActivateStuff(QObject*)
{
    if (FormStylerPAI)
        FormStylerPAI->SetStyle(Global_TMSStyle);
    SetColor(GetABaseTMSBackgroundColour(Global_TMSStyle));
}

void TTMSStyleableRepositoryForm::MudancaDeEstilo(QObject*)
{
    QPointer<TTMSStyleableRepositoryForm> self(this);
    ProcessMessages();
    if (!self)
        return; // closed while the pending events ran
    SetColor(GetABaseTMSBackgroundColour(Global_TMSStyle));
    if (FormStylerPAI)
        FormStylerPAI->SetStyle(Global_TMSStyle);
    update();
}

void TTMSStyleableRepositoryForm::CorrigeFormScreenRes()
{
    setFont(QFont()); // ParentFont
    GlobalMonitorFontScale = CurrentDPIScale(PixelsPerInch());
    GlobalImageHeight = IntegerToNearestImageHeight(static_cast<int>(std::nearbyint(PixelsPerInch() / 5.0)));
    if (GlobalMonitorFontScale != 1.0f || PixelsPerInch() != 96)
        needs_size_adjust = true;
    if (needs_size_adjust)
        ReadjustSizeRelevantComponents(IntegerToImageDimension(GlobalImageHeight));
}

void TTMSStyleableRepositoryForm::ReadjustSizeRelevantComponents(TImageDimensions adimension)
{
    if (global_keeping_log)
        AddToLogFile(QStringLiteral("%1 componentstoresize start").arg(objectName()));
    TDensityStep step{GlobalImageHeight, GlobalMonitorFontScale};
    // Collected components are held weakly: one deleted since is skipped.
    const QList<QPointer<QObject>> components = ComponentsToResize;
    int n = 0;
    for (const QPointer<QObject>& held : components) {
        ++n;
        QObject* c = held.data();
        if (!c)
            continue;
        if (global_keeping_log)
            AddToLogFile(QStringLiteral("\t%1: %2").arg(n).arg(c->objectName()));
        const auto* shower = qobject_cast<IImageShower*>(c);
        if (ObjHasPropertyAndNotValue(c, "Images", 0) && (!shower || shower->FollowsImageDimension()))
            TrySetPropValue(c, "Images", static_cast<QObject*>(ImageLists[adimension]));
        // The table decides whether a row applies; the control carries the
        // row's action.
        if (DensityRowOf(c) != TDensityRow::None) {
            if (auto* resizes = qobject_cast<ISizeRelevant*>(c))
                resizes->ResizeForImageHeight(step);
        }
    }
}

void TTMSStyleableRepositoryForm::WMDpiChanged(TMessage& Msg)
{
    if (const auto* suggested = reinterpret_cast<const TRect*>(Msg.LParam))
        Win_recommended_size = *suggested;
    const int dpi = static_cast<int>(Msg.WParam & 0xFFFF);
    if (dpi > 0) {
        ChangeScale(dpi, PixelsPerInch());
        SetPixelsPerInch(dpi);
    }
    CorrigeFormScreenRes();
    Msg.Result = 0;
}

void TTMSStyleableRepositoryForm::ScreenDensityChanged(qreal logicalDpi)
{
    if (!std::isfinite(logicalDpi) || logicalDpi < 1 || logicalDpi > 10000)
        return;
    const int dpi = static_cast<int>(std::nearbyint(logicalDpi));
    if (dpi == PixelsPerInch())
        return;
    // What the system would suggest: the window grown by the new density.
    const QRect g = geometry();
    // In 64 bits, kept in range: a wide window on a dense screen must not
    // overflow.
    const auto grown = [this, dpi](int extent) {
        const qint64 v = qint64{extent} * dpi / std::max(1, PixelsPerInch());
        return static_cast<int>(std::clamp<qint64>(v, 0, QWIDGETSIZE_MAX));
    };
    TRect suggested = Bounds(g.x(), g.y(), grown(g.width()), grown(g.height()));
    TMessage m{WM_DPICHANGED, static_cast<std::uintptr_t>(dpi | (dpi << 16)),
               reinterpret_cast<std::intptr_t>(&suggested), 0};
    WMDpiChanged(m);
}

void TTMSStyleableRepositoryForm::AddAFormStyler(TTMSStyleableRepositoryForm* Crianca)
{
    if (!Crianca)
        return;
    if (!FormStylerPAI)
        FormStylerPAI = new TAdvFormStyler(Crianca);
    FormStylerPAI->SetStyle(Global_TMSStyle);
    FormStylerPAI->OnNotify = [self = QPointer<TTMSStyleableRepositoryForm>(this)](QObject* sender) {
        if (self)
            self->MudancaDeEstilo(sender);
    };
    QList<QObject*> found;
    for (const QPointer<QObject>& c : ComponentsToResize) {
        if (c)
            found.append(c.data());
    }
    LoadAllComponentsOfFormMatching(Crianca, IsOfSizeRelevantClass, &found);
    ComponentsToResize.clear();
    for (QObject* c : found)
        ComponentsToResize.append(c);
}

void TTMSStyleableRepositoryForm::ReadFormSections(const TMyMemIniFile& ini)
{
    if (!MEMINI_include_geometry)
        return;
    // Tool bars and docks as the user left them, from plain values checked
    // against what the window has. A layout blob of an earlier release
    // ("state") is passed over: Qt's reading of one trusts it.
    if (HasBarsOrDocks(this))
        ReadBarsAndDocks(this, ini, kBarsAndDocksSection);
    d->fPlacements = ReadPlacements(ini);
    // A window placed inside another is placed by that one.
    if (d->fPlacements->empty() || !isWindow())
        return;
    // The placement of this arrangement, else the most recent one (made to
    // fit): a new set-up starts where the user last had the window. A copy:
    // the resize below may run a derived window's code that saves.
    const TWindowPlacement p = *PlacementFor(*d->fPlacements, ScreenArrangementKey(ScreenGeometries()));
    const QPointer<TTMSStyleableRepositoryForm> self(this);
    const QRect fitted = FitOnScreens(p.Normal, AvailableScreenGeometries());
    // Where the compositor places windows, the window takes its size only.
    if (WindowsPlaceThemselves()) {
        // A shown window whose new geometry lies on another screen goes to
        // that screen first: Qt 6.8 moves it there but keeps its old size.
        QWindow* handle = windowHandle();
        QScreen* target = QGuiApplication::screenAt(fitted.center());
        if (handle && target && handle->screen() != target)
            handle->setScreen(target);
        setGeometry(fitted);
    } else
        resize(fitted.size());
    if (self && p.State != Qt::WindowNoState)
        setWindowState((windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen)) | p.State);
}

void TTMSStyleableRepositoryForm::SaveFormSections(TMyMemIniFile& ini)
{
    if (!MEMINI_include_geometry)
        return;
    if (!d->fPlacements) {
        // Never read (never shown): the file's placements are kept as they are.
        d->fPlacements.emplace();
        CarryOn("SaveIni", [&] {
            TMyMemIniFile previous(ini.FileName());
            d->fPlacements = ReadPlacements(previous);
        });
    }
    TPlacements& placements = *d->fPlacements;
    // Only a window of its own that was shown has a placement of the user's.
    if (d->has_shown && isWindow()) {
        TWindowPlacement now;
        now.Normal = normalGeometry();
        now.State = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
        const QString here = ScreenArrangementKey(ScreenGeometries());
        // Where the compositor places windows, the window's own position
        // means nothing: the one a platform with positions wrote is kept.
        if (!WindowsPlaceThemselves()) {
            if (const auto earlier = PlacementFor(placements, here))
                now.Normal.moveTopLeft(earlier->Normal.topLeft());
        }
        if (now.Normal.isValid())
            PutPlacementFirst(placements, here, now);
    }
    WritePlacements(ini, placements);
    // Bars and docks as the user left them: a window never shown holds its
    // design layout, not the user's.
    if (d->has_shown && HasBarsOrDocks(this))
        WriteBarsAndDocks(this, ini, kBarsAndDocksSection);
}

TAdvFormStyler* TTMSStyleableRepositoryForm::GetFormStyler() const { return FormStylerPAI; }

void TTMSStyleableRepositoryForm::EnableOrDisableButtons(const std::vector<QWidget*>& controls, TEnableDisable how)
{
    for (QWidget* c : controls) {
        if (c)
            c->setEnabled(how == ed_enable);
    }
}

TPoint TTMSStyleableRepositoryForm::GetCentreofMainForm()
{
    const QWidget* f = GetChildForm();
    if (!f)
        f = this;
    return {f->x() + f->width() / 2, f->y() + f->height() / 2};
}

void TTMSStyleableRepositoryForm::WMBroadcastByShell(TMessage& Message)
{
    const TCallerMessage m = MessageFromCallingProgram(Message);
    if (m.command != kCommandNewStyle)
        return;
    // An ordinal outside the styles would index past the style tables.
    const int ordinal = m.value & 0xFF;
    if (!IsValidTMSStyle(ordinal))
        return;
    Global_TMSStyle = static_cast<TTMSStyle>(ordinal);
    MudancaDeEstilo(nullptr);
}

bool TTMSStyleableRepositoryForm::FormStateSaved() const
{
    return d->fSaved == TTMSStyleableRepositoryFormPrivate::TSaved::Yes;
}

void TTMSStyleableRepositoryForm::FormStateChanged()
{
    if (d->has_shown)
        d->fAutosave->OwnChanged();
}

bool TTMSStyleableRepositoryForm::FlushFormState() { return d->fAutosave->Flush(true); }

bool TTMSStyleableRepositoryForm::HasShown() const { return d->has_shown; }

bool TTMSStyleableRepositoryForm::FormStateUnreadable() const
{
    const TFormStateSession* session = FindFormStateSession(this);
    return session && session->Unreadable;
}

bool TTMSStyleableRepositoryForm::DoneCreateThings() const { return d->done_create_things; }

unsigned TTMSStyleableRepositoryForm::CreatedExStyle() const { return d->fCreatedExStyle; }

} // namespace qz8
