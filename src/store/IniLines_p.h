// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// How one line of an INI file reads: TMyMemIniFile's parser and the check of
// form state files (form/FormStateCheck.cpp) read lines by this one rule.
#include <QStringView>

namespace qz8 {

enum class TIniLineKind {
    Nothing, // blank, or a comment (";" or "#")
    Section, // "[name]"
    Key, // "key=value"
    Stray, // anything else: it carries nothing
};

struct TIniLine {
    TIniLineKind kind = TIniLineKind::Nothing;
    QStringView name; // a section's name; a key as written
    QStringView value; // a key's value as written
};

// A line without its "\n"; a "\r" before it is dropped.
inline TIniLine ReadIniLine(QStringView line)
{
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
        return {};
    if (trimmed.startsWith(QLatin1Char('['))) {
        qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
        if (close < 1)
            close = trimmed.size();
        return {TIniLineKind::Section, trimmed.mid(1, close - 1), {}};
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return {TIniLineKind::Stray, {}, {}};
    return {TIniLineKind::Key, line.left(eq), line.mid(eq + 1)};
}

} // namespace qz8
