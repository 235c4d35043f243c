// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A tool that ends with exit() while its QApplication still lives, after the
// secret store's worker thread was started: the process must end cleanly,
// not abort on a thread destroyed while running.
#include "platform/SecretStore.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString secret;
    const qz8::TSecretResult r =
        qz8::DesktopSecretStore().Read(QStringLiteral("qz8-test"), QStringLiteral("k"), secret);
    std::printf("store answered %d\n", static_cast<int>(r));
    std::fflush(stdout);
    // Unavailable: no session bus answers in the test.
    std::exit(r == qz8::TSecretResult::Unavailable ? 0 : 3);
}
