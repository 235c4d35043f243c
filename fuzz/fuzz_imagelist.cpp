// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Image-list files: a damaged one is refused with an error, never more.
#include "fuzz_common.h"
#include "toolkit/ImgList.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    qz8::TImageList list;
    try {
        list.LoadFromDevice(buffer, QStringLiteral("fuzz"));
    } catch (const qz8::Exception&) {
    }
    return 0;
}
