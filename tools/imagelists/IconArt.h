// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// The project's own icon set, drawn in code at any size.
#include <QImage>
#include <QString>

// The icon of the catalogue entry name at size x size pixels, 32-bit with
// alpha; a null image for an unknown name.
QImage DrawToolIcon(const QString& name, int size);
