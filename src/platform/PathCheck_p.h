// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Whether a path exists, asked on a thread of its own: a file system that
// stops answering (a dead network share, a hung FUSE mount) may hold that
// thread for as long as it likes, never the GUI thread.
//
// Every question runs on a thread of one bounded pool, counted per mount:
// while a mount has kMaxStuckPerMount questions stuck in the file system
// for over kStuckCallMs (a dead share), new questions about it get no
// thread and no answer, and questions about other mounts are answered as
// before; the process never runs more than kMaxChecks of them at once. A path holding a NUL character names nothing
// (the system would read it only up to the NUL): it is missing, unasked.
//
// TPathExistence: the newest question wins; an answer to an earlier path is
// dropped. A question unanswered after kStuckAfterMs is left to its thread
// when a newer one comes.
#include "qz8_export.h"
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace qz8 {

struct TPathQuestion;

inline constexpr int kMaxStuckPerMount = 2;
inline constexpr int kStuckCallMs = 250;
inline constexpr int kMaxChecks = 32;
// How long the GUI thread waits for an answer it needs at once.
inline constexpr int kGuiPathWaitMs = 80;

// What a path is, as a thread of the pool found it.
enum class TPathKind { Missing, File, Folder, Other, Unknown };

// Asks the pool what path is, waiting on the calling thread at most waitMs
// once its thread is in the file system (a loaded machine that is slow to
// start the thread is waited for, up to two seconds): Unknown when no
// answer came by then (its thread goes on alone), the path's mount has no
// room for a question, or a call about that mount has been in the file
// system longer than waitMs already (then at once: a window with many paths
// on a dead share waits once, not once a path). Relative paths are taken
// from the current folder.
QZ8_AUTOTEST_EXPORT TPathKind PathKindWithin(const QString& path, int waitMs);
// What each of many paths is, with one read of the mount table, one thread
// per mount (each a question of the pool) and one bounded wait for them
// all: the calling thread waits while the threads go on, at most waitMs on
// a call that does not return (a dead mount: that mount's paths stay
// Unknown, the others are answered), and two seconds in all (what is not
// answered by then stays Unknown). A mount with no room gets no thread.
QZ8_AUTOTEST_EXPORT std::vector<TPathKind> PathKindsWithin(const QStringList& paths, int waitMs);
// Asks the pool what path is, and calls answer with it on context's thread
// when it comes, unless context is gone by then; an answer that does not
// come (a dead mount) never calls it.
void AskPathKind(QObject* context, const QString& path, std::function<void(TPathKind)> answer);

class TPathExistence : public QObject {
    Q_OBJECT
public:
    static constexpr int kStuckAfterMs = 250;
    explicit TPathExistence(QObject* parent = nullptr);
    ~TPathExistence() override;

    // Asks about path; answered() follows on this object's thread.
    void Check(const QString& path);
    // True while a question has no answer yet.
    bool Pending() const;

Q_SIGNALS:
    void answered(const QString& path, bool exists);

private:
    void StartQueued();
    void Poll();

    std::shared_ptr<TPathQuestion> fRunning; // shared with its thread
    QString fQueued; // asked while another was running
    bool fHasQueued = false;
    QTimer* fPoll; // child
};

} // namespace qz8
