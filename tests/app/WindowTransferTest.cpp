// The radio link's commands in the main window: what a read of the simulated
// radio does to the window while it runs and after, and closing during one.
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <atomic>
#include <thread>

#include "app/MainActions.h"
#include "editor/CProgramView.h"
#include "editor/ChannelCommands.h"
#include "editor/ChannelGrid.h"
#include "app/PortChoice.h"
#include "link/ProgressDialog.h"
#include "app/TransferCommands.h"
#include "tests/app/ShellFixture.h"

namespace {

class WindowTransferTest : public ShellFixture<CProgramView> {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(
            QStringLiteral("app_window_transfer_tests-%1").arg(QCoreApplication::applicationPid()));
        view = std::make_unique<CProgramView>(doc);
        MakeFrame(*view);
        frame->Actions().fileNew->trigger();
        commands = new TransferCommands(*view, frame.get()); // the frame owns it
        commands->SetSleeper([](int) {});
        frame->AttachTransfer(commands);
    }
    void TearDown() override {
        ShellFixture::TearDown();
        view.reset();
    }

    std::unique_ptr<CProgramView> view;
    TransferCommands* commands = nullptr;
};

TEST_F(WindowTransferTest, ImageCommandsAreOffWhileAReadRunsAndTheGridShowsTheRadioAfter) {
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    std::atomic<bool> bCheck{false};
    std::atomic<bool> bChecked{false};
    commands->SetSleeper([&](int) {
        // Hold the transfer once, until the test has looked at the window.
        if (!bCheck.exchange(true)) {
            while (!bChecked.load()) {
                std::this_thread::yield();
            }
        }
    });
    commands->ReadAction()->trigger();
    QSignalSpy finished(commands, &TransferCommands::transferFinished);
    commands->Dialog()->StartButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bCheck.load(); }, 20000));
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->Actions().fileNew->isEnabled());
    EXPECT_FALSE(frame->Actions().fileOpen->isEnabled());
    EXPECT_FALSE(frame->Actions().optionalFeatures->isEnabled());
    EXPECT_FALSE(commands->WriteAction()->isEnabled());
    EXPECT_FALSE(view->Channels().paste->isEnabled());
    EXPECT_FALSE(view->Channels().sort->isEnabled());
    bChecked = true;
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(frame->Actions().fileNew->isEnabled());
    EXPECT_TRUE(frame->Actions().optionalFeatures->isEnabled());
    EXPECT_TRUE(view->Channels().paste->isEnabled());
    EXPECT_EQ(view->Grid()->CellText(1, 13), QStringLiteral("PMR 1"));
    EXPECT_EQ(doc.Image()[0x850], 25); // 'P'
}

TEST_F(WindowTransferTest, ClosingTheWindowStopsARunningTransferFirst) {
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    std::atomic<bool> bRunning{false};
    std::atomic<bool>& bCancel = commands->Dialog()->CancelRequested();
    commands->SetSleeper([&](int) {
        bRunning = true;
        while (!bCancel.load()) {
            std::this_thread::yield();
        }
    });
    const MemoryImage before = doc.Image();
    commands->ReadAction()->trigger();
    commands->Dialog()->StartButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bRunning.load(); }, 20000));
    frame->close();
    EXPECT_FALSE(commands->IsBusy());
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::Cancelled);
    EXPECT_EQ(doc.Image(), before);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

} // namespace
