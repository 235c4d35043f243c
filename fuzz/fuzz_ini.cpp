// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The INI reader: any bytes parse; what parsed is written and read back to
// the same content (the text of a text is a fixed point).
#include "fuzz_common.h"
#include "store/MemIniFile.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    qz8::TMyMemIniFile ini(QString{});
    ini.SetText(text);
    for (const QString& section : ini.ReadSections()) {
        for (const QString& key : ini.ReadSection(section))
            (void)ini.ReadString(section, key, QString());
        qz8::TStringList list;
        ini.ReadMultiString(section, list);
        (void)ini.ReadInteger(section, QStringLiteral("i"), 0);
        (void)ini.ReadFloat(section, QStringLiteral("value"), 0);
    }
    const QString once = ini.ToText();
    qz8::TMyMemIniFile again(QString{});
    again.SetText(once);
    if (again.ToText() != once) {
        std::fprintf(stderr, "the written text does not read back to itself\n");
        std::abort();
    }
    return 0;
}
