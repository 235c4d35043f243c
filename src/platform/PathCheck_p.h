#pragma once
// Whether a path exists, asked on a thread of its own: a file system that
// stops answering (a dead network share, a hung FUSE mount) may hold that
// thread for as long as it likes, never the GUI thread.
//
// The newest question wins: an answer to an earlier path is dropped. A
// question unanswered after kStuckAfterMs is left to its thread when a newer
// one comes; while kMaxStuckChecks threads of the process are stuck, new
// questions wait for one of them to return.
#include <QObject>
#include <QString>
#include <memory>

class QTimer;

namespace qz8 {

class TPathExistence : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxStuckChecks = 8;
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
    struct Question;
    void StartQueued();
    void Poll();

    std::shared_ptr<Question> fRunning; // shared with its thread
    QString fQueued; // asked while another was running
    bool fHasQueued = false;
    QTimer* fPoll; // child
};

} // namespace qz8
