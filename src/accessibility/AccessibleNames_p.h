// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#pragma once
// Names for screen readers of the parts a control makes: an inner editor
// that takes the focus (an ElPack edit's, an editable combo's line edit)
// carries its control's accessible name, else the text of the label whose
// buddy the control is (a form layout's row label), and its description.
class QWidget;

namespace qz8 {

// Names editor after control at each show of the control.
void NameInnerEditorAfter(QWidget* control, QWidget* editor);

} // namespace qz8
