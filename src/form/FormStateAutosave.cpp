// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "external/General_runtime.h"
#include "form/FormStateAutosave_p.h"
#include "form/baseTMSStyleable_F.h"
#include "platform/Logging_p.h"
#include "settings/ReadAndSaveIni_p.h"
#include "store/FormStateStore.h"
#include "store/FormStateStore_p.h"
#include "store/MemIniFile.h"

#include <QMetaProperty>
#include <QMutex>
#include <QMutexLocker>
#include <exception>

namespace qz8 {

// One write: what the GUI thread collected, and how it went.
struct TAutosaveJob {
    QString fileName;
    TMyMemIniFile base{QString()}; // the sections as the window last read or wrote them
    TMyMemIniFile changed{QString()}; // the same sections as the window holds them now
    QList<QPointer<QObject>> controls; // marked again when the write fails
    bool own = false;
    QMutex mutex;
    bool done = false;
    bool ok = false;
    QString error;
};

TFormStateAutosave::TFormStateAutosave(TTMSStyleableRepositoryForm* window) : QObject(window), fWindow(window)
{
    fTimer.setSingleShot(true);
    fTimer.setInterval(kDelayMs);
    connect(&fTimer, &QTimer::timeout, this, [this] { Flush(false); });
    fPool.setMaxThreadCount(1);
}

TFormStateAutosave::~TFormStateAutosave()
{
    // The worker posts its end to this object: it ends before this does.
    fPool.waitForDone();
}

TFormStateAutosave* TFormStateAutosave::Of(TTMSStyleableRepositoryForm* window)
{
    return window ? window->findChild<TFormStateAutosave*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void TFormStateAutosave::Watch(const QString& fileName)
{
    Unwatch();
    fFileName = fileName;
    if (fileName.isEmpty())
        return;
    const int slot = metaObject()->indexOfSlot("ControlChanged()");
    const QMetaMethod changed = metaObject()->method(slot);
    for (QObject* c : KeptControls(fWindow)) {
        // A control announces its value's changes through its USER
        // property's signal; one without is saved at the end moments.
        const QMetaProperty user = c->metaObject()->userProperty();
        if (user.isValid() && user.hasNotifySignal())
            fConnections.append(connect(c, user.notifySignal(), this, changed));
    }
}

void TFormStateAutosave::Unwatch()
{
    for (const QMetaObject::Connection& c : std::as_const(fConnections))
        disconnect(c);
    fConnections.clear();
    fTimer.stop();
    fDirty.clear();
    fOwnDirty = false;
}

void TFormStateAutosave::ControlChanged() { Changed(sender()); }

void TFormStateAutosave::Changed(QObject* control)
{
    if (control && !fDirty.contains(control))
        fDirty.append(control);
    Arm();
}

void TFormStateAutosave::OwnChanged()
{
    if (fFileName.isEmpty())
        return;
    fOwnDirty = true;
    Arm();
}

void TFormStateAutosave::Arm()
{
    // From the first unsaved change: a change held down (a spin box's
    // arrow) is written every delay, not put off until it ends.
    if (!fTimer.isActive() && !fJob)
        fTimer.start();
}

std::shared_ptr<TAutosaveJob> TFormStateAutosave::Collect()
{
    if (fFileName.isEmpty() || (fDirty.isEmpty() && !fOwnDirty))
        return nullptr;
    TFormStateSession* session = FindFormStateSession(fWindow, fFileName);
    if (!session)
        return nullptr; // the window read another file since: its end moment saves
    auto job = std::make_shared<TAutosaveJob>();
    job->fileName = fFileName;
    job->own = fOwnDirty;
    job->changed = TMyMemIniFile(fFileName);
    job->changed.Clear();
    QList<QObject*> controls;
    for (const QPointer<QObject>& c : std::as_const(fDirty)) {
        if (c) {
            controls.append(c);
            job->controls.append(c);
        }
    }
    fDirty.clear();
    fOwnDirty = false;
    try {
        SaveControlStates(controls, job->changed);
        if (job->own)
            fWindow->SaveFormSections(job->changed);
    } catch (const std::exception& e) {
        // Written whole at the next end moment instead.
        qCWarning(lcQz8, "form state file \"%s\": the changes could not be collected: %s", qPrintable(fFileName),
                  e.what());
        return nullptr;
    }
    // Only sections that differ from what the file had go to the disk: the
    // store's own rule, over those sections as the window last had them.
    session = FindFormStateSession(fWindow, fFileName);
    if (!session)
        return nullptr;
    job->base.Clear();
    for (const QString& section : job->changed.ReadSections()) {
        for (const QString& key : session->Base.ReadSection(section))
            job->base.WriteString(section, key, session->Base.ReadString(section, key, QString()));
    }
    TMyMemIniFile scratch = job->base;
    return PutFormStateChanges(job->base, job->changed, scratch, false) ? job : nullptr;
}

bool TFormStateAutosave::Flush(bool wait)
{
    fTimer.stop();
    if (fJob) {
        if (!wait)
            return false; // Finish starts the next write
        fPool.waitForDone();
        Finish();
    }
    const std::shared_ptr<TAutosaveJob> job = Collect();
    if (!job)
        return fDirty.isEmpty() && !fOwnDirty;
    fJob = job;
    fPool.start([job, receiver = this] {
        bool ok = false;
        QString error;
        try {
            EditFormStateFile(job->fileName, [&](TMyMemIniFile& now) {
                return PutFormStateChanges(job->base, job->changed, now, false);
            });
            ok = true;
        } catch (const Exception& e) {
            error = e.Message();
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        }
        {
            const QMutexLocker lock(&job->mutex);
            job->done = true;
            job->ok = ok;
            job->error = error;
        }
        // Dropped when the receiver is gone; it waits for this job first.
        QMetaObject::invokeMethod(
            receiver, [receiver] { receiver->Finish(); }, Qt::QueuedConnection);
    });
    if (wait) {
        fPool.waitForDone();
        Finish();
        return fDirty.isEmpty() && !fOwnDirty;
    }
    return false;
}

void TFormStateAutosave::Finish()
{
    const std::shared_ptr<TAutosaveJob> job = fJob;
    if (!job)
        return;
    {
        const QMutexLocker lock(&job->mutex);
        if (!job->done)
            return;
    }
    fJob.reset();
    if (job->ok) {
        ++fWrites;
        // What the window wrote is what its next writes go against.
        if (TFormStateSession* session = FindFormStateSession(fWindow, job->fileName))
            PutFormStateChanges(job->base, job->changed, session->Base, false);
    } else {
        qCWarning(lcQz8, "form state file \"%s\": the changes were not saved, tried again: %s",
                  qPrintable(job->fileName), qPrintable(job->error));
        for (const QPointer<QObject>& c : std::as_const(job->controls)) {
            if (c && !fDirty.contains(c))
                fDirty.append(c);
        }
        fOwnDirty = fOwnDirty || job->own;
    }
    // After a failure, the next change or end moment tries again: a file
    // that cannot be written is not tried every few seconds.
    if (job->ok && (!fDirty.isEmpty() || fOwnDirty))
        Arm();
}

void TFormStateAutosave::Settle()
{
    if (fJob) {
        fPool.waitForDone();
        Finish();
    }
    fTimer.stop();
    fDirty.clear();
    fOwnDirty = false;
}

} // namespace qz8
