// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// A tool's own widget whose value is its USER property: the form state file
// keeps it by the general rule, with no code of the tool's.
#include <QWidget>

namespace qz8test {

class RatingWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int stars READ stars WRITE setStars USER true)
public:
    using QWidget::QWidget;
    int stars() const { return fStars; }
    void setStars(int s) { fStars = s; }

private:
    int fStars = 0;
};

} // namespace qz8test
