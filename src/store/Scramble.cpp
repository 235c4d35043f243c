// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "store/Scramble.h"

namespace qz8 {

namespace {
const QString kScrambleKey = QStringLiteral("Marbleforth");
} // namespace

void ScrambleText(QString& text)
{
    if (text.isEmpty())
        return;
    qsizetype length = text.indexOf(QChar(0));
    if (length < 0)
        length = text.size();
    int k = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t x = text[i].unicode() ^ kScrambleKey[k].unicode();
        if (x != 0 && x != 26)
            text[i] = QChar(x);
        k = (k + 1) % kScrambleKey.size();
    }
}

} // namespace qz8
