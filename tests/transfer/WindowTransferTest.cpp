// The radio link's commands in the main window: what a read of the simulated
// radio does to the window while it runs and after, and closing during one.
#include <QApplication>
#include <QDate>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <atomic>
#include <thread>

#include "commands/FileCommands.h"
#include "commands/MainActions.h"
#include "transfer/PortChoice.h"
#include "formats/ProfileFile.h"
#include "transfer/TransferCommands.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelCommands.h"
#include "editor/ChannelTable.h"
#include "image/BandLimits.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "transfer/ProgressDialog.h"
#include "tests/app/ShellFixture.h"

namespace {

class WindowTransferTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(
            QStringLiteral("app_window_transfer_tests-%1").arg(QCoreApplication::applicationPid()));
        MakeFrame();
        frame->Actions().fileNew->trigger();
        commands = new TransferCommands(doc, view->Grid(), frame.get()); // the frame owns it
        commands->SetSleeper([](int) {});
        frame->AttachTransfer(commands);
    }

    // Reads the built-in radio to the end.
    void ReadRadio() {
        commands->Port().SetPortName(PortChoice::SimulatedPort);
        QSignalSpy finished(commands, &TransferCommands::transferFinished);
        commands->ReadAction()->trigger();
        ASSERT_TRUE(commands->Dialog()->IsCreated());
        commands->Dialog()->StartButton()->click();
        ASSERT_TRUE(finished.wait(20000));
    }
    void ChangeAChannel() {
        doc.apply(BiText{"Edit", "Edit"}, [this](MemoryImage& image) {
            image[0x830] = ++changes; // a settings byte
            return true;
        });
    }

    TransferCommands* commands = nullptr;
    std::uint8_t changes = 0;
};

TEST_F(WindowTransferTest, AReadThenAWriteLeavesTheRadioAsItWasOverWhatIsTransferred) {
    const MemoryImage before = commands->BuiltInRadio().Memory();
    ReadRadio();
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    QSignalSpy finished(commands, &TransferCommands::transferFinished);
    commands->WriteAction()->trigger();
    commands->Dialog()->StartButton()->click();
    ASSERT_TRUE(finished.wait(20000));
    const MemoryImage& after = commands->BuiltInRadio().Memory();
    for (int a = 0; a <= ImageMap::TransferEnd; ++a) {
        ASSERT_EQ(after[a], before[a]) << "address " << a;
    }
}

TEST_F(WindowTransferTest, AfterAReadCtrlSAsksForANewNameAndTheFileOpenBeforeStaysAsItWas) {
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    const MemoryImage home = doc.image();
    const QString homePath = WriteImage(QStringLiteral("home.sin"), home);
    ASSERT_TRUE(frame->Files().OpenPath(homePath));
    const MemoryImage opened = doc.settledImage();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("home.sin[*] - Orin Programing Software"));
    ReadRadio();
    EXPECT_EQ(doc.image(), SimulatedRadio::DemoMemory());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled[*] - Orin Programing Software"));

    QStringList asked;
    const QString chosen = TempPath(QStringLiteral("radio.sin"));
    frame->Files().SetFileChooser([&](QWidget*, bool save, const QString& suggested) {
        asked << QStringLiteral("%1:%2").arg(save ? "save" : "open", suggested);
        return chosen;
    });
    QApplication::setActiveWindow(frame.get());
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    const QString dated =
        QStringLiteral("Radio %1.sin").arg(QDate::currentDate().toString(Qt::ISODate));
    EXPECT_EQ(asked, QStringList{QStringLiteral("save:") + TempPath(dated)});
    EXPECT_EQ(ReadFile(homePath),
              QByteArray(reinterpret_cast<const char*>(home.data()), MemoryImage::Size));
    EXPECT_EQ(ReadFile(chosen).size(), MemoryImage::Size);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("radio.sin[*] - Orin Programing Software"));

    // The read is one step back to what was there.
    frame->Actions().editUndo->trigger();
    EXPECT_EQ(doc.settledImage(), opened);
}

TEST_F(WindowTransferTest, AFinishedReadSaysSoInTheStatusBarWithItsTime) {
    ReadRadio();
    const QString said = frame->statusBar()->currentMessage();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Read 397 blocks in \\d+\\.\\d s$"))
                    .match(said)
                    .hasMatch())
        << said.toStdString();
}

TEST_F(WindowTransferTest, AReadOverUnsavedChangesAsksFirstAndCancelKeepsThem) {
    ChangeAChannel();
    const MemoryImage changed = doc.settledImage();
    prompter.saveAnswers = {SaveChoice::Cancel};
    commands->ReadAction()->trigger();
    EXPECT_EQ(prompter.questions.size(), 1);
    EXPECT_FALSE(commands->Dialog()->IsCreated());

    prompter.saveAnswers = {SaveChoice::Discard};
    commands->ReadAction()->trigger();
    EXPECT_EQ(prompter.questions.size(), 2);
    ASSERT_TRUE(commands->Dialog()->IsCreated());
    // A change made while the dialog waits for Start is asked about again.
    ChangeAChannel();
    prompter.saveAnswers = {SaveChoice::Cancel};
    commands->Dialog()->StartButton()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompter.questions.size(), 3);
    EXPECT_FALSE(commands->IsBusy());
    EXPECT_TRUE(commands->Dialog()->IsStartEnabled());
    EXPECT_NE(doc.settledImage(), changed); // the second change is still there
    EXPECT_TRUE(frame->isWindowModified());
}

TEST_F(WindowTransferTest, AWriteListsTheChannelsOutsideTheBandEdgesAndMayStillGoOn) {
    MemoryImage image = ImageMap::NewDocumentImage();
    ChannelRecord far;
    far[ColRxFrequency] = "450.00000";
    far[ColTxFrequency] = "450.00000";
    EncodeChannel(far, 2, image);
    far[ColRxFrequency] = "430.00000";
    far[ColTxFrequency] = "430.00000";
    EncodeChannel(far, 3, image);
    EncodeBandLimits(400, 440, image); // narrowed after channel 3 was set
    ASSERT_TRUE(frame->Files().OpenPath(WriteImage(QStringLiteral("narrow.sin"), image)));
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    const MemoryImage before = commands->BuiltInRadio().Memory();

    prompter.answers = {false};
    commands->WriteAction()->trigger();
    commands->Dialog()->StartButton()->click();
    QCoreApplication::processEvents();
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(prompter.questions[0].startsWith(QStringLiteral(
        "Outside the band edges 400-440 MHz (Field in the Type Setting bar): channels 3.")))
        << prompter.questions[0].toStdString();
    EXPECT_FALSE(commands->IsBusy());
    EXPECT_TRUE(commands->Dialog()->IsStartEnabled());
    EXPECT_EQ(commands->BuiltInRadio().Memory(), before);

    prompter.answers = {true};
    QSignalSpy finished(commands, &TransferCommands::transferFinished);
    commands->Dialog()->StartButton()->click();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::Completed);
    EXPECT_EQ(commands->BuiltInRadio().Memory()[ImageMap::SlotAddress(2)],
              doc.image()[ImageMap::SlotAddress(2)]);
}

TEST_F(WindowTransferTest, ThePortChosenIsTheOneTheNextStartUses) {
    emit frame->PortMenu()->aboutToShow();
    QAction* simulated = nullptr;
    for (QAction* action : frame->PortMenu()->actions()) {
        if (action->text() == QStringLiteral("Simulated radio")) {
            simulated = action;
        }
    }
    ASSERT_NE(simulated, nullptr);
    simulated->trigger();
    ProfileFile restarted;
    restarted.Open(dir.path().toStdString(), "MAIN.ini", false, true);
    EXPECT_EQ(restarted.GetValue("MAIN", "PORT", ""), "Simulated radio");

    auto otherView = std::make_unique<ChannelEditor>(doc);
    MainWindow next(ShellContext{doc, *otherView, restarted, *module});
    auto* nextCommands = new TransferCommands(doc, otherView->Grid(), &next);
    next.AttachTransfer(nextCommands);
    EXPECT_EQ(nextCommands->Port().PortName(), PortChoice::SimulatedPort);
}

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
    EXPECT_FALSE(frame->Channels().paste->isEnabled());
    EXPECT_FALSE(frame->Channels().sort->isEnabled());
    bChecked = true;
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(frame->Actions().fileNew->isEnabled());
    EXPECT_TRUE(frame->Actions().optionalFeatures->isEnabled());
    EXPECT_TRUE(frame->Channels().paste->isEnabled());
    EXPECT_EQ(view->Grid()->CellText(1, 13), QStringLiteral("PMR 1"));
    EXPECT_EQ(doc.image()[0x850], 25); // 'P'
}

TEST_F(WindowTransferTest, AShortBlockReplyOffersRetryAndCancelKeepsTheDocument) {
    // Block 20 holds channel 11's frequencies: a 10-byte reply used to pass
    // and leave its Tx frequency blank.
    commands->SetBuiltInRadio(SimulatedRadio::DemoMemory(),
                              {.shortReplyBlock = 20, .shortReplyLength = 10});
    const MemoryImage before = doc.image();
    prompter.answers = {true, false}; // Retry once, then Cancel
    ReadRadio();
    ASSERT_EQ(prompter.questions.size(), 2);
    EXPECT_TRUE(prompter.questions[0].contains(QStringLiteral("not received enough")));
    EXPECT_EQ(prompter.questions[1], prompter.questions[0]);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
    EXPECT_EQ(doc.image(), before);
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::ShortReply);
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
    const MemoryImage before = doc.image();
    commands->ReadAction()->trigger();
    commands->Dialog()->StartButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bRunning.load(); }, 20000));
    frame->close();
    EXPECT_FALSE(commands->IsBusy());
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::Cancelled);
    EXPECT_EQ(doc.image(), before);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

} // namespace
