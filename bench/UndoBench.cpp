// Memory and time of the undo history: 1000 steps of one-cell edits in the
// real channel view (each edit writes the image and keeps its snapshot), then
// 1000 undos and 1000 redos. Heap growth is measured with mallinfo2 while the
// steps are kept. Targets: under 10 MB for the history, under 1 ms per step.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

#include "base/Prompter.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "editor/ChannelTableModel.h"
#include "document/ChannelDocument.h"

namespace {

constexpr int Steps = 1000;

class SilentPrompter final : public Prompter {
public:
    void ShowMessage(QWidget*, const QString& text, const QString&) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool AskYesNo(QWidget*, const QString&) override { return false; }
    bool AskRetryCancel(QWidget*, const QString&) override { return false; }
    SaveChoice AskSaveChanges(QWidget*, const QString&) override { return SaveChoice::Cancel; }
};

double HeapMegabytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

double PerStepMs(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6 / Steps;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    SilentPrompter prompter;
    SetPrompter(&prompter);

    ChannelDocument doc;
    ChannelEditor view(doc);
    view.resize(1200, 600);
    view.show();
    ChannelTableModel& model = view.Model();
    const auto edit = [&model](int row, const QString& text) {
        model.setData(model.Cell(row, 1), text, Qt::EditRole);
    };

    // Every channel gets a frequency first, so each edit below changes bytes.
    for (int row = 1; row < ChannelTable::Rows; ++row) {
        edit(row, QStringLiteral("405.00000"));
    }
    const MemoryImage start = doc.image();

    const double heapBefore = HeapMegabytes();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Steps; ++i) {
        const int row = i % (ChannelTable::Rows - 1) + 1;
        edit(row, // one step, as each user's edit
             QStringLiteral("%1.%2").arg(406 + i / 128).arg(i % 80 * 625, 5, 10, QLatin1Char('0')));
    }
    const double recordMs = PerStepMs(clock);
    const double heapAfter = HeapMegabytes();
    if (doc.stepCount() < Steps) {
        std::fprintf(stderr, "only %d steps recorded\n", doc.stepCount());
        return 1;
    }

    clock.restart();
    for (int i = 0; i < Steps; ++i) {
        doc.undo();
    }
    const double undoMs = PerStepMs(clock);
    const bool backAtStart = doc.image() == start;
    clock.restart();
    for (int i = 0; i < Steps; ++i) {
        doc.redo();
    }
    const double redoMs = PerStepMs(clock);

    std::printf("steps kept:          %d\n", doc.stepCount());
    std::printf("history heap:        %.2f MB (%.1f KiB per step)\n", heapAfter - heapBefore,
                (heapAfter - heapBefore) * 1024.0 / Steps);
    std::printf("record one edit:     %.3f ms per step\n", recordMs);
    std::printf("undo:                %.3f ms per step\n", undoMs);
    std::printf("redo:                %.3f ms per step\n", redoMs);
    std::printf("undone to the start: %s\n", backAtStart ? "yes" : "NO");
    const bool ok = heapAfter - heapBefore < 10.0 && recordMs < 1.0 && undoMs < 1.0 &&
                    redoMs < 1.0 && backAtStart;
    std::printf("targets (< 10 MB, < 1 ms per step): %s\n", ok ? "met" : "MISSED");
    return ok ? 0 : 1;
}
