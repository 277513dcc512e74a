// The longest stall of the user-interface thread while the window reads and
// writes a radio: a timer ticks every 5 ms on the interface thread and the
// largest gap between two ticks is the stall. The radio is the simulated one
// behind a pseudo-terminal at 9600-baud line timing. Target: under 50 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "StallMeter.h"
#include "transfer/PortChoice.h"
#include "transfer/TransferCommands.h"
#include "base/Prompter.h"
#include "image/ImageMap.h"
#include "transfer/ProgressDialog.h"
#include "link/PtyRadioServer.h"
#include "document/ChannelDocument.h"

namespace {

class PrintingPrompter final : public Prompter {
public:
    void ShowMessage(QWidget*, const QString& text, const QString&) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool AskYesNo(QWidget*, const QString&) override { return false; }
    bool AskRetryCancel(QWidget*, const QString& text) override {
        std::fprintf(stderr, "prompt: %s\n", qPrintable(text));
        return false;
    }
    SaveChoice AskSaveChanges(QWidget*, const QString&) override { return SaveChoice::Cancel; }
};

double Run(TransferCommands& commands, bool bWrite) {
    bWrite ? commands.OnWrite() : commands.OnRead();
    StallMeter meter;
    QSignalSpy finished(&commands, &TransferCommands::transferFinished);
    meter.Start();
    commands.Dialog()->StartButton()->click();
    finished.wait(120000);
    const double seconds = meter.Seconds();
    meter.Stop();
    std::printf("%-5s %s in %.1f s; longest interface-thread stall %.1f ms (timer every 5 ms)\n",
                bWrite ? "write" : "read",
                commands.LastOutcome() == TransferOutcome::Completed ? "completed" : "FAILED",
                seconds, meter.LongestMs());
    return meter.LongestMs();
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // backups and logs away from the user's folder
    PrintingPrompter prompter;
    SetPrompter(&prompter);

    SimulatedRadio radio(SimulatedRadio::DemoMemory(), {.bLineTiming = true});
    PtyRadioServer server(radio);
    std::string error;
    if (!server.Start(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::thread serving([&server] { server.Serve(); });

    QWidget window;
    ChannelDocument doc;
    int status = 0;
    {
        TransferCommands commands(doc, &window, &window);
        commands.Port().SetPortName(QString::fromStdString(server.SlavePath()));
        const double read = Run(commands, false);
        const double write = Run(commands, true);
        const bool ok = std::max(read, write) < 50.0;
        std::printf("target stall < 50 ms: %s\n", ok ? "met" : "NOT met");
        status = ok ? 0 : 1;
    }
    server.Stop();
    serving.join();
    SetPrompter(nullptr);
    return status;
}
