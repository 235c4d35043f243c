// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/FormStateStore.h"
#include "platform/FileLock_p.h"
#include "platform/ProcessGlobals.h"
#include "store/Exception.h"
#include "store/FormStateStore_p.h"
#include "store/MemIniFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QThreadPool>

#include <future>

namespace qz8 {

namespace {
std::unique_ptr<TFileWriteLock> LockAndReload(TMyMemIniFile& ini)
{
    const QString fileName = ini.FileName();
    auto lock = std::make_unique<TFileWriteLock>(fileName, kFormStateLockWaitMs);
    if (!lock->Locked())
        throw Exception(QStringLiteral("Cannot write file \"%1\": %2.").arg(fileName, lock->Error()));
    // Read under the lock: what another writer saved before is what this
    // edit goes over (parsed again only when it changed).
    ini.Reload();
    return lock;
}

// One thread for the saves begun by EditFormStateFileWritingLater.
QThreadPool& WriterThread()
{
    struct TWriter : QThreadPool {
        TWriter() { setMaxThreadCount(1); }
    };
    static TWriter pool; // waits for its saves at exit
    return pool;
}
} // namespace

bool EditFormStateFile(TMyMemIniFile& ini, const std::function<bool(TMyMemIniFile& now)>& edit)
{
    const auto lock = LockAndReload(ini);
    if (!edit(ini))
        return false;
    ini.UpdateFile();
    return true;
}

struct TFormStateWrite::State {
    std::unique_ptr<TFileWriteLock> lock;
    QString fileName;
    QString text;
    bool ownerOnly = false;
    std::promise<QString> done;
    std::future<QString> result = done.get_future();
};

TFormStateWrite::TFormStateWrite() = default;
TFormStateWrite::TFormStateWrite(TFormStateWrite&&) noexcept = default;
TFormStateWrite& TFormStateWrite::operator=(TFormStateWrite&& other) noexcept
{
    if (this != &other) {
        Wait();
        fState = std::move(other.fState);
    }
    return *this;
}

TFormStateWrite::~TFormStateWrite() { Wait(); }

void TFormStateWrite::Start(std::unique_ptr<TFileWriteLock> lock, const TMyMemIniFile& content)
{
    Wait();
    auto state = std::make_shared<State>();
    state->lock = std::move(lock);
    state->fileName = content.FileName();
    state->text = content.ToText();
    state->ownerOnly = content.OwnerOnly();
    WriterThread().start([state] {
        QString error;
        try {
            TMyMemIniFile::WriteFileText(state->fileName, state->text, state->ownerOnly);
        } catch (const Exception& e) {
            error = e.Message();
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        }
        state->lock.reset(); // the next writer may go on
        state->done.set_value(error);
    });
    fState = std::move(state);
}

QString TFormStateWrite::Wait()
{
    if (!fState)
        return QString();
    const std::shared_ptr<State> state = std::exchange(fState, nullptr);
    return state->result.get();
}

bool EditFormStateFileWritingLater(TMyMemIniFile& ini, const std::function<bool(TMyMemIniFile& now)>& edit,
                                   TFormStateWrite& write)
{
    auto lock = LockAndReload(ini);
    if (!edit(ini))
        return false;
    write.Start(std::move(lock), ini);
    return true;
}

bool EditFormStateFile(const QString& fileName, const std::function<bool(TMyMemIniFile& now)>& edit)
{
    TMyMemIniFile now(fileName);
    return EditFormStateFile(now, edit);
}

namespace {

using TEntries = QList<std::pair<QString, QString>>;

TEntries EntriesOf(const TMyMemIniFile& ini, const QString& section)
{
    TEntries entries;
    for (const QString& key : ini.ReadSection(section))
        entries.append({key, ini.ReadString(section, key, QString())});
    return entries;
}

// Keys compare without case, as in the file.
QHash<QString, QString> ByKey(const TEntries& entries)
{
    QHash<QString, QString> map;
    map.reserve(entries.size());
    for (const auto& [key, value] : entries)
        map.insert(key.toCaseFolded(), value);
    return map;
}

bool SameEntries(const TEntries& a, const TEntries& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].first.compare(b[i].first, Qt::CaseInsensitive) != 0 || a[i].second != b[i].second)
            return false;
    }
    return true;
}

// The section as this writer wrote it, over what the file holds now: in the
// writer's order, its changed keys with its values, the keys it did not
// change as the file has them now (gone when another writer deleted them),
// and after them the keys another writer added.
TEntries Merged(const TEntries& base, const TEntries& mine, const TEntries& now)
{
    const QHash<QString, QString> baseByKey = ByKey(base);
    const QHash<QString, QString> nowByKey = ByKey(now);
    QSet<QString> written;
    TEntries out;
    out.reserve(mine.size());
    for (const auto& [key, value] : mine) {
        const QString folded = key.toCaseFolded();
        written.insert(folded);
        const auto was = baseByKey.constFind(folded);
        if (was == baseByKey.constEnd() || was.value() != value) {
            out.append({key, value});
            continue;
        }
        const auto there = nowByKey.constFind(folded);
        if (there != nowByKey.constEnd())
            out.append({key, there.value()});
    }
    for (const auto& [key, value] : now) {
        const QString folded = key.toCaseFolded();
        if (!written.contains(folded) && !baseByKey.contains(folded))
            out.append({key, value});
    }
    return out;
}

// The section without the keys of base (this writer's deletions), keeping
// what another writer added.
TEntries WithoutBaseKeys(const TEntries& base, const TEntries& now)
{
    const QHash<QString, QString> baseByKey = ByKey(base);
    TEntries out;
    for (const auto& entry : now) {
        if (!baseByKey.contains(entry.first.toCaseFolded()))
            out.append(entry);
    }
    return out;
}

bool Put(TMyMemIniFile& now, const QString& section, const TEntries& entries)
{
    const bool existed = now.SectionExists(section);
    if (existed && SameEntries(EntriesOf(now, section), entries))
        return false;
    if (entries.isEmpty()) {
        now.EraseSection(section);
        return existed;
    }
    now.ReplaceSection(section, entries);
    return true;
}

} // namespace

bool PutFormStateChanges(const TMyMemIniFile& base, const TMyMemIniFile& mine, TMyMemIniFile& now, bool dropUnwritten)
{
    bool changed = false;
    for (const QString& section : mine.ReadSections()) {
        const TEntries written = EntriesOf(mine, section);
        const TEntries read = EntriesOf(base, section);
        if (base.SectionExists(section) && SameEntries(read, written))
            continue; // nothing of this writer's: the file's section stays as it is
        changed = Put(now, section, Merged(read, written, EntriesOf(now, section))) || changed;
    }
    for (const QString& section : base.ReadSections()) {
        if (mine.SectionExists(section) || !dropUnwritten || !now.SectionExists(section))
            continue;
        changed = Put(now, section, WithoutBaseKeys(EntriesOf(base, section), EntriesOf(now, section))) || changed;
    }
    return changed;
}

bool FormStateFileLocked(const QString& fileName) { return TFileWriteLock::Held(fileName); }

namespace {
QHash<const QObject*, TFormStateSession>& Sessions()
{
    static QHash<const QObject*, TFormStateSession> sessions;
    return sessions;
}
} // namespace

TFormStateSession& FormStateSessionOf(const QObject* form)
{
    auto& sessions = Sessions();
    auto it = sessions.find(form);
    if (it == sessions.end()) {
        it = sessions.insert(form, TFormStateSession());
        QObject::connect(form, &QObject::destroyed, [form] { Sessions().remove(form); });
    }
    return it.value();
}

TFormStateSession* FindFormStateSession(const QObject* form, const QString& fileName)
{
    auto& sessions = Sessions();
    const auto it = sessions.find(form);
    if (it == sessions.end() || (!fileName.isNull() && it->FileName != fileName))
        return nullptr;
    return &it.value();
}

QString SecretStoreMarker() { return QStringLiteral("<in secret store>"); }

QString PasswordSecretService()
{
    const QString app = QCoreApplication::applicationName();
    return app.isEmpty() ? QFileInfo(ExeName()).completeBaseName() : app;
}

QString PasswordSecretKey(const QString& fileName, const QString& control)
{
    return QFileInfo(fileName).absoluteFilePath() + QLatin1Char('#') + control;
}

} // namespace qz8
