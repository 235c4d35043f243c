// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Form state files a support script checks and a new release migrates: any
// bytes are checked without a crash, each finding within the file's lines;
// the migration steps of every kind run on them, and a run that fails
// leaves the content exactly as it was.
#include "fuzz_common.h"
#include "helpers/memory_secret_store.h"
#include "platform/SecretStore.h"
#include "store/FormStateCheck.h"
#include "store/FormStateMigrations.h"
#include "store/MemIniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static qz8test::MemorySecretStore store;
    qz8::SetSecretStore(&store);
    static QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tool.ini"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 0;
    }
    qz8::TFormStateCheckOptions options;
    options.Screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1366, 768)};
    const qsizetype lines = bytes.count('\n') + 1;
    for (const qz8::TFormStateFinding& f : qz8::CheckFormStateFile(file, options)) {
        if (f.Line < 0 || f.Line > lines)
            FuzzFinding("a finding names a line the file does not have");
    }
    qz8::TMyMemIniFile ini(file);
    ini.Load();
    const QString before = ini.ToText();
    const qz8::TFormStateMigrationResult r =
        qz8::TFormStateMigrations()
            .RenameSection(QStringLiteral("a"), QStringLiteral("Edit1"), QStringLiteral("Corpus"))
            .RenameKey(QStringLiteral("b"), QStringLiteral("Corpus"), QStringLiteral("text"), QStringLiteral("t"))
            .MoveKey(QStringLiteral("c"), QStringLiteral("Box"), QStringLiteral("checked"), QStringLiteral("Page"))
            .MoveSection(QStringLiteral("d"), QStringLiteral("Password"), QStringLiteral("Server"))
            .DropSection(QStringLiteral("e"), QStringLiteral("Gone"))
            .ConvertValue(QStringLiteral("f"), QStringLiteral("Combo"), QStringLiteral("i"), QStringLiteral("Spin"),
                          QStringLiteral("value"),
                          [](const QString& v, const qz8::TMyMemIniFile&) -> std::optional<QString> {
                              bool ok = false;
                              const int i = v.toInt(&ok);
                              return ok && i >= 0 && i < 4 ? std::optional<QString>(QString::number(i * 5))
                                                           : std::nullopt;
                          })
            .Apply(ini);
    if (!r.Ok() && ini.ToText() != before)
        FuzzFinding("a failed migration changed the content");
    return 0;
}
