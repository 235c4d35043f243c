#include "settings/AppDrive.h"
#include "external/General_runtime.h"
#include "platform/PathCheck_p.h"
#include "settings/Drive_Utils.h"
#include "toolkit/Application.h"

#include <QDir>
#include <algorithm>

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

QString ExpandAppDrive(const QString& stored, bool IsFile)
{
    if (stored.isEmpty())
        return {};
    QString name = stored;
    if (name.startsWith(kToken)) {
        const QString root = AppDriveRoot();
        name = root + name.mid(kToken.size());
        // A token stands for a place on the application drive: a rest that
        // climbs out of it ("..") resolves to nothing.
        const QString cleaned = QDir::cleanPath(name);
        const QString cleanedRoot = QDir::cleanPath(root);
        const bool inside = cleanedRoot == QLatin1String("/")
                                ? cleaned.startsWith(QLatin1Char('/'))
                                : (cleaned == cleanedRoot || cleaned.startsWith(cleanedRoot + QLatin1Char('/')));
        if (root.isEmpty() || !inside)
            return {};
    }
    // Asked off the GUI thread, briefly: a name on a mount that does not
    // answer (a dead share) is kept as it was stored.
    const TPathKind kind = PathKindWithin(name, kGuiPathWaitMs);
    if (kind == TPathKind::Unknown)
        return name;
    if (IsFile) {
        const QString folder = FolderPart(name);
        const bool fileThere = kind == TPathKind::File || kind == TPathKind::Other;
        if (!fileThere && !folder.isEmpty() && PathKindWithin(folder, kGuiPathWaitMs) == TPathKind::Folder)
            return folder;
        return name;
    }
    if (kind == TPathKind::Missing)
        return {};
    return name;
}

} // namespace qz8
