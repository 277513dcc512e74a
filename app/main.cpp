// orinprog: the programming tool's window.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "shell/MainWindow.h"
#include "app/Application.h"
#include "app/InstallCheck.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orinprog"));
    QApplication::setOrganizationName(QStringLiteral("Orin"));

    Application program;
    QStringList args = QApplication::arguments();
    args.removeFirst();
    if (!program.Start(args)) {
        return 1;
    }
    // For measuring start-up: report when the window has been shown and
    // painted, then end. (exit, not quit: quit first closes every window, and
    // under Wine that loops for ever in Qt 6.4.)
    if (qEnvironmentVariableIsSet("ORIN_QUIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("shown after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            QApplication::exit(0);
        });
    }
    // For checking an installed copy: switch the language, open the help,
    // report, end.
    if (qEnvironmentVariableIsSet("ORIN_SWITCH_LANGUAGE_AND_QUIT")) {
        QTimer::singleShot(0, &app, [&] { QApplication::exit(InstallCheck::Run(program)); });
    }
    // For screenshots: grab the window once it has settled, save it, end.
    const QString shot = qEnvironmentVariable("ORIN_SCREENSHOT");
    if (!shot.isEmpty()) {
        QTimer::singleShot(500, &app, [&] {
            program.Window()->grab().save(shot);
            QApplication::exit(0);
        });
    }
    return QApplication::exec();
}
