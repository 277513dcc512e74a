// Channel plans and the licence in the main window: Edit > Insert Channel
// Plan, Program > Check Channels Against Licence and the question before a
// write.
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

#include "commands/FileCommands.h"
#include "commands/FleetCommands.h"
#include "commands/LicenceDialog.h"
#include "commands/LicenceGate.h"
#include "commands/MainActions.h"
#include "commands/PlanCommands.h"
#include "transfer/PortChoice.h"
#include "transfer/TransferCommands.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "transfer/ProgressDialog.h"
#include "tests/app/ShellFixture.h"
#include "tests/settings/DialogTestSupport.h"

namespace {

// Every control a user can reach in the dialog says what it is to a screen reader.
void ExpectEveryControlNamed(const QDialog& dialog) {
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(&dialog)) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            EXPECT_TRUE(a && !a->text(QAccessible::Name).isEmpty()) << w->metaObject()->className();
        }
    }
}

class PlanWindowTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        MakeFrame();
        frame->Actions().fileNew->trigger();
    }
    void OpenWith(int channel, const char* mhz, const char* width) {
        MemoryImage image = ImageMap::NewDocumentImage();
        ChannelRecord record = DecodeChannel(image, 0, Lang::English);
        record[ColRxFrequency] = record[ColTxFrequency] = mhz;
        record[ColWidth] = width;
        EncodeChannel(record, channel - 1, image);
        ASSERT_TRUE(frame->Files().OpenPath(WriteImage(QStringLiteral("club.sin"), image)));
    }
    std::string Name(int channel) {
        return DecodeChannel(doc.image(), channel - 1, Lang::English)[ColName];
    }

};

TEST_F(PlanWindowTest, APlanGoesInFromTheCurrentChannelAsOneUndoStep) {
    OpenWith(7, "446.50000", "Narrow");
    auto* table = qobject_cast<QAbstractItemView*>(view->Grid());
    table->setCurrentIndex(table->model()->index(4, 1)); // channel 5
    ModalRunner::Set([&](QDialog& dialog) {
        dialogs.append(dialog.windowTitle());
        ExpectEveryControlNamed(dialog);
        return static_cast<int>(QDialog::Accepted); // the first plan of the list: PMR446
    });
    frame->Plans().InsertAction()->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Insert Channel Plan")});
    EXPECT_EQ(Name(4), "");
    EXPECT_EQ(Name(5), "PMR1");
    EXPECT_EQ(DecodeChannel(doc.image(), 6, Lang::English)[ColRxFrequency], "446.50000");
    EXPECT_EQ(Name(8), "PMR3"); // around the channel that holds data
    EXPECT_EQ(Name(21), "PMR16");
    frame->Actions().editUndo->trigger();
    EXPECT_EQ(Name(5), "");
    EXPECT_EQ(Name(21), "");
}

TEST_F(PlanWindowTest, TheCheckKeepsTheLicenceAndEachRepairIsOneUndoStep) {
    OpenWith(3, "446.10000", "Wide");
    int rowsBefore = -1;
    int rowsAfterNarrow = -1;
    ModalRunner::Set([&](QDialog& dialog) {
        auto& check = dynamic_cast<LicenceDialog&>(dialog);
        ExpectEveryControlNamed(check);
        check.LicenceBox()->setCurrentIndex(check.LicenceBox()->findData(QStringLiteral("pmr446")));
        rowsBefore = check.List()->count();
        check.NarrowButton()->click();
        rowsAfterNarrow = check.List()->count();
        check.ReceiveOnlyButton()->click();
        EXPECT_EQ(check.List()->count(), 0);
        return static_cast<int>(QDialog::Rejected);
    });
    frame->Plans().CheckAction()->trigger();
    EXPECT_EQ(rowsBefore, 2); // Tx outside, Wide
    EXPECT_EQ(rowsAfterNarrow, 1);
    EXPECT_EQ(ChosenLicence(profile), "pmr446");
    EXPECT_EQ(DecodeChannel(doc.image(), 2, Lang::English)[ColTxFrequency], "");
    frame->Actions().editUndo->trigger();
    EXPECT_EQ(DecodeChannel(doc.image(), 2, Lang::English)[ColTxFrequency], "446.10000");
    EXPECT_EQ(DecodeChannel(doc.image(), 2, Lang::English)[ColWidth], "Narrow");
    frame->Actions().editUndo->trigger();
    EXPECT_EQ(DecodeChannel(doc.image(), 2, Lang::English)[ColWidth], "Wide");
}

// Only channels outside the licence are listed, selected and repaired; the
// notes (High power) are listed apart and never repaired; a button that would
// change nothing is disabled.
TEST(LicenceDialog, TheButtonsRepairOnlyTheSelectedChannelsThatNeedIt) {
    MemoryImage image = ImageMap::NewDocumentImage();
    const auto put = [&](int channel, const char* mhz, const char* width, const char* power) {
        ChannelRecord record = DecodeChannel(image, 0, Lang::English);
        record[ColRxFrequency] = record[ColTxFrequency] = mhz;
        record[ColWidth] = width;
        record[ColPower] = power;
        EncodeChannel(record, channel - 1, image);
    };
    put(1, "446.00625", "Narrow", "High"); // inside, a note
    put(2, "446.01875", "Narrow", "High"); // inside, a note
    put(3, "446.10000", "Narrow", "Low");  // outside
    put(4, "446.03125", "Wide", "Low");    // on a channel, but wide
    for (const Lang lang : {Lang::Chinese, Lang::English}) {
        DialogLanguage language(lang);
        LicenceDialog dialog("pmr446", [&] { return image; }, nullptr);
        dialog.show();
        ExpectEveryControlNamed(dialog);
        EXPECT_TRUE(dialog.Notes()->isVisible());
        if (const QString dir = qEnvironmentVariable("ORIN_SCREENSHOT_DIR"); !dir.isEmpty()) {
            dialog.grab().save(dir + QStringLiteral("/licence-%1.png").arg(int(lang)));
        }
    }
    std::vector<std::pair<LicenceDialog::Repair, std::vector<int>>> repairs;
    LicenceDialog dialog(
        "pmr446", [&] { return image; },
        [&](LicenceDialog::Repair r, const std::vector<int>& channels) {
            repairs.emplace_back(r, channels);
        });
    ASSERT_EQ(dialog.List()->count(), 2);
    EXPECT_EQ(dialog.Notes()->count(), 2);
    EXPECT_EQ(dialog.Notes()->selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_EQ(dialog.List()->selectedItems().size(), 2) << "every channel outside, selected";

    const struct {
        std::vector<int> rows; // selected: 0 is channel 3, 1 is channel 4
        bool receiveOnly, narrow;
    } cases[] = {{{0, 1}, true, true}, {{0}, true, false}, {{1}, false, true}, {{}, false, false}};
    for (const auto& c : cases) {
        dialog.List()->clearSelection();
        for (const int row : c.rows) {
            dialog.List()->item(row)->setSelected(true);
        }
        EXPECT_EQ(dialog.ReceiveOnlyButton()->isEnabled(), c.receiveOnly) << c.rows.size();
        EXPECT_EQ(dialog.NarrowButton()->isEnabled(), c.narrow) << c.rows.size();
    }
    dialog.List()->selectAll();
    dialog.ReceiveOnlyButton()->click();
    dialog.NarrowButton()->click();
    using R = LicenceDialog::Repair;
    EXPECT_EQ(repairs, (decltype(repairs){{R::ReceiveOnly, {3}}, {R::Narrow, {4}}}));
}

// The single write and the fleet's go through the same check: with a licence
// chosen it lists what falls outside and Cancel stops the write before any
// radio is touched; with none chosen nothing is asked.
TEST_F(PlanWindowTest, EveryWriteAsksFirstWhenAChannelWouldTransmitOutsideTheLicence) {
    struct Case {
        bool fleet;
        bool chinese;
        const char* licence;
        const char* question; // nullptr: nothing is asked
        const char* button;
    };
    const Case cases[] = {
        {false, false, "pmr446", "1 channel would transmit outside PMR446: 5.", "Write anyway"},
        {true, true, "pmr446", "1 个频道会在PMR446之外发射：5。", "仍然写入"},
        {true, false, "", nullptr, nullptr},
    };
    QCoreApplication::setApplicationName(
        QStringLiteral("app_plan_window_tests-%1").arg(QCoreApplication::applicationPid()));
    auto* commands = new TransferCommands(doc, view->Grid(), frame.get()); // the frame owns it
    commands->SetSleeper([](int) {});
    frame->AttachTransfer(commands);
    OpenWith(5, "446.10000", "Narrow");
    commands->Port().SetPortName(PortChoice::SimulatedPort);
    const MemoryImage before = commands->BuiltInRadio().Memory();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.licence);
        bChinese = c.chinese ? 1 : 0;
        ChooseLicence(profile, c.licence);
        prompter.questions.clear();
        prompter.choiceButtons.clear();
        dialogs.clear();
        if (c.fleet) {
            frame->Fleet()->Action()->trigger();
            EXPECT_EQ(dialogs.size(),
                      c.question ? 0 : 1); // the fleet dialog opens only when not stopped
        } else {
            commands->WriteAction()->trigger();
            commands->Dialog()->StartButton()->click();
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(prompter.questions,
                  c.question ? QStringList{QString::fromUtf8(c.question)} : QStringList{});
        const QList<QStringList> buttons = {
            {QString::fromUtf8(c.button ? c.button : ""), c.chinese ? "取消" : "Cancel"}};
        EXPECT_EQ(prompter.choiceButtons, c.button ? buttons : QList<QStringList>{});
        EXPECT_FALSE(commands->IsBusy());
        EXPECT_EQ(commands->BuiltInRadio().Memory(), before);
    }
}

} // namespace
