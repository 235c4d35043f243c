// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A tool built with pkg-config alone (no CMake): it compiles against the
// installed headers, links the installed library and uses a list.
#include <QZ8StyledListboxPack/controls/My_StyledTMSComponents.h>
#include <QZ8StyledListboxPack/package/QZ8StyledListboxPack.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qz8::TStyledListbox list(nullptr);
    list.Items().AddStrings({QStringLiteral("one"), QStringLiteral("two")});
    std::printf("built against %s, runs with %s, rows %d\n", QZ8_VERSION_STRING, qz8::LibraryVersionString(),
                list.Items().Count());
    return QZ8_VERSION >= QZ8_VERSION_CHECK(0, 1, 0) ? 0 : 1;
}
