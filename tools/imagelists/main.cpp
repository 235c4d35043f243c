// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Developer aid for the suite's image lists:
//   qz8-imagelists build LIST OUTDIR      nine image-list files from icon files
//   qz8-imagelists sizes ICON [BITCOUNT]  the sizes an icon file holds
//   qz8-imagelists table SOURCE           the image-number table of a marked text
//   qz8-imagelists draw-icons OUTDIR      the project's icon set and its LIST
// LIST: one icon a line, "file|description|size,size,...", files relative
// to the list's folder; blank lines and lines starting with # are skipped.
#include "IconArt.h"
#include "external/Tool_image_basics.h"
#include "graphics/graphics_utilities.h"
#include "imagelists/tool_imagelist_master.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "qz8-imagelists: %s\n", qPrintable(message));
    return 1;
}

int Usage()
{
    std::fprintf(
        stderr, "usage: qz8-imagelists build LIST OUTDIR | sizes ICON [BITCOUNT] | table SOURCE | draw-icons OUTDIR\n");
    return 2;
}

int Build(const QString& listFile, const QString& outDir)
{
    QFile f(listFile);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return Fail(QStringLiteral("cannot read the icon list \"%1\"").arg(listFile));
    const QDir base = QFileInfo(listFile).absoluteDir();
    std::vector<qz8::T2StringAndIntArray> items;
    QTextStream in(&f);
    for (int lineNo = 1; !in.atEnd(); ++lineNo) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char('|'));
        if (parts.size() != 3)
            return Fail(QStringLiteral("%1:%2: expected file|description|sizes").arg(listFile).arg(lineNo));
        qz8::T2StringAndIntArray item{base.absoluteFilePath(parts[0].trimmed()), parts[1].trimmed(), {}};
        for (const QString& s : parts[2].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int size = s.trimmed().toInt(&ok);
            if (!ok || size < 1 || size > 256)
                return Fail(
                    QStringLiteral("%1:%2: \"%3\" is not an icon size").arg(listFile).arg(lineNo).arg(s.trimmed()));
            item.valid_icon_sizes.push_back(size);
        }
        if (!QFileInfo::exists(item.icon_fname))
            return Fail(
                QStringLiteral("%1:%2: icon file \"%3\" is missing").arg(listFile).arg(lineNo).arg(item.icon_fname));
        items.push_back(item);
    }
    if (!QDir().mkpath(outDir))
        return Fail(QStringLiteral("cannot create the folder \"%1\"").arg(outDir));
    for (int size : qz8::ImageDimensionSizes) {
        const QString out = QDir(outDir).filePath(QStringLiteral("ImageListMain%1.res").arg(size));
        const std::vector<int> used = qz8::SaveImageListFromListOfIconFiles(items, size, out);
        std::printf("%s: %d icons\n", qPrintable(QFileInfo(out).fileName()), int(used.size()));
    }
    return 0;
}

int Sizes(const QString& icon, const QString& bitcountText)
{
    bool ok = true;
    const uint bitcount = bitcountText.isEmpty() ? 32 : bitcountText.toUInt(&ok);
    if (!ok || bitcount > 0xFFFF)
        return Fail(QStringLiteral("\"%1\" is not a bit count").arg(bitcountText));
    if (!QFileInfo::exists(icon))
        return Fail(QStringLiteral("icon file \"%1\" is missing").arg(icon));
    std::vector<int> wanted(qz8::ImageDimensionSizes.begin(), qz8::ImageDimensionSizes.end());
    wanted.push_back(256);
    for (int size : qz8::IconsizesInAnIconfile(icon, static_cast<std::uint16_t>(bitcount), wanted))
        std::printf("%d\n", size);
    return 0;
}

int Table(const QString& source)
{
    const qz8::TStringList table = qz8::ComputeMASTER_16_ConstsForIcons(source);
    for (int i = 0; i < table.Count(); ++i)
        std::printf("%s\t%lld\n", qPrintable(table[i]), static_cast<long long>(table.Objects(i)));
    return 0;
}

int DrawIcons(const QString& outDir)
{
    if (!QDir().mkpath(outDir))
        return Fail(QStringLiteral("cannot create the folder \"%1\"").arg(outDir));
    QFile list(QDir(outDir).filePath(QStringLiteral("icons.lst")));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Text))
        return Fail(QStringLiteral("cannot write \"%1\"").arg(list.fileName()));
    QTextStream out(&list);
    out << "# The project's own icon set, drawn by qz8-imagelists draw-icons.\n";
    for (const qz8::TToolIcon& icon : qz8::ToolIconCatalogue()) {
        std::vector<QImage> images;
        QStringList sizes;
        for (int size : icon.validSizes) {
            images.push_back(DrawToolIcon(icon.name, size));
            sizes << QString::number(size);
        }
        qz8::WriteIconFile(QDir(outDir).filePath(icon.name + QStringLiteral(".ico")), images);
        out << icon.name << ".ico|command " << icon.command << '|' << sizes.join(QLatin1Char(',')) << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    try {
        const QString command = args[0];
        if (command == QLatin1String("build") && args.size() == 3)
            return Build(args[1], args[2]);
        if (command == QLatin1String("sizes") && (args.size() == 2 || args.size() == 3))
            return Sizes(args[1], args.value(2));
        if (command == QLatin1String("table") && args.size() == 2)
            return Table(args[1]);
        if (command == QLatin1String("draw-icons") && args.size() == 2)
            return DrawIcons(args[1]);
    } catch (const qz8::Exception& e) {
        return Fail(e.Message());
    }
    return Usage();
}
