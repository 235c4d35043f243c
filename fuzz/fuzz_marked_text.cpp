// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The marked source text of the image-number table.
#include "fuzz_common.h"
#include "imagelists/tool_imagelist_master.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)qz8::ComputeMASTER_16_ConstsForIconsFromLines(text.split(QLatin1Char('\n')));
    return 0;
}
