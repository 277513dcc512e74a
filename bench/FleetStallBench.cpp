// The longest stall of the user-interface thread while the fleet dialog
// writes and reads back 8 radios at once: a timer ticks every 5 ms on the
// interface thread and the largest gap between two ticks is the stall. Each
// radio is a simulated one behind its own pseudo-terminal at 9600-baud line
// timing. Target: under 50 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include "StallMeter.h"
#include "fleet/FleetDialog.h"
#include "image/ImageMap.h"
#include "link/PtyRadioServer.h"
#include "link/SimulatedRadio.h"
#include "link/SystemSerialLink.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 8;
    std::vector<std::unique_ptr<SimulatedRadio>> radios;
    std::vector<std::unique_ptr<PtyRadioServer>> servers;
    std::vector<std::thread> serving;
    std::vector<FleetDialog::Port> ports;
    for (int i = 0; i < count; ++i) {
        radios.push_back(std::make_unique<SimulatedRadio>(
            SimulatedRadio::DemoMemory(), SimulatedRadioOptions{.bLineTiming = true}));
        servers.push_back(std::make_unique<PtyRadioServer>(*radios.back()));
        std::string error;
        if (!servers.back()->Start(error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        serving.emplace_back([server = servers.back().get()] { server->Serve(); });
        const QString path = QString::fromStdString(servers.back()->SlavePath());
        ports.push_back({path, path, true});
    }
    int status = 0;
    {
        FleetDialog dialog(
            ImageMap::NewDocumentImage(), QString(), ports,
            [](const std::string&) { return std::make_unique<SystemSerialLink>(); }, nullptr);
        dialog.show();
        StallMeter meter;
        QSignalSpy finished(&dialog, &FleetDialog::runFinished);
        meter.Start();
        dialog.StartButton()->click();
        finished.wait(300000);
        meter.Stop();
        int verified = 0;
        for (int row = 0; row < dialog.Table()->rowCount(); ++row) {
            const QTableWidgetItem* result = dialog.Table()->item(row, 3);
            verified += result && result->text() == QStringLiteral("verified") ? 1 : 0;
        }
        std::printf("%d radios written and read back, %d verified, in %.1f s; longest "
                    "interface-thread stall %.1f ms (timer every 5 ms)\n",
                    count, verified, meter.Seconds(), meter.LongestMs());
        status = meter.LongestMs() < 50.0 && verified == count ? 0 : 1;
        std::printf("target stall < 50 ms: %s\n", meter.LongestMs() < 50.0 ? "met" : "NOT met");
    }
    for (auto& server : servers) {
        server->Stop();
    }
    for (std::thread& t : serving) {
        t.join();
    }
    return status;
}
