#include "platform/PathCheck_p.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <atomic>
#include <mutex>
#include <thread>

#ifdef Q_OS_WIN
#include <filesystem>
#else
#include <sys/stat.h>
#endif

namespace qz8 {

namespace {

std::atomic<int> gRunningChecks{0};

bool Exists(const QByteArray& native)
{
#ifdef Q_OS_WIN
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(native.toStdString()), ec);
#else
    struct stat st { };
    return ::stat(native.constData(), &st) == 0;
#endif
}

} // namespace

// What the GUI thread and the checking thread share; the thread touches
// nothing of Qt.
struct TPathExistence::Question {
    QString path;
    QElapsedTimer asked;
    std::mutex mutex;
    bool done = false;
    bool exists = false;
};

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
    if (!fHasQueued || gRunningChecks.load() >= kMaxStuckChecks)
        return;
    fHasQueued = false;
    auto q = std::make_shared<Question>();
    q->path = fQueued;
    q->asked.start();
    fRunning = q;
    ++gRunningChecks;
#ifdef Q_OS_WIN
    const QByteArray native = fQueued.toUtf8();
#else
    const QByteArray native = QFile::encodeName(fQueued);
#endif
    std::thread([q, native] {
        const bool exists = Exists(native);
        {
            std::lock_guard lock(q->mutex);
            q->exists = exists;
            q->done = true;
        }
        --gRunningChecks;
    }).detach();
}

void TPathExistence::Poll()
{
    if (fRunning) {
        bool done = false, exists = false;
        {
            std::lock_guard lock(fRunning->mutex);
            done = fRunning->done;
            exists = fRunning->exists;
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
