// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Numbers are read as the user's locale writes them, in the list painter,
// the spin edits and the form state files: German, French (whose group
// separator is a narrow no-break space), US English and C.
#include "controls/My_StyledTMSComponents.h"
#include "external/ElPack.h"
#include "external/General_runtime.h"
#include "external/TmsControls.h"
#include "settings/ReadAndSaveIni.h"
#include "store/MemIniFile.h"
#include "toolkit/Forms.h"

#include <QDoubleSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using namespace qz8;

namespace {

struct Locale {
    explicit Locale(const QLocale& l) { UserDefaultFormatSettings = FormatSettingsFor(l); }
    ~Locale() { UserDefaultFormatSettings = FormatSettingsFor(QLocale::system()); }
};

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kFrench(QLocale::French, QLocale::France);
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

std::optional<double> Read(const QString& text)
{
    double v = 0;
    return TryStrToFloat(text, v) ? std::optional<double>(v) : std::nullopt;
}

} // namespace

TEST(LocaleNumbers, ReadAsEachLocaleWritesThem)
{
    const QString nnbsp(QChar(0x202F));
    struct Case {
        QLocale locale;
        QString text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {kGerman, "0,714", 0.714},
        {kGerman, "0.714", std::nullopt},
        {kGerman, "0.125", std::nullopt},
        {kGerman, "1.234,5", 1234.5},
        {kGerman, "1234,5", 1234.5},
        {kGerman, "1234.5", std::nullopt},
        {kGerman, "12.34", std::nullopt},
        {kGerman, "-1,5e3", -1500.0},
        {kGerman, "1.2345", std::nullopt},
        {kFrench, "0,714", 0.714},
        {kFrench, "1" + nnbsp + "234,5", 1234.5},
        {kFrench, "0.714", std::nullopt},
        {kFrench, "1 234,5", std::nullopt},
        {kUs, "0.714", 0.714},
        {kUs, "1,234.5", 1234.5},
        {kUs, "0,714", std::nullopt},
        {kUs, "1,23", std::nullopt},
        {kUs, "abc", std::nullopt},
        {kUs, "", std::nullopt},
        {QLocale::c(), "0.714", 0.714},
        {QLocale::c(), "1e308", 1e308},
        {QLocale::c(), "1e999", std::nullopt},
        {QLocale::c(), "0,714", std::nullopt},
    };
    for (const Case& c : cases) {
        Locale scope(c.locale);
        EXPECT_EQ(Read(c.text), c.value) << c.locale.name().toStdString() << " \"" << c.text.toStdString() << "\"";
    }
    // What the locale writes, it reads.
    for (const QLocale& l : {kGerman, kFrench, kUs, QLocale::c()}) {
        Locale scope(l);
        for (const double v : {0.714, 1234.5, -98765432.25, 1e-5}) {
            const QString written = l.toString(v, 'f', 6);
            EXPECT_EQ(Read(written), std::optional<double>(l.toDouble(written))) << written.toStdString();
        }
    }
}

TEST(LocaleNumbers, TheListPainterShowsNumbersOfTheLocaleOnly)
{
    TStyledListbox list;
    list.Items().AddStrings({"0.714", "0,714", "1234.5", "17"});
    {
        Locale scope(kGerman);
        EXPECT_EQ(list.RowText(0), "0.714"); // text, not 714
        EXPECT_EQ(list.RowText(1), "0,71");
        EXPECT_EQ(list.RowText(2), "1234.5");
        EXPECT_EQ(list.RowText(3), "17");
    }
    {
        Locale scope(kUs);
        EXPECT_EQ(list.RowText(0), "0.71");
        EXPECT_EQ(list.RowText(1), "0,714");
        EXPECT_EQ(list.RowText(2), "1,234.50");
    }
}

TEST(LocaleNumbers, SpinEditsAndFormStateFilesKeepTheirValues)
{
    TElFloatSpinEdit spin;
    spin.setLocale(kGerman); // its editor follows
    spin.SetValue(2);
    spin.SetText("0.714"); // not a German number: the value stays
    EXPECT_DOUBLE_EQ(spin.Value(), 2);
    spin.SetText("0,5");
    EXPECT_DOUBLE_EQ(spin.Value(), 0.5);

    QTemporaryDir dir;
    for (const QLocale& l : {kGerman, kFrench, kUs, QLocale::c()}) {
        Locale scope(l);
        const QString ini = dir.filePath(l.name() + ".ini");
        {
            TForm form;
            auto* s = new TAdvSpinEdit(&form);
            s->setObjectName("Spin");
            s->SetSpinType(TAdvSpinEdit::sptFloat);
            s->SetFloatValue(1234.5);
            SaveIni(&form, ini);
        }
        TForm form;
        auto* back = new TAdvSpinEdit(&form);
        back->setObjectName("Spin");
        back->SetSpinType(TAdvSpinEdit::sptFloat);
        ReadIni(&form, ini);
        EXPECT_DOUBLE_EQ(back->FloatValue(), 1234.5) << l.name().toStdString();
    }
}
