// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// A tool window that waits for the launcher's style broadcast: it prints
// "ready on <platform>" once it listens, then "style N" when it restyled, and exits.
#include "external/Tms_utils.h"
#include "form/baseTMSStyleable_F.h"
#include "platform/Broadcast.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {
class Receiver : public qz8::TTMSStyleableRepositoryForm {
public:
    void MudancaDeEstilo(QObject* sender) override
    {
        qz8::TTMSStyleableRepositoryForm::MudancaDeEstilo(sender);
        std::printf("style %d\n", int(qz8::Global_TMSStyle));
        std::fflush(stdout);
        QCoreApplication::quit();
    }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Receiver window;
    window.show();
    // Ready once the window hears the launcher (the bus is asked off the
    // GUI thread, a moment after the window opens).
    const auto ready = [] {
        std::printf("ready on %s\n", qPrintable(QGuiApplication::platformName()));
        std::fflush(stdout);
    };
    auto* listener = window.findChild<qz8::TLauncherListener*>();
    if (!listener || listener->IsListening())
        QTimer::singleShot(0, ready);
    else
        QObject::connect(listener, &qz8::TLauncherListener::listening, ready);
    QTimer::singleShot(20000, [] { QCoreApplication::exit(3); }); // never hang a test
    return app.exec();
}
