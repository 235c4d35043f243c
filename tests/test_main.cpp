// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Test entry: a QApplication on the offscreen platform with a fixed font, and
// every process-wide value set back before each test.
#include "toolkit/Types.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

namespace {
class ResetGlobals : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { qz8::ResetProcessGlobals(); }
};
} // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery lists the tests without the test environment.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetGlobals);
    return RUN_ALL_TESTS();
}
