// Compare With File, Compare With Radio and Verify After Write in the main
// window over the real channel view and the built-in simulated radio.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include "commands/CompareCommands.h"
#include "commands/FileCommands.h"
#include "commands/MainActions.h"
#include "transfer/PortChoice.h"
#include "transfer/TransferCommands.h"
#include "compare/CompareDialog.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "transfer/ProgressDialog.h"
#include "tests/app/ShellFixture.h"

namespace {

class CompareWindowTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(
            QStringLiteral("app_compare_tests-%1").arg(QCoreApplication::applicationPid()));
        MakeFrame();
        frame->Actions().fileNew->trigger();
        transfer = new TransferCommands(doc, view->Grid(), frame.get());
        transfer->SetSleeper([](int) {});
        transfer->Port().SetPortName(PortChoice::SimulatedPort);
        frame->AttachTransfer(transfer);
        frame->resize(1300, 700);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        // Every comparison dialog is looked at, then closed.
        ModalRunner::Set([this](QDialog& dialog) {
            dialogs.append(dialog.windowTitle());
            if (auto* compare = qobject_cast<CompareDialog*>(&dialog)) {
                shown.append(compare->Summary() + QLatin1Char('\n') + compare->Text());
                // What a screen reader hears of the list and the headlines.
                accessible = compare->List()->accessibleName();
                for (QLabel* label : compare->findChildren<QLabel*>()) {
                    accessible +=
                        QLatin1Char('|') +
                        QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
                }
            }
            return 0;
        });
    }

    // Runs a transfer command through its dialog's Start, to the end.
    void Run(QAction* command) {
        command->trigger();
        QSignalSpy finished(transfer, &TransferCommands::transferFinished);
        transfer->Dialog()->StartButton()->click();
        ASSERT_TRUE(finished.wait(30000));
    }
    void TypeInto(int row, int col, const QString& text) {
        // The progress dialog had the focus.
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        ChannelTable& grid = *view->Grid();
        grid.scrollTo(grid.model()->index(row - 1, col - 1));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(row, col).center());
        QCoreApplication::processEvents();
        QTest::keyClicks(QApplication::focusWidget(), text);
        view->commitPendingEdits();
    }

    TransferCommands* transfer = nullptr;
    QStringList shown; // summary and text of every comparison dialog
    QString accessible;
};

TEST_F(CompareWindowTest, CompareWithRadioListsTheTwoEditedChannelsAndLeavesTheDocument) {
    Run(transfer->ReadAction());
    TypeInto(2, 13, QStringLiteral("PMR 22"));
    TypeInto(9, 1, QStringLiteral("435.5"));
    ASSERT_EQ(view->Grid()->CellText(2, 13), QStringLiteral("PMR 22"));
    ASSERT_TRUE(frame->isWindowModified());
    const int steps = doc.stepCount();
    const MemoryImage image = doc.image();
    const QString title = frame->windowTitle();

    Run(frame->Compare()->CompareRadioAction());
    ASSERT_EQ(shown.size(), 1) << dialogs.join(", ").toStdString();
    EXPECT_EQ(shown[0].toStdString(),
              "2 channels differ\n"
              "The channel data as it stands, against what the radio holds.\n"
              "2 channels differ\n"
              "channel 2: Name: PMR 22 -> PMR 2\n"
              "channel 9: Rx Frequency: 435.50000 -> 435.00000\n");
    EXPECT_EQ(accessible, QStringLiteral("Differences|2 channels differ|The channel data as it "
                                         "stands, against what the radio holds."));
    EXPECT_EQ(doc.stepCount(), steps);
    EXPECT_EQ(doc.image(), image);
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_EQ(frame->windowTitle(), title);
    EXPECT_EQ(view->Grid()->CellText(2, 13), QStringLiteral("PMR 22"));
}

TEST_F(CompareWindowTest, VerifyAfterWriteReportsAFailureOrTheSuccess) {
    const struct {
        int corruptBlock;
        bool bVerified;
        QString message;
        QString list;
    } cases[] = {
        {-1, true, QStringLiteral("The radio holds exactly what was written."), {}},
        {0,
         false,
         {},
         QStringLiteral("1 channel differs\n"
                        "The radio was read back after the write: it does not hold what was "
                        "written.\n1 channel differs\n"
                        "channel 1: Rx Frequency: 446.00625 -> 446.00624\n")},
    };
    frame->Compare()->VerifyAction()->setChecked(true);
    EXPECT_EQ(profile.GetValue("MAIN", "VERIFY_AFTER_WRITE", ""), "1");
    for (const auto& c : cases) {
        SimulatedRadioOptions options;
        options.corruptWriteBlock = c.corruptBlock;
        transfer->SetBuiltInRadio(SimulatedRadio::DemoMemory(), options);
        Run(transfer->ReadAction());
        TypeInto(3, 13, QStringLiteral("X"));
        prompter.messages.clear();
        shown.clear();
        Run(transfer->WriteAction());
        EXPECT_EQ(transfer->BuiltInRadio().CompletedReads(), 2); // the read and the read-back
        EXPECT_EQ(transfer->Dialog()->Phase(),
                  QStringLiteral("Step 2 of 2: reading the radio back to verify"));
        EXPECT_FALSE(transfer->Dialog()->IsCreated());
        EXPECT_EQ(transfer->LastWriteVerified(), c.bVerified);
        EXPECT_EQ(prompter.messages.join(QString()), c.message);
        EXPECT_EQ(shown.join(QString()), c.list);
        // The file does not hold the data either way; a radio that does not
        // hold it is not asked about as if it did.
        EXPECT_TRUE(frame->isWindowModified());
        EXPECT_EQ(doc.isOnRadioOnly(), c.bVerified);
    }
}

TEST_F(CompareWindowTest, CancelInTheReadBackStopsItWithoutAMessage) {
    frame->Compare()->VerifyAction()->setChecked(true);
    SimulatedRadio& radio = transfer->BuiltInRadio();
    std::atomic<bool>& cancel = transfer->Dialog()->CancelRequested();
    // The worker thread sleeps between blocks; once the write is complete the
    // user presses Cancel.
    transfer->SetSleeper([&radio, &cancel](int) {
        if (radio.CompletedWrites() == 1) {
            cancel = true;
        }
    });
    Run(transfer->WriteAction());
    EXPECT_EQ(radio.CompletedWrites(), 1);
    EXPECT_EQ(radio.CompletedReads(), 0);
    EXPECT_FALSE(transfer->Dialog()->IsCreated());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_FALSE(transfer->LastWriteVerified());
}

TEST_F(CompareWindowTest, CompareWithFileShowsTheDifferencesOrWhyTheFileCannotBeRead) {
    MemoryImage other = doc.settledImage();
    other[0x813] = 2; // Squelch Level
    const QString path = WriteImage(QStringLiteral("other.sin"), other);
    frame->Files().SetFileChooser([path](QWidget*, bool, const QString&) { return path; });
    frame->Compare()->CompareFileAction()->trigger();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("1 setting differs\n")));
    EXPECT_TRUE(shown[0].endsWith(QStringLiteral("Optional Features: Squelch Level: 5 -> 2\n")));

    EXPECT_FALSE(frame->Compare()->CompareWithFile(TempPath(QStringLiteral("missing.sin"))));
    EXPECT_EQ(shown.size(), 1);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("missing.sin")));
}

TEST_F(CompareWindowTest, VerifyAfterWriteIsKeptInTheSettingsFile) {
    EXPECT_FALSE(frame->Compare()->VerifyAction()->isChecked());
    EXPECT_FALSE(transfer->VerifyAfterWrite());
    frame->Compare()->VerifyAction()->trigger();
    EXPECT_TRUE(transfer->VerifyAfterWrite());
    frame.reset();
    view = std::make_unique<ChannelEditor>(doc);
    MakeFrame();
    auto* again = new TransferCommands(doc, view->Grid(), frame.get());
    frame->AttachTransfer(again);
    EXPECT_TRUE(frame->Compare()->VerifyAction()->isChecked());
    EXPECT_TRUE(again->VerifyAfterWrite());
}

} // namespace
