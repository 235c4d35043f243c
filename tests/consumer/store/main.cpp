// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A batch tool that reads, migrates, checks and writes a form state file
// with the form state store alone: no QGuiApplication, no display.
#include <QZ8StyledListboxPack/store/FormStateCheck.h>
#include <QZ8StyledListboxPack/store/FormStateMigrations.h>
#include <QZ8StyledListboxPack/store/FormStateStore.h>
#include <QZ8StyledListboxPack/store/MemIniFile.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tool.ini"));
    // A writer under the file's lock.
    qz8::EditFormStateFile(file, [](qz8::TMyMemIniFile& ini) {
        ini.WriteString(QStringLiteral("Edit1"), QStringLiteral("text"), QStringLiteral("/data/corpus"));
        ini.WriteString(QStringLiteral("Window geometry"), QStringLiteral("1920x1080+0+0"),
                        QStringLiteral("10,10,640,480,normal"));
        return true;
    });
    // A release's migration, applied in memory and written back.
    const qz8::TFormStateMigrations steps = qz8::TFormStateMigrations().RenameSection(
        QStringLiteral("2.0-folder"), QStringLiteral("Edit1"), QStringLiteral("CorpusFolder"));
    qz8::TFormStateMigrationResult result;
    qz8::EditFormStateFile(file, [&](qz8::TMyMemIniFile& ini) {
        result = steps.Apply(ini);
        return result.Ok();
    });
    qz8::TMyMemIniFile read(file);
    read.Load();
    const QString folder = read.ReadString(QStringLiteral("CorpusFolder"), QStringLiteral("text"), QString());
    qz8::TFormStateCheckOptions options;
    options.LookUpSecrets = false;
    options.Screens = {QRect(0, 0, 1920, 1080)};
    const auto findings = qz8::CheckFormStateFile(file, options);
    std::printf("migrated %s, folder %s, findings %d\n", result.Applied.join(QLatin1Char(',')).toUtf8().constData(),
                folder.toUtf8().constData(), static_cast<int>(findings.size()));
    return result.Ok() && folder == QLatin1String("/data/corpus") && findings.isEmpty() ? 0 : 1;
}
