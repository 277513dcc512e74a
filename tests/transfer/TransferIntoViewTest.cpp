// The transfer commands on the real channel view: a read of the built-in
// simulated radio shows its channels in the grid, a write carries the grid's
// edits into the radio.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include "base/AppLanguage.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "editor/TypeSettingBar.h"
#include "document/ChannelDocument.h"
#include "transfer/PortChoice.h"
#include "transfer/ProgressDialog.h"
#include "transfer/TransferArchive.h"
#include "transfer/TransferCommands.h"
#include "support/QtPrinters.h"
#include "support/RecordingPrompter.h"

namespace {

class TransferIntoView : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(
            QStringLiteral("link_view_tests-%1").arg(QCoreApplication::applicationPid()));
        bChinese = 0;
        LanguageName() = QStringLiteral("English");
        doc.newDocument();
        view = std::make_unique<ChannelEditor>(doc);
        view->resize(1300, 640);
        view->show();
        commands = std::make_unique<TransferCommands>(doc, view->Grid(), view.get());
        commands->SetSleeper([](int) {});
        commands->Port().SetPortName(PortChoice::SimulatedPort);
    }
    void TearDown() override {
        commands.reset();
        view.reset();
        QDir(TransferArchive::Folder()).removeRecursively();
    }
    bool Transfer(bool bWrite) {
        bWrite ? commands->OnWrite() : commands->OnRead();
        QSignalSpy finished(commands.get(), &TransferCommands::transferFinished);
        commands->Dialog()->StartButton()->click();
        return finished.wait(20000) && commands->LastOutcome() == TransferOutcome::Completed;
    }

    RecordingPrompter prompter{false}; // Cancel, No
    ChannelDocument doc;
    std::unique_ptr<ChannelEditor> view;
    std::unique_ptr<TransferCommands> commands;
};

TEST_F(TransferIntoView, ReadShowsTheRadiosChannelsInTheGrid) {
    ASSERT_EQ(view->Grid()->CellText(1, 1), "");
    ASSERT_TRUE(Transfer(false));
    EXPECT_EQ(view->Grid()->CellText(1, 1), "446.00625");
    EXPECT_EQ(view->Grid()->CellText(1, 13), "PMR 1");
    EXPECT_EQ(view->Grid()->CellText(11, 2), "430.60000");
    EXPECT_EQ(view->Grid()->CellText(16, 13), "SIMPLEX");
    EXPECT_EQ(view->Grid()->CellText(17, 1), "");
    EXPECT_EQ(view->Bar()->LowerBox()->text(), QStringLiteral("400"));
    EXPECT_EQ(view->Bar()->UpperBox()->text(), QStringLiteral("480"));
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_TRUE(prompter.questions.isEmpty());
}

TEST_F(TransferIntoView, WriteCarriesTheGridIntoTheRadio) {
    ASSERT_TRUE(Transfer(false));
    view->Grid()->SetCellText(2, 13, "NEW");
    ASSERT_TRUE(Transfer(true));
    const MemoryImage& radio = commands->BuiltInRadio().Memory();
    // Channel 1 (row 2) is named N, E, W and then the end mark.
    EXPECT_EQ(radio[0x858], 23);
    EXPECT_EQ(radio[0x859], 14);
    EXPECT_EQ(radio[0x85A], 32);
    EXPECT_EQ(radio[0x85B], 0xFF);
    EXPECT_EQ(doc.image()[0x858], 23);
}

} // namespace
