// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Icon files: the directory and the image of a size, from any bytes.
#include "fuzz_common.h"
#include "graphics/graphics_utilities.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)qz8::ReadIconDirectory(bytes);
    (void)qz8::LoadIconAtSize(bytes, 16);
    (void)qz8::LoadIconAtSize(bytes, 48);
    return 0;
}
