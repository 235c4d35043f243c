// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "platform/Drives_p.h"
#include "platform/PathCheck_p.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#ifdef Q_OS_WIN
#include <filesystem>
#else
#include <sys/stat.h>
#endif

namespace qz8 {

// A question to the pool, shared by the asker and the thread; the thread
// touches nothing of Qt.
struct TPathQuestion {
    QString path;
    QElapsedTimer asked;
    std::mutex mutex;
    std::condition_variable answered; // at the start of the file-system call, and at its answer
    bool inCall = false; // the thread is in the file-system call
    std::chrono::steady_clock::time_point callBegan;
    bool done = false;
    TPathKind kind = TPathKind::Unknown;
};

namespace {

TPathKind KindOf(const QByteArray& native)
{
#ifdef Q_OS_WIN
    std::error_code ec;
    const auto st = std::filesystem::status(std::filesystem::path(native.toStdString()), ec);
    if (ec || !std::filesystem::exists(st))
        return TPathKind::Missing;
    return std::filesystem::is_regular_file(st) ? TPathKind::File
           : std::filesystem::is_directory(st)  ? TPathKind::Folder
                                                : TPathKind::Other;
#else
    struct stat st { };
    if (::stat(native.constData(), &st) != 0)
        return TPathKind::Missing;
    return S_ISREG(st.st_mode) ? TPathKind::File : S_ISDIR(st.st_mode) ? TPathKind::Folder : TPathKind::Other;
#endif
}

#ifndef Q_OS_WIN
using TMountPoints = std::vector<TMountEntry>;
#else
using TMountPoints = int; // Windows: the path's text alone names its mount
#endif

TMountPoints MountPoints()
{
#ifndef Q_OS_WIN
    return ReadMountTable();
#else
    return 0;
#endif
}

// The mount a path is on, from the path's text and the mount table alone:
// asking the file system could hang on the very mount in question.
QString MountOf(const QString& absolute, const TMountPoints& table)
{
#ifdef Q_OS_WIN
    Q_UNUSED(table);
    const QString p = QDir::fromNativeSeparators(absolute);
    if (p.startsWith(QLatin1String("//")))
        return p.split(QLatin1Char('/'), Qt::SkipEmptyParts).mid(0, 2).join(QLatin1Char('/')).toLower();
    return p.left(2).toLower();
#else
    QString best = QStringLiteral("/");
    for (const TMountEntry& m : table) {
        const QString& point = m.point;
        if (point.size() > best.size() &&
            (absolute == point || (absolute.startsWith(point) && absolute.at(point.size()) == QLatin1Char('/'))))
            best = point;
    }
    return best;
#endif
}

using Clock = std::chrono::steady_clock;

// How long an asker waits for a thread of the pool to get the processor: a
// loaded machine is no dead mount.
constexpr auto kMaxSchedulingWait = std::chrono::seconds(2);

struct Pool {
    std::mutex mutex;
    std::map<QString, std::multiset<Clock::time_point>> inCall; // when each call in the file system began, by mount
    int running = 0;
};

Pool& ThePool()
{
    static Pool* const pool = new Pool; // outlives threads still waiting at exit
    return *pool;
}

// Room on the mount for one more question (and in the pool), unless (with
// slowAfterMs) a call about it has been in the file system longer than that.
bool TakeRoom(const QString& mount, int slowAfterMs)
{
    Pool& pool = ThePool();
    const std::lock_guard lock(pool.mutex);
    // Questions that merely run do not count: only those stuck in the file
    // system say the mount is in trouble.
    const std::multiset<Clock::time_point>& calls = pool.inCall[mount];
    const Clock::time_point now = Clock::now();
    const auto stuck = std::count_if(calls.begin(), calls.end(), [now](Clock::time_point began) {
        return now - began > std::chrono::milliseconds(kStuckCallMs);
    });
    if (stuck >= kMaxStuckPerMount || pool.running >= kMaxChecks)
        return false;
    if (slowAfterMs >= 0 && !calls.empty() && now - *calls.begin() > std::chrono::milliseconds(slowAfterMs))
        return false;
    ++pool.running;
    return true;
}

// Starts a question on a thread of the pool; null when its mount or the
// pool has no room, or (with slowAfterMs) when a call about its mount has
// been in the file system longer than that: a caller that would wait is
// told at once that a mount in trouble does not answer. A path that names
// nothing is answered at once.
std::shared_ptr<TPathQuestion> StartQuestion(const QString& path, int slowAfterMs = -1)
{
    auto q = std::make_shared<TPathQuestion>();
    q->path = path;
    q->asked.start();
    if (path.isEmpty() || path.contains(QChar(0))) {
        q->done = true;
        q->kind = TPathKind::Missing;
        return q;
    }
    const QString absolute =
        QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
    const QString mount = MountOf(absolute, MountPoints());
    if (!TakeRoom(mount, slowAfterMs))
        return nullptr;
#ifdef Q_OS_WIN
    const QByteArray native = path.toUtf8();
#else
    const QByteArray native = QFile::encodeName(path);
#endif
    std::thread([q, native, mount] {
        Pool& p = ThePool();
        const Clock::time_point began = Clock::now();
        {
            const std::lock_guard lock(p.mutex);
            p.inCall[mount].insert(began);
        }
        {
            const std::lock_guard lock(q->mutex);
            q->inCall = true;
            q->callBegan = began;
        }
        q->answered.notify_all();
        const TPathKind kind = KindOf(native);
        {
            const std::lock_guard lock(q->mutex);
            q->kind = kind;
            q->done = true;
        }
        q->answered.notify_all();
        const std::lock_guard lock(p.mutex);
        std::multiset<Clock::time_point>& calls = p.inCall[mount];
        calls.erase(calls.find(began));
        --p.running;
    }).detach();
    return q;
}

} // namespace

namespace {

// One batch: its paths by mount, each mount's on a thread of its own that
// answers them in turn. Shared with the threads, which may outlive the
// asker on a dead mount.
struct TPathBatch {
    std::mutex mutex;
    std::condition_variable progress;
    struct Group {
        QString mount;
        std::vector<std::pair<size_t, QByteArray>> items; // the path's place, its native name
        std::vector<TPathKind> kinds;
        bool inCall = false;
        Clock::time_point callBegan;
        bool finished = false;
    };
    std::vector<Group> groups;
};

void AnswerGroup(const std::shared_ptr<TPathBatch>& batch, size_t g)
{
    Pool& pool = ThePool();
    TPathBatch::Group& group = batch->groups[g];
    Clock::time_point began = Clock::now();
    {
        const std::lock_guard lock(pool.mutex);
        pool.inCall[group.mount].insert(began);
    }
    for (size_t i = 0; i < group.items.size(); ++i) {
        const Clock::time_point now = Clock::now();
        {
            // Each call counts from its own start: a long batch on a live
            // mount is no stuck call.
            const std::lock_guard lock(pool.mutex);
            std::multiset<Clock::time_point>& calls = pool.inCall[group.mount];
            calls.erase(calls.find(began));
            calls.insert(now);
            began = now;
        }
        {
            const std::lock_guard lock(batch->mutex);
            group.inCall = true;
            group.callBegan = now;
        }
        // The asker's bound counts from the first call; after it, the asker
        // looks again at the bound of the call then under way, and is woken
        // only when the last one returned.
        if (i == 0)
            batch->progress.notify_all();
        const TPathKind kind = KindOf(group.items[i].second);
        const std::lock_guard lock(batch->mutex);
        group.kinds.push_back(kind);
        group.inCall = false;
        if (i + 1 == group.items.size()) {
            group.finished = true;
            batch->progress.notify_all();
        }
    }
    const std::lock_guard lock(pool.mutex);
    std::multiset<Clock::time_point>& calls = pool.inCall[group.mount];
    calls.erase(calls.find(began));
    --pool.running;
}

} // namespace

std::vector<TPathKind> PathKindsWithin(const QStringList& paths, int waitMs)
{
    std::vector<TPathKind> kinds(static_cast<size_t>(paths.size()), TPathKind::Unknown);
    auto batch = std::make_shared<TPathBatch>();
    {
        const TMountPoints table = MountPoints();
        const QDir current = QDir::current();
        std::map<QString, size_t> groupOf;
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const QString& path = paths[i];
            if (path.isEmpty() || path.contains(QChar(0))) {
                kinds[static_cast<size_t>(i)] = TPathKind::Missing;
                continue;
            }
            const QString absolute =
                QDir::cleanPath(QDir::isAbsolutePath(path) ? path : current.absoluteFilePath(path));
            const QString mount = MountOf(absolute, table);
            auto [at, isNew] = groupOf.try_emplace(mount, batch->groups.size());
            if (isNew) {
                batch->groups.emplace_back();
                batch->groups.back().mount = mount;
            }
#ifdef Q_OS_WIN
            batch->groups[at->second].items.emplace_back(static_cast<size_t>(i), path.toUtf8());
#else
            batch->groups[at->second].items.emplace_back(static_cast<size_t>(i), QFile::encodeName(path));
#endif
        }
    }
    // The groups are complete before any thread starts: the threads only
    // read their items and write their own group's answers.
    std::vector<bool> started(batch->groups.size(), false);
    for (size_t g = 0; g < batch->groups.size(); ++g) {
        batch->groups[g].kinds.reserve(batch->groups[g].items.size());
        if (!TakeRoom(batch->groups[g].mount, waitMs))
            continue;
        started[g] = true;
        std::thread([batch, g] { AnswerGroup(batch, g); }).detach();
    }
    // One wait for them all: while calls return, however many; a call that
    // does not return within waitMs gives its mount up.
    const Clock::time_point cap = Clock::now() + kMaxSchedulingWait;
    std::unique_lock lock(batch->mutex);
    for (;;) {
        bool waiting = false;
        Clock::time_point until = cap;
        for (size_t g = 0; g < batch->groups.size(); ++g) {
            const TPathBatch::Group& group = batch->groups[g];
            if (!started[g] || group.finished)
                continue;
            const bool begun = group.inCall || !group.kinds.empty();
            if (!begun) {
                waiting = true; // its thread waits for the processor
                continue;
            }
            if (!group.inCall) {
                waiting = true; // between two calls
                until = std::min(until, Clock::now() + std::chrono::milliseconds(std::max(1, waitMs)));
                continue;
            }
            const Clock::time_point stuckAt = group.callBegan + std::chrono::milliseconds(std::max(0, waitMs));
            if (Clock::now() < stuckAt) {
                waiting = true;
                until = std::min(until, stuckAt);
            }
        }
        if (!waiting || Clock::now() >= cap)
            break;
        batch->progress.wait_until(lock, until);
    }
    for (const TPathBatch::Group& group : batch->groups) {
        for (size_t i = 0; i < group.kinds.size(); ++i)
            kinds[group.items[i].first] = group.kinds[i];
    }
    return kinds;
}

TPathKind PathKindWithin(const QString& path, int waitMs)
{
    const std::shared_ptr<TPathQuestion> q = StartQuestion(path, waitMs);
    if (!q)
        return TPathKind::Unknown;
    // The bound counts from the moment the thread is in the file system:
    // until then it only waits for the processor.
    const Clock::time_point cap = Clock::now() + kMaxSchedulingWait;
    std::unique_lock lock(q->mutex);
    while (!q->done) {
        const Clock::time_point until =
            q->inCall ? std::min(cap, q->callBegan + std::chrono::milliseconds(std::max(0, waitMs))) : cap;
        if (Clock::now() >= until)
            break;
        q->answered.wait_until(lock, until);
    }
    return q->done ? q->kind : TPathKind::Unknown;
}

void AskPathKind(QObject* context, const QString& path, std::function<void(TPathKind)> answer)
{
    std::shared_ptr<TPathQuestion> q = StartQuestion(path);
    if (!q)
        return;
    // Polled on context's thread, like the chooser's own checks.
    auto* poll = new QTimer(context);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, context, [poll, q, answer = std::move(answer)] {
        TPathKind kind = TPathKind::Unknown;
        {
            const std::lock_guard lock(q->mutex);
            if (!q->done)
                return;
            kind = q->kind;
        }
        poll->deleteLater();
        poll->stop();
        answer(kind);
    });
    poll->start();
}

TPathExistence::TPathExistence(QObject* parent) : QObject(parent), fPoll(new QTimer(this))
{
    fPoll->setInterval(20);
    connect(fPoll, &QTimer::timeout, this, &TPathExistence::Poll);
}

TPathExistence::~TPathExistence() = default;

bool TPathExistence::Pending() const { return fRunning != nullptr || fHasQueued; }

void TPathExistence::Check(const QString& path)
{
    fQueued = path;
    fHasQueued = true;
    if (!fRunning)
        StartQueued();
    fPoll->start();
}

void TPathExistence::StartQueued()
{
    if (!fHasQueued)
        return;
    // No room on its mount: it stays queued, asked again at the next poll
    // (or replaced by a newer question).
    auto q = StartQuestion(fQueued);
    if (!q)
        return;
    fHasQueued = false;
    fRunning = std::move(q);
}

void TPathExistence::Poll()
{
    if (fRunning) {
        bool done = false, exists = false;
        {
            const std::lock_guard lock(fRunning->mutex);
            done = fRunning->done;
            exists = fRunning->kind != TPathKind::Missing;
        }
        if (done) {
            const QString path = fRunning->path;
            fRunning.reset();
            // Only the newest question's answer counts.
            if (!fHasQueued)
                Q_EMIT answered(path, exists);
        } else if (fHasQueued && fRunning->asked.elapsed() > kStuckAfterMs) {
            fRunning.reset(); // stuck: left to its thread, the newer question goes ahead
        } else {
            return;
        }
    }
    if (fHasQueued)
        StartQueued();
    if (!fRunning && !fHasQueued)
        fPoll->stop();
}

} // namespace qz8
