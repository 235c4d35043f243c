// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Helpers of the general runtime: number encoding, file tests, logging and
// the style colours.
#include "external/General_runtime.h"
#include "external/Tms_utils.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace qz8;

TEST(NumStr, EveryCodeAndControlCharactersRoundTripAsIniSafeText)
{
    QString all;
    for (int c = 0; c <= 0xFFFF; ++c)
        all += QChar(static_cast<char16_t>(c));
    const QString enc = ToNumStr(all);
    EXPECT_EQ(FromNumStr(enc), all);
    for (QChar c : enc)
        EXPECT_TRUE(c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('F')));
    const QString control = QStringLiteral("a\x1A\r\n\t=[;]") + QChar(0);
    EXPECT_EQ(FromNumStr(ToNumStr(control)), control);
    EXPECT_EQ(ToNumStr(""), "");
    // Damaged encodings decode up to the first bad group.
    EXPECT_EQ(FromNumStr("0041zz420043"), "A");
    EXPECT_EQ(FromNumStr("00410"), "A");
}

TEST(FileTests, FilesAndFoldersAreTold)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("f.txt");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.close();
    EXPECT_TRUE(DriveAndFileExist(file));
    EXPECT_FALSE(DriveAndFileExist(dir.path()));
    EXPECT_TRUE(DriveAndFolderExist(dir.path()));
    EXPECT_FALSE(DriveAndFolderExist(file));
    EXPECT_FALSE(DriveAndFileExist(""));
    EXPECT_FALSE(DriveAndFolderExist(dir.filePath("gone")));
}

TEST(Logging, LinesAreAppendedOnlyWhileLoggingIsOn)
{
    QTemporaryDir dir;
    LogFileName = dir.filePath("sub/log.txt");
    if (global_keeping_log)
        AddToLogFile("x");
    EXPECT_FALSE(QFile::exists(LogFileName));
    AddToLogFile("FormShow Form1");
    AddToLogFile("second");
    QFile f(LogFileName);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "FormShow Form1\nsecond\n");
    // An unwritable log is ignored.
    LogFileName = dir.path();
    AddToLogFile("lost");
}

TEST(Styles, EveryStyleIsAPaletteAndBadOrdinalsReadTheDefault)
{
    for (int i = 0; i < TTMSStyleCount; ++i) {
        const auto s = static_cast<TTMSStyle>(i);
        EXPECT_FALSE(TMSStyleName(s).isEmpty());
        // Text must stand out from its background, selected or not.
        const QColor back = ToQColor(GetABaseTMSBackgroundColour(s));
        const QColor text = ToQColor(GetABaseTMSTextColour(s));
        EXPECT_GT(std::abs(back.lightness() - text.lightness()), 100) << i;
        const QColor hb = ToQColor(GetABaseTMSHighlightBackgroundColour(s));
        const QColor ht = ToQColor(GetABaseTMSHighlightedTextColour(s));
        EXPECT_GT(std::abs(hb.lightness() - ht.lightness()), 60) << i;
    }
    const auto bad = static_cast<TTMSStyle>(200);
    EXPECT_EQ(GetABaseTMSBackgroundColour(bad), GetABaseTMSBackgroundColour(tsClassicLight));
    EXPECT_FALSE(IsValidTMSStyle(TTMSStyleCount));
    QWidget w;
    QWidget child(&w);
    ApplyTMSStylePalette(&w, tsGraphite);
    EXPECT_EQ(child.palette().color(QPalette::Window), ToQColor(GetABaseTMSBackgroundColour(tsGraphite)));
    EXPECT_EQ(Global_TMSStyle, tsClassicLight);
}
