// The transfer commands in the window: the progress dialog's life, a read and
// a write of the built-in simulated radio, Cancel, the synchronization error
// that keeps the dialog and the safety-net files.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>
#include <QWidget>
#include <atomic>
#include <gtest/gtest.h>
#include <semaphore>
#include <thread>

#include "base/AppLanguage.h"
#include "base/ModalRunner.h"
#include "transfer/ConnectionCheckDialog.h"
#include "transfer/PortChoice.h"
#include "transfer/TransferCommands.h"
#include "image/ImageMap.h"
#include "transfer/ProgressDialog.h"
#include "transfer/TransferArchive.h"
#include "link/TransferTexts.h"
#include "document/ChannelDocument.h"
#include "support/QtPrinters.h"
#include "support/RecordingPrompter.h"

namespace {

MemoryImage Pattern(int seed) {
    MemoryImage image;
    for (std::size_t i = 0; i < MemoryImage::Size; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 5 + seed);
    }
    return image;
}

class TransferCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // ctest runs every test as its own process, in parallel: each gets its
        // own data folder.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(
            QStringLiteral("transfer_gui_tests-%1").arg(QCoreApplication::applicationPid()));
        QDir(TransferArchive::Folder()).removeRecursively();
        commands = std::make_unique<TransferCommands>(doc, &window, &window);
        commands->SetSleeper([](int) {}); // virtual time: the protocol's waits cost nothing
    }
    void TearDown() override {
        commands.reset();
        QDir(TransferArchive::Folder()).removeRecursively();
    }
    ProgressDialog& Dialog() { return *commands->Dialog(); }
    // Presses Start and waits for the transfer to end.
    bool StartAndFinish() {
        QSignalSpy finished(commands.get(), &TransferCommands::transferFinished);
        Dialog().StartButton()->click();
        return finished.wait(20000);
    }

    QWidget window;
    ChannelDocument doc;
    RecordingPrompter prompter{false}; // Cancel, No
    std::unique_ptr<TransferCommands> commands;
};

TEST_F(TransferCommandsTest, ReadCommandShowsTheDialogWaitingForStart) {
    commands->ReadAction()->trigger();
    EXPECT_EQ(commands->Direction(), TransferDirection::Read);
    EXPECT_TRUE(Dialog().IsCreated());
    EXPECT_EQ(Dialog().windowTitle(), "Reading Data Progress");
    EXPECT_EQ(Dialog().StartButton()->text(), "Start");
    EXPECT_EQ(Dialog().CancelButton()->text(), "Cancel");
    EXPECT_EQ(Dialog().StatusText(),
              "Not started yet. Connect the radio, switch it on and press Start.");
    EXPECT_TRUE(Dialog().IsStartEnabled());
    EXPECT_TRUE(Dialog().StartButton()->isDefault());
    EXPECT_EQ(Dialog().ProgressPosition(), 0);
}

TEST_F(TransferCommandsTest, ReadOfTheSimulatedRadioReplacesTheImageAndRedisplays) {
    const MemoryImage radio = Pattern(7);
    commands->SetBuiltInRadio(radio, {});
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    doc.newDocument(Pattern(1));
    const MemoryImage before = doc.image();
    QSignalSpy busy(commands.get(), &TransferCommands::busyChanged);
    commands->ReadAction()->trigger();
    ASSERT_TRUE(StartAndFinish());
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::Completed);
    for (std::size_t a = 0; a < MemoryImage::Size; ++a) {
        const bool bCarried = a <= ImageMap::TransferEnd || (a >= 0xFF0 && a <= 0xFF2);
        if (a != ImageMap::CommitMarker) { // which the document always holds
            ASSERT_EQ(doc.image()[a], bCarried ? radio[a] : before[a]) << a;
        }
    }
    // One undo step; the radio holds the result, no file does.
    EXPECT_EQ(doc.stepCount(), 1);
    EXPECT_EQ(doc.undoName(Lang::English), QStringLiteral("Read From Radio"));
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.filePath().isEmpty());
    EXPECT_TRUE(doc.suggestedPath().startsWith(QStringLiteral("Radio ")));
    EXPECT_FALSE(Dialog().IsCreated());
    EXPECT_EQ(Dialog().ProgressPosition(), 397);
    EXPECT_EQ(Dialog().StatusText(), "Block 397 of 397, 100%");
    EXPECT_TRUE(prompter.messages.isEmpty());
    ASSERT_EQ(busy.count(), 2);
    EXPECT_TRUE(busy[0][0].toBool());
    EXPECT_FALSE(busy[1][0].toBool());
    // The safety nets: a backup of what was read and the frame log.
    const QStringList backups =
        QDir(TransferArchive::BackupFolder()).entryList({"orin-*-read.sin"}, QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    QFile log(TransferArchive::LogPath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains("read on Simulated radio: completed"))
        << text.left(200).toStdString();
    EXPECT_TRUE(text.contains("sent      52 0C 60 08")) << text.left(200).toStdString();
}

TEST_F(TransferCommandsTest, SecondCommandKeepsOneDialogAndItsTitleButChangesTheDirection) {
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    doc.apply(BiText{"Edit", "Edit"}, [](MemoryImage& image) {
        image = Pattern(3);
        return true;
    });
    commands->ReadAction()->trigger();
    commands->ReadAction()->trigger();
    commands->WriteAction()->trigger();
    EXPECT_EQ(Dialog().windowTitle(), "Reading Data Progress");
    EXPECT_EQ(window.findChildren<ProgressDialog*>().size(), 1);
    EXPECT_EQ(commands->Direction(), TransferDirection::Write);
    ASSERT_TRUE(StartAndFinish());
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::Completed);
    EXPECT_EQ(commands->BuiltInRadio().CompletedWrites(), 1);
    EXPECT_EQ(commands->BuiltInRadio().Memory()[0x123], doc.image()[0x123]);
    EXPECT_EQ(doc.stepCount(), 1);
    // The radio holds what was written, the file still does not.
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.isOnRadioOnly());
    EXPECT_EQ(QDir(TransferArchive::BackupFolder())
                  .entryList({"orin-*-before-write.sin"}, QDir::Files)
                  .size(),
              1);
}

TEST_F(TransferCommandsTest, EnterPressesStartOnce) {
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    commands->ReadAction()->trigger();
    QSignalSpy finished(commands.get(), &TransferCommands::transferFinished);
    QTest::keyClick(&Dialog(), Qt::Key_Return);
    EXPECT_FALSE(Dialog().IsStartEnabled());
    QTest::keyClick(&Dialog(), Qt::Key_Return); // Start is disabled while running
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::Completed);
    EXPECT_EQ(commands->BuiltInRadio().CompletedReads(), 1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(commands->IsBusy()); // no second transfer
}

TEST_F(TransferCommandsTest, CancelOrEscapeBeforeStartClosesTheDialogAndSendsNothing) {
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    commands->ReadAction()->trigger();
    Dialog().CancelButton()->click();
    EXPECT_FALSE(Dialog().IsCreated());
    commands->ReadAction()->trigger();
    ASSERT_TRUE(Dialog().IsCreated());
    QTest::keyClick(&Dialog(), Qt::Key_Escape);
    EXPECT_FALSE(Dialog().IsCreated());
    EXPECT_EQ(commands->BuiltInRadio().WakeUps(), 0);
    EXPECT_FALSE(QFile::exists(TransferArchive::LogPath()));
}

TEST_F(TransferCommandsTest, SynchronizationErrorKeepsTheDialogForAnotherStart) {
    commands->SetBuiltInRadio(SimulatedRadio::DemoMemory(), {.answerFromWakeUp = 5});
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    const MemoryImage before = doc.image();
    commands->ReadAction()->trigger();
    ASSERT_TRUE(StartAndFinish());
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::SyncFailed);
    // The message offers the connection check; OK is the default.
    EXPECT_EQ(prompter.questions, QStringList{"Synchronization Error"});
    EXPECT_EQ(prompter.choiceButtons.value(0), (QStringList{"Check Connection...", "OK"}));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Dialog().IsCreated());
    EXPECT_TRUE(Dialog().IsStartEnabled());
    EXPECT_EQ(Dialog().StatusText(), "Not start...");
    EXPECT_EQ(doc.image(), before);
    // Start again: a complete new attempt, which this radio answers.
    ASSERT_TRUE(StartAndFinish());
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::Completed);
    EXPECT_EQ(doc.stepCount(), 1);
}

// What the connection check's dialog showed when it had finished: each
// step's text and its name for a screen reader.
struct CheckSeen {
    int runs = 0;
    QStringList texts;
    QStringList names;
    QString copied;
};

void WatchTheCheck(CheckSeen& seen) {
    ModalRunner::Set([&seen](QDialog& d) {
        auto& dialog = dynamic_cast<ConnectionCheckDialog&>(d);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.IsRunning(); }, 20000));
        ++seen.runs;
        seen.texts.clear();
        seen.names.clear();
        for (int i = 0; i < 4; ++i) {
            seen.texts << dialog.StepLabel(i)->text();
            seen.names << dialog.StepLabel(i)->accessibleName();
        }
        dialog.CopyButton()->click();
        seen.copied = QGuiApplication::clipboard()->text();
        return int(QDialog::Rejected);
    });
}

TEST_F(TransferCommandsTest, CheckConnectionShowsEachStepToTheEyeAndToAScreenReader) {
    QMenu menu;
    commands->Port().PopulateMenu(&menu);
    ASSERT_EQ(menu.actions().last(), commands->CheckAction());
    EXPECT_EQ(commands->CheckAction()->text(), "Check Connection...");
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    CheckSeen seen;
    WatchTheCheck(seen);
    commands->CheckAction()->trigger();
    ASSERT_EQ(seen.runs, 1);
    EXPECT_EQ(seen.texts[0], "✓ Port: the simulated radio inside this program: no cable or port to open");
    EXPECT_TRUE(seen.texts[3].startsWith("✓ Line: the wake-up was answered in")) << seen.texts[3].toStdString();
    EXPECT_TRUE(seen.names[2].startsWith(
        "Step 3 of 4, Radio: passed. Orin-6140D answers: T426, version 0x37"))
        << seen.names[2].toStdString();
    EXPECT_TRUE(seen.copied.startsWith("Simulated radio: the radio answers.\n✓ Port: "))
        << seen.copied.toStdString();
    EXPECT_EQ(seen.copied.count("✓"), 4);

    QTranslator chinese;
    ASSERT_TRUE(chinese.load(QCoreApplication::applicationDirPath() + "/Chinese.qm"));
    QCoreApplication::installTranslator(&chinese);
    bChinese = 1;
    commands->SetBuiltInRadio(SimulatedRadio::DemoMemory(), {.bNeverAnswer = true});
    commands->CheckAction()->trigger();
    bChinese = 0;
    QCoreApplication::removeTranslator(&chinese);
    ModalRunner::Set({});
    EXPECT_TRUE(seen.copied.startsWith("模拟对讲机：对讲机没有应答")) << seen.copied.toStdString();
    EXPECT_EQ(seen.texts[2], "✗ 对讲机：唤醒没有应答：请打开对讲机，调大音量旋钮，把插头插到底，检查端口");
    EXPECT_EQ(seen.names[2], "第 3 步（共 4 步），对讲机：未通过。唤醒没有应答：请打开对讲机，调大音量旋钮，"
                             "把插头插到底，检查端口");
    EXPECT_EQ(seen.names[3], "第 4 步（共 4 步），线路：未检查");
}

TEST_F(TransferCommandsTest, ChoosingCheckConnectionAfterASynchronizationErrorRunsTheCheck) {
    // The transfer's four wake-ups go unanswered, the check's is answered.
    commands->SetBuiltInRadio(SimulatedRadio::DemoMemory(), {.answerFromWakeUp = 5});
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    prompter.choiceAnswers = {0};
    CheckSeen seen;
    WatchTheCheck(seen);
    commands->ReadAction()->trigger();
    ASSERT_TRUE(StartAndFinish());
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen.runs == 1; }, 20000));
    ModalRunner::Set({});
    EXPECT_EQ(seen.copied.count("✓"), 4) << seen.copied.toStdString();
}

TEST_F(TransferCommandsTest, CancelDuringTheBlocksClosesTheDialogAndKeepsTheImage) {
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    doc.newDocument(Pattern(2));
    const MemoryImage before = doc.image();
    std::atomic<int> sleeps{0};
    std::atomic<bool> bHeld{false};
    std::binary_semaphore release(0);
    commands->SetSleeper([&](int) {
        // Hold the transfer in its block loop until the test pressed Cancel.
        if (++sleeps == 100) {
            bHeld = true;
            release.acquire();
        }
    });
    commands->ReadAction()->trigger();
    QSignalSpy finished(commands.get(), &TransferCommands::transferFinished);
    Dialog().StartButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bHeld.load(); }, 20000));
    Dialog().CancelButton()->click();
    EXPECT_TRUE(Dialog().IsCreated()); // the running transfer closes it
    release.release();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(commands->LastOutcome(), TransferOutcome::Cancelled);
    EXPECT_FALSE(Dialog().IsCreated());
    EXPECT_EQ(doc.image(), before);
    EXPECT_EQ(doc.stepCount(), 0);
    // The user pressed Cancel and knows it: no message box.
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();
}

TEST_F(TransferCommandsTest, CancelAndWaitStopsARunningTransferWithoutMessages) {
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    const MemoryImage before = doc.image();
    std::atomic<bool> bRunning{false};
    std::atomic<bool>& bCancel = Dialog().CancelRequested();
    commands->SetSleeper([&](int) {
        // The transfer waits here, as it would on a slow radio, until cancelled.
        bRunning = true;
        while (!bCancel.load()) {
            std::this_thread::yield();
        }
    });
    commands->ReadAction()->trigger();
    Dialog().StartButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bRunning.load(); }, 20000));
    EXPECT_TRUE(commands->IsBusy());
    EXPECT_FALSE(commands->ReadAction()->isEnabled());
    EXPECT_TRUE(commands->CancelAndWait());
    EXPECT_FALSE(commands->IsBusy());
    EXPECT_TRUE(commands->ReadAction()->isEnabled());
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(doc.image(), before);
}

TEST_F(TransferCommandsTest, PortThatCannotBeOpenedIsReportedWithTheSystemReason) {
    // Any text from Port > Other port..., a COM number past every integer
    // type included (it used to end the program with the user's edits).
    for (const char* port : {"/dev/orin-no-such-port", "COM99999999999"}) {
        prompter.messages.clear();
        prompter.details.clear();
        commands->Port().SetPortName(port);
        commands->ReadAction()->trigger();
        ASSERT_TRUE(StartAndFinish());
        EXPECT_EQ(commands->LastOutcome(), TransferOutcome::PortNotOpened);
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_EQ(prompter.messages[0], TransferTexts::PortNotOpened.english);
        // The system's reason (Windows adds its own hint to its words).
#ifdef _WIN32
        EXPECT_TRUE(prompter.details[0].contains("The port does not exist"))
#else
        EXPECT_TRUE(prompter.details[0].contains("No such file"))
#endif
            << prompter.details[0].toStdString();
        QCoreApplication::processEvents();
        EXPECT_FALSE(Dialog().IsCreated());
    }
}

TEST_F(TransferCommandsTest, CommandTextsAreTheProgramsOwn) {
    EXPECT_EQ(commands->ReadAction()->text(), "&Read From Radio"); // Qt shows the key
    EXPECT_EQ(commands->ReadAction()->statusTip(), "Read Data From Radio");
    EXPECT_EQ(commands->ReadAction()->toolTip(), "Read");
    EXPECT_EQ(commands->WriteAction()->text(), "&Write To Radio");
    EXPECT_EQ(commands->WriteAction()->statusTip(), "Write Data to Radio ");
    EXPECT_EQ(commands->WriteAction()->toolTip(), "Write");
    EXPECT_EQ(commands->ReadAction()->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(commands->WriteAction()->shortcut(), QKeySequence("Ctrl+W"));
    commands->WriteAction()->trigger();
    EXPECT_EQ(Dialog().windowTitle(), "Writing Data Progress");
}

TEST_F(TransferCommandsTest, ChineseModuleTranslatesTheCommandsAndTheDialog) {
    QTranslator chinese;
    ASSERT_TRUE(chinese.load(QCoreApplication::applicationDirPath() + "/Chinese.qm"));
    QCoreApplication::installTranslator(&chinese);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const QString readText = commands->ReadAction()->text();
    commands->ReadAction()->trigger();
    const QString start = Dialog().StartButton()->text();
    const QString status = Dialog().StatusText();
    const QString title = Dialog().windowTitle();
    QCoreApplication::removeTranslator(&chinese);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(readText, "从对讲机读取(&R)");
    EXPECT_EQ(start, "开始");
    EXPECT_EQ(status, "尚未开始。请连接对讲机、打开电源，然后按“开始”。");
    EXPECT_EQ(title, "读取数据进度");
    EXPECT_EQ(commands->ReadAction()->text(), "&Read From Radio");
    EXPECT_EQ(Dialog().StartButton()->text(), "Start");
}

} // namespace
