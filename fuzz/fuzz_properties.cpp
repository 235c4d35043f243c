// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Designable properties of the package's classes set from bytes, as a
// user's form in Qt Designer sets them: the first byte picks the class, each
// following pair a property and one of its edge values. The widget is then
// shown, resized, painted, clicked and typed into. Nothing may abort.
#include "fuzz_common.h"
#include "helpers/property_torture.h"
#include "package/QZ8StyledListboxPack.h"
#include "toolkit/Registration.h"

#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool registered = [] {
        qz8::RegisterPackageComponents();
        return true;
    }();
    (void)registered;
    const auto& components = qz8::RegisteredComponents();
    if (size < 1 || components.empty())
        return 0;
    const qz8::TRegisteredComponent& c = components[data[0] % components.size()];
    std::vector<QMetaProperty> properties;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < c.Class->propertyCount(); ++i) {
        const QMetaProperty p = c.Class->property(i);
        if (p.isWritable() && p.isDesignable() && qz8test::DeclaredByTheLibrary(*c.Class, i) &&
            !qz8test::EdgeValues(p).isEmpty())
            properties.push_back(p);
    }
    if (properties.empty())
        return 0;
    // Never destroyed: a static widget would outlive the application object.
    static QWidget* const sheet = new QWidget;
    std::unique_ptr<QWidget> w(c.Create(sheet));
    for (size_t i = 1; i + 1 < size && i < 2 * 64; i += 2) {
        const QMetaProperty& p = properties[data[i] % properties.size()];
        const QVariantList values = qz8test::EdgeValues(p);
        p.write(w.get(), values[data[i + 1] % values.size()]);
    }
    qz8test::Exercise(*w);
    return 0;
}
