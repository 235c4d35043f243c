// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "settings/AppDrive.h"
#include "external/General_runtime.h"
#include "platform/PathCheck_p.h"
#include "settings/Drive_Utils.h"
#include "toolkit/Application.h"

#include <QDir>
#include <QHash>
#include <algorithm>
#include <optional>
#include <vector>

namespace qz8 {

namespace {
const QString kToken = AppDriveToken();

// The value of the open scopes (UI thread only, as the whole library),
// found at the first question inside them.
int scopeDepth = 0;
bool scopedKnown = false;
QString scopedRoot;

QString FindAppDriveRoot();
} // namespace

TAppDriveScope::TAppDriveScope()
{
    if (scopeDepth++ == 0)
        scopedKnown = false;
}

TAppDriveScope::~TAppDriveScope()
{
    if (--scopeDepth == 0) {
        scopedKnown = false;
        scopedRoot.clear();
    }
}

QString AppDriveRoot()
{
    if (scopeDepth == 0)
        return FindAppDriveRoot();
    if (!scopedKnown) {
        scopedRoot = FindAppDriveRoot();
        scopedKnown = true;
    }
    return scopedRoot;
}

QString FolderPart(const QString& fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? QString() : fileName.left(slash + 1);
}

namespace {
QString FindAppDriveRoot()
{
    const QString exe = ExeName();
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(exe);
    if (native.startsWith(QLatin1String("\\\\"))) {
        // \\server\share\ of a network path
        const qsizetype server = native.indexOf(QLatin1Char('\\'), 2);
        const qsizetype share = server < 0 ? -1 : native.indexOf(QLatin1Char('\\'), server + 1);
        return share < 0 ? native + QLatin1Char('\\') : native.left(share + 1);
    }
    return native.size() >= 2 && native[1] == QLatin1Char(':') ? native.left(2) + QLatin1Char('\\') : QString();
#else
    QString root = MountPointOf(exe);
    if (root.isEmpty())
        return {};
    return root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
#endif
}
} // namespace

QString ContractAppDrive(const QString& name) { return ContractDrive(name, AppDriveRoot()); }

namespace {
// The name a stored one stands for, its token resolved; nothing for a token
// whose rest climbs out of the application drive ("..").
std::optional<QString> Resolved(const QString& stored)
{
    if (!stored.startsWith(kToken))
        return stored;
    const QString root = AppDriveRoot();
    const QString name = root + stored.mid(kToken.size());
    const QString cleaned = QDir::cleanPath(name);
    const QString cleanedRoot = QDir::cleanPath(root);
    const bool inside = cleanedRoot == QLatin1String("/")
                            ? cleaned.startsWith(QLatin1Char('/'))
                            : (cleaned == cleanedRoot || cleaned.startsWith(cleanedRoot + QLatin1Char('/')));
    if (root.isEmpty() || !inside)
        return std::nullopt;
    return name;
}
} // namespace

QString ExpandAppDrive(const QString& stored, bool IsFile) { return ExpandAppDriveNames({stored}, IsFile).value(0); }

QStringList ExpandAppDriveNames(const QStringList& stored, bool IsFile)
{
    QStringList names;
    names.reserve(stored.size());
    QStringList asked;
    std::vector<qsizetype> askedFor;
    for (const QString& one : stored) {
        const std::optional<QString> name = one.isEmpty() ? std::nullopt : Resolved(one);
        if (name) {
            asked << *name;
            askedFor.push_back(names.size());
        }
        names << name.value_or(QString());
    }
    // Asked off the GUI thread, all in one batch and one bounded wait: names
    // on a mount that does not answer (a dead share) are kept as stored.
    const std::vector<TPathKind> kinds = PathKindsWithin(asked, kGuiPathWaitMs);
    // A file that is not there gives its folder when that is there: the
    // folders are asked in one more batch, each once.
    QStringList folders;
    QHash<QString, qsizetype> folderIndex;
    std::vector<qsizetype> folderOf(asked.size(), -1);
    for (size_t j = 0; j < kinds.size(); ++j) {
        const TPathKind kind = kinds[j];
        if (kind == TPathKind::Unknown)
            continue;
        if (!IsFile) {
            if (kind == TPathKind::Missing)
                names[askedFor[j]].clear();
            continue;
        }
        const QString folder = FolderPart(asked[static_cast<qsizetype>(j)]);
        if (kind == TPathKind::File || kind == TPathKind::Other || folder.isEmpty())
            continue;
        if (const auto at = folderIndex.constFind(folder); at != folderIndex.constEnd()) {
            folderOf[j] = at.value();
            continue;
        }
        folderOf[j] = folders.size();
        folderIndex.insert(folder, folders.size());
        folders << folder;
    }
    if (folders.isEmpty())
        return names;
    const std::vector<TPathKind> folderKinds = PathKindsWithin(folders, kGuiPathWaitMs);
    for (size_t j = 0; j < folderOf.size(); ++j) {
        if (folderOf[j] >= 0 && folderKinds[static_cast<size_t>(folderOf[j])] == TPathKind::Folder)
            names[askedFor[j]] = folders[folderOf[j]];
    }
    return names;
}

} // namespace qz8
