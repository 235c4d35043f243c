// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The desktop's secret store through QtKeychain: a module of its own
// (qz8secretstore), loaded by the form state store the first time a
// password is read, checked or moved, so a program that reads form state
// files loads neither QtKeychain nor D-Bus until then.
#include "platform/Logging_p.h"
#include "platform/SecretStore.h"
#include "platform/SessionBus_p.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <future>
#include <memory>
#include <mutex>

#include <qt6keychain/keychain.h>

namespace qz8 {

namespace {

struct TJobOutcome {
    TSecretResult result = TSecretResult::Unavailable;
    QString text;
};

// The worker thread the keychain jobs live on. It is made at the first call
// and stopped when the application object goes (a post routine), since the
// jobs need the application's D-Bus and event dispatcher.
class TKeychainWorker {
public:
    static TKeychainWorker& Instance()
    {
        static TKeychainWorker worker;
        return worker;
    }

    // Starts a job on the worker thread and waits for its outcome.
    template <class MakeJob>
    TJobOutcome Run(MakeJob make)
    {
#ifndef Q_OS_WIN
        // The Secret Service is on the session bus: while the bus does not
        // answer, the store is unavailable at once instead of after the
        // job's timeout (and the bus is asked again later).
        if (!WaitForSessionBus(kSessionBusFirstWaitMs))
            return {};
#endif
        std::lock_guard lock(fMutex);
        if (fGivenUp || !QCoreApplication::instance())
            return {};
        if (!fThread)
            Start();
        auto promise = std::make_shared<std::promise<TJobOutcome>>();
        std::future<TJobOutcome> outcome = promise->get_future();
        // The job finishes on the worker's own event loop: the calling thread
        // only waits.
        QMetaObject::invokeMethod(
            fContext.get(),
            [promise, make] {
                QKeychain::Job* job = make();
                job->setAutoDelete(true);
                QObject::connect(job, &QKeychain::Job::finished, [promise](QKeychain::Job* done) {
                    TJobOutcome o;
                    switch (done->error()) {
                    case QKeychain::NoError:
                        o.result = TSecretResult::Ok;
                        if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(done))
                            o.text = read->textData();
                        break;
                    case QKeychain::EntryNotFound: o.result = TSecretResult::NotFound; break;
                    default: qCInfo(lcQz8, "secret store: %s", qPrintable(done->errorString())); break;
                    }
                    promise->set_value(o);
                });
                job->start();
            },
            Qt::QueuedConnection);
        if (outcome.wait_for(std::chrono::milliseconds(kSecretStoreTimeoutMs)) != std::future_status::ready) {
            qCWarning(lcQz8, "secret store: no answer within %d ms, not asked again", kSecretStoreTimeoutMs);
            fGivenUp = true;
            return {};
        }
        return outcome.get();
    }

    // Reached at exit() with the application object still alive (its post
    // routine never ran): a running QThread must not be destroyed, that
    // aborts the process. The thread is asked to end; one that does not in
    // time is left to the ending process.
    ~TKeychainWorker()
    {
        if (!fThread || !fThread->isRunning())
            return;
        fThread->quit();
        if (fThread->wait(1000))
            return; // the thread and the context are freed as members
        (void)fContext.release();
        (void)fThread.release();
    }
    TKeychainWorker() = default;
    TKeychainWorker(const TKeychainWorker&) = delete;
    TKeychainWorker& operator=(const TKeychainWorker&) = delete;

private:
    void Start()
    {
        fThread = std::make_unique<QThread>();
        fThread->setObjectName(QStringLiteral("qz8 secret store"));
        fContext = std::make_unique<QObject>();
        fContext->moveToThread(fThread.get());
        fThread->start();
        qAddPostRoutine([] { Instance().Stop(); });
    }

    void Stop()
    {
        std::lock_guard lock(fMutex);
        if (!fThread)
            return;
        fThread->quit();
        if (!fThread->wait(2000)) {
            // A job that never returns must not keep the process from ending.
            fThread->terminate();
            fThread->wait();
        }
        fContext.reset();
        fThread.reset();
    }

    std::mutex fMutex;
    std::unique_ptr<QThread> fThread;
    std::unique_ptr<QObject> fContext; // lives on fThread
    bool fGivenUp = false;
};

class TKeychainSecretStore final : public ISecretStore {
public:
    TSecretResult Write(const QString& service, const QString& key, const QString& secret) override
    {
        return TKeychainWorker::Instance()
            .Run([=] {
                auto* job = new QKeychain::WritePasswordJob(service);
                job->setKey(key);
                job->setTextData(secret);
                return static_cast<QKeychain::Job*>(job);
            })
            .result;
    }
    TSecretResult Read(const QString& service, const QString& key, QString& secret) override
    {
        TJobOutcome o = TKeychainWorker::Instance().Run([=] {
            auto* job = new QKeychain::ReadPasswordJob(service);
            job->setKey(key);
            return static_cast<QKeychain::Job*>(job);
        });
        if (o.result == TSecretResult::Ok)
            secret = o.text;
        return o.result;
    }
    TSecretResult Remove(const QString& service, const QString& key) override
    {
        return TKeychainWorker::Instance()
            .Run([=] {
                auto* job = new QKeychain::DeletePasswordJob(service);
                job->setKey(key);
                return static_cast<QKeychain::Job*>(job);
            })
            .result;
    }
};

} // namespace

} // namespace qz8

// The module's one entry point: the store, alive while the process is.
extern "C" Q_DECL_EXPORT qz8::ISecretStore* qz8_keychain_secret_store()
{
    static qz8::TKeychainSecretStore store;
    return &store;
}
