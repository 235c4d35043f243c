// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// A shown window's state on disk within two seconds of each change: the
// change signals of its kept controls, and the window's own changes (its
// placement, what its code says), mark what changed; after a short delay the
// GUI thread collects only that, and the disk work (the lock, the read, the
// merge, the atomic save) runs on a thread of its own, one write at a time.
#include "qz8_export.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <memory>

namespace qz8 {

class TTMSStyleableRepositoryForm;
struct TAutosaveJob;

class QZ8_AUTOTEST_EXPORT TFormStateAutosave : public QObject {
    Q_OBJECT
public:
    // The delay from the first unsaved change to its write, in milliseconds.
    static constexpr int kDelayMs = 1750;

    explicit TFormStateAutosave(TTMSStyleableRepositoryForm* window);
    ~TFormStateAutosave() override;

    // Watches the kept controls of the window from now on (after its read).
    void Watch(const QString& fileName);
    // Stops watching (the window ended, or read another file).
    void Unwatch();
    // The window's own sections changed.
    void OwnChanged();
    // Writes what changed now; with wait, returns once it is on disk (or
    // failed). True when nothing is left unwritten.
    bool Flush(bool wait);
    // Waits for the write in flight and forgets what is pending: a full save
    // of the window follows.
    void Settle();
    // Writes done since the watch began (for tests and benchmarks).
    int Writes() const { return fWrites; }
    // The GUI thread's part of a write: what changed, collected, and the
    // sections of the file it goes over; null when nothing differs.
    std::shared_ptr<TAutosaveJob> Collect();
    // The autosave of a window (for tests and benchmarks).
    static TFormStateAutosave* Of(TTMSStyleableRepositoryForm* window);

private Q_SLOTS:
    void ControlChanged();

private:
    void Arm();
    void Finish();
    void Changed(QObject* control);

    TTMSStyleableRepositoryForm* const fWindow;
    QString fFileName;
    QTimer fTimer;
    QThreadPool fPool;
    QList<QPointer<QObject>> fDirty;
    bool fOwnDirty = false;
    std::shared_ptr<TAutosaveJob> fJob; // the write in flight
    QList<QMetaObject::Connection> fConnections;
    int fWrites = 0;
};

} // namespace qz8
