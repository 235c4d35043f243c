// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// The library's catalogues: German and French texts where the library shows
// text, English again when the catalogue is taken away.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/FileFolderOpenDlgU.h"
#include "controls/My_StyledTMSComponents.h"
#include "dialogs/dialog_stuff.h"
#include "external/General_runtime.h"
#include "external/Tool_tables.h"
#include "i18n/Translations.h"
#include "package/QZ8StyledListboxPack.h"
#include "toolkit/Registration.h"

#include <QAction>
#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace qz8;

namespace {
// Leaves the application in English whatever the test did.
struct EnglishAfterwards {
    ~EnglishAfterwards() { LoadLibraryTranslation(QLocale(QLocale::English)); }
};
} // namespace

TEST(Translations, GermanAndFrenchCataloguesAndBack)
{
    EnglishAfterwards english;
    ASSERT_TRUE(LoadLibraryTranslation(QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_EQ(_QZNonApplicable(), "k. A.");
    // The chooser's dialog title, as the dialog receives it.
    QString title;
    TCustomFileDialog::ExecuteHook = [&](TCustomFileDialog& d) {
        title = d.Title();
        return false;
    };
    TMyOpenFolderDialog chooser;
    chooser.ChosenExistingFileOrFolder("/tmp");
    EXPECT_EQ(title, QString::fromUtf8("Ordner auswählen"));
    EXPECT_TRUE(SuitableFilterForTool(tt_WordLister).endsWith("Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*|"));

    // The colour combo's placeholder and the package's What's This texts.
    EXPECT_EQ(TColourSharingCombo().placeholderText(), QString::fromUtf8("Keine Farbe gewählt"));
    RegisterPackageComponents();
    for (const TRegisteredComponent& c : RegisteredComponents()) {
        if (c.Class != &TColourSharingCombo::staticMetaObject)
            continue;
        const QString shown = QCoreApplication::translate("qz8", c.WhatsThis.toUtf8().constData());
        EXPECT_TRUE(shown.startsWith("Eine Aufklappliste")) << shown.toStdString();
    }

    ASSERT_TRUE(LoadLibraryTranslation(QLocale(QLocale::French, QLocale::France)));
    EXPECT_EQ(_QZNonApplicable(), "n/d");
    EXPECT_EQ(_QZSelectFolder(), "Choisir un dossier");

    EXPECT_FALSE(LoadLibraryTranslation(QLocale(QLocale::English)));
    EXPECT_EQ(_QZNonApplicable(), "n/a");
    EXPECT_EQ(_QZSelectFolder(), "Select a folder");
    EXPECT_FALSE(LoadLibraryTranslation(QLocale(QLocale::Japanese)));
}

// Qt's own texts come with the library's, and the controls' texts follow a
// change of language at once.
TEST(Translations, QtsOwnCatalogueAndLiveControlsFollow)
{
    EnglishAfterwards english;
    TMyOpenFolderDialog chooser;
    TNotepadGrabPanel panel;
    ASSERT_TRUE(LoadLibraryTranslation(QLocale(QLocale::German, QLocale::Germany)));
    QCoreApplication::processEvents(); // delivers LanguageChange
    EXPECT_EQ(panel.accessibleName(), QString::fromUtf8("Seitenränder"));
    QStringList tips;
    for (const QAction* a : chooser.actions())
        tips << a->toolTip();
    EXPECT_TRUE(tips.contains(QString::fromUtf8("Dieser Pfad existiert nicht."))) << tips.join("|").toStdString();
    if (!QtTranslationInstalled())
        GTEST_SKIP() << "Qt's German catalogue (qt6-translations-l10n) is not installed";
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Open"), "Open");
    LoadLibraryTranslation(QLocale(QLocale::English));
    QCoreApplication::processEvents();
    EXPECT_EQ(panel.accessibleName(), "Page margins");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), "Open");
}
