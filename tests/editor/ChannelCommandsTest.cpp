#include <QClipboard>
#include <functional>

#include "editor/ChannelFixture.h"
#include "image/ChannelOperations.h"

namespace {

class ChannelCommandsTest : public ChannelFixture {
protected:
    void SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    RawChannel Raw(const MemoryImage& image, int row) { return ReadRawChannel(image, row - 1); }
    QAction* FindAction(QMenu* menu, const QString& text) {
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }
};

} // namespace

TEST_F(ChannelCommandsTest, CopyAndPasteWithinTheWindowAreByteExact) {
    OpenWithFive();
    const MemoryImage before = Saved();
    ClickNumber(2);
    ClickNumber(3, Qt::ShiftModifier);
    GridKey(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(),
              QStringLiteral("2\t431.50000\t431.50000\tOFF\tOFF\tWide\tYes\tHigh\tDTMF\tON\tClose"
                             "\tForward\t1\tB\n3\t432.50000\t432.50000\tOFF\tOFF\tWide\tYes\tHigh"
                             "\tDTMF\tON\tClose\tForward\t1\tC\n"));
    EXPECT_TRUE(data->hasFormat(QStringLiteral("application/x-orin-channels")));
    EXPECT_EQ(Saved(), before); // copying changes nothing

    ClickNumber(127);
    GridKey(Qt::Key_V, Qt::ControlModifier);
    const MemoryImage after = Saved();
    EXPECT_EQ(Raw(after, 127), Raw(before, 2)); // the radio's byte 15 came along
    EXPECT_EQ(Raw(after, 128), Raw(before, 3));
    EXPECT_EQ(Selected(), (QList<int>{127, 128}));
    for (int row = 1; row <= 126; ++row) {
        EXPECT_EQ(Raw(after, row), Raw(before, row)) << row;
    }
    // Nothing outside the channels changed: band edges, settings, type bar.
    for (std::size_t k = 0x800; k < 0x850; ++k) {
        EXPECT_EQ(after[k], before[k]) << k;
    }
    for (std::size_t k = 0xC60; k < MemoryImage::Size; ++k) {
        EXPECT_EQ(after[k], before[k]) << k;
    }
}

TEST_F(ChannelCommandsTest, PasteWithoutSelectionGoesToTheCurrentCellsChannelAndStopsAt128) {
    OpenWithFive();
    ClickNumber(1);
    ClickNumber(3, Qt::ShiftModifier);
    GridKey(Qt::Key_C, Qt::ControlModifier);
    ClickCell(10, ColName);
    GridKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell(10, ColName), QStringLiteral("A"));
    EXPECT_EQ(Cell(12, ColName), QStringLiteral("C"));

    const MemoryImage before = Saved();
    ClickNumber(127);
    GridKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Saved(), before);
    ASSERT_EQ(m_Prompter.messages.size(), 1);
    EXPECT_EQ(m_Prompter.messages[0],
              QStringLiteral("3 channels pasted from channel 127 on would run past channel 128. "
                             "Nothing was pasted."));
}

TEST_F(ChannelCommandsTest, CutEmptiesAsANewDocumentAndClearDoesWithTheDeleteKey) {
    OpenWithFive();
    const MemoryImage before = Saved();
    ClickNumber(2);
    GridKey(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Names(3), (QStringList{"A", "", "C"}));
    EXPECT_EQ(Cell(2, ColRxFrequency), QString());
    EXPECT_EQ(Raw(Saved(), 2), EmptyRawChannel());
    ClickNumber(5);
    GridKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Raw(Saved(), 5), Raw(before, 2));

    ClickNumber(3);
    ClickNumber(4, Qt::ShiftModifier);
    GridKey(Qt::Key_Delete);
    EXPECT_EQ(Names(5), (QStringList{"A", "", "", "", "B"}));
    EXPECT_EQ(Raw(Saved(), 4), EmptyRawChannel());
    EXPECT_EQ(Selected(), (QList<int>{3, 4}));
}

TEST_F(ChannelCommandsTest, InsertShiftsToTheNextEmptyChannelAndIsRefusedWithoutOne) {
    OpenWithFive();
    const MemoryImage before = Saved();
    ClickNumber(2);
    ClickNumber(4, Qt::ControlModifier);
    Commands().insertChannel->trigger();
    EXPECT_EQ(Names(6), (QStringList{"A", "", "B", "C", "D", "E"}));
    EXPECT_EQ(Raw(Saved(), 3), Raw(before, 2));
    EXPECT_EQ(Selected(), (QList<int>{2}));

    ClickNumber(128);
    GridKey(Qt::Key_V, Qt::ControlModifier); // nothing copied yet
    EXPECT_EQ(m_Prompter.messages, QStringList{"The clipboard holds no channels."});
    m_Prompter.messages.clear();
    Put(127, "440.5", "LAST");
    ClickNumber(1);
    Commands().insertChannel->trigger(); // channel 2 is the next empty one: only A moves
    EXPECT_EQ(Names(8), (QStringList{"", "A", "B", "C", "D", "E", "", ""}));
    EXPECT_EQ(Cell(128, ColName), QStringLiteral("LAST"));
    EXPECT_TRUE(m_Prompter.messages.isEmpty());

    Saved();
    for (int n = 6; n < 127; ++n) {
        Put(n, "440.5", "F");
    }
    const MemoryImage full = Saved();
    ClickNumber(2); // channel 1 above is empty, none below
    Commands().insertChannel->trigger();
    EXPECT_EQ(Saved(), full);
    ASSERT_EQ(m_Prompter.messages.size(), 1);
    EXPECT_EQ(m_Prompter.messages[0],
              QStringLiteral("No channel below is empty, so one would be lost: delete or clear "
                             "a channel first."));
}

TEST_F(ChannelCommandsTest, DeleteMovesTheRestUpAndMoveCarriesTheSelection) {
    OpenWithFive();
    const MemoryImage before = Saved();
    ClickNumber(1);
    ClickNumber(3, Qt::ControlModifier);
    Commands().deleteChannel->trigger();
    EXPECT_EQ(Names(5), (QStringList{"B", "D", "E", "", ""}));
    EXPECT_EQ(Raw(Saved(), 2), Raw(before, 4));
    EXPECT_EQ(Raw(Saved(), 128), EmptyRawChannel());

    ClickNumber(2);
    ClickNumber(3, Qt::ShiftModifier);
    GridKey(Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Names(3), (QStringList{"D", "E", "B"}));
    EXPECT_EQ(Selected(), (QList<int>{1, 2}));
    EXPECT_FALSE(Commands().moveUp->isEnabled()); // channel 1 is selected
    GridKey(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    GridKey(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Names(4), (QStringList{"B", "", "D", "E"}));
    EXPECT_EQ(Selected(), (QList<int>{3, 4}));
    EXPECT_EQ(Raw(Saved(), 3), Raw(before, 4));
}

TEST_F(ChannelCommandsTest, SortOrdersTheSelectionOrAllByRxFrequency) {
    OpenWithFive();
    Put(0, "440.5", "A");
    Put(7, "420.5", "H");
    ClickNumber(1);
    ClickNumber(3, Qt::ShiftModifier);
    Commands().sort->trigger();
    EXPECT_EQ(Names(5), (QStringList{"B", "C", "A", "D", "E"}));
    ClickNumber(1);
    Commands().sort->trigger(); // one selected: all
    EXPECT_EQ(Names(8), (QStringList{"H", "B", "C", "D", "E", "A", "", ""}));
}

TEST_F(ChannelCommandsTest, TheMenuOfAColumnSetsItsValueForEverySelectedChannel) {
    OpenWithFive();
    ClickNumber(2);
    ClickNumber(4, Qt::ShiftModifier);
    ClickNumber(7, Qt::ControlModifier); // an empty channel: it takes nothing
    QMenu* menu = RightClickCell(3, ColPower);
    ASSERT_NE(menu, nullptr);
    QMenu* values = menu->findChild<QMenu*>(QStringLiteral("SetForSelected"));
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->title(), QStringLiteral("Set Tx Power for Selected Channels"));
    QAction* low = FindAction(values, QStringLiteral("Low"));
    ASSERT_NE(low, nullptr);
    low->trigger();
    CloseMenus();
    EXPECT_EQ(Cell(1, ColPower), QStringLiteral("High"));
    for (int row = 2; row <= 4; ++row) {
        EXPECT_EQ(Cell(row, ColPower), QStringLiteral("Low")) << row;
    }
    EXPECT_EQ(Cell(7, ColPower), QString());
    EXPECT_EQ(Saved()[ImageMap::SlotAddress(2) + 13] & 0x20, 0); // low power in the bytes

    // A tone from the tone table, and Tx = Rx after the Tx frequencies differ.
    menu = RightClickCell(2, ColRxTone);
    values = menu->findChild<QMenu*>(QStringLiteral("SetForSelected"));
    QMenu* dcs = nullptr;
    for (QMenu* sub : values->findChildren<QMenu*>()) {
        if (sub->title() == QStringLiteral("DCS I")) {
            dcs = sub;
        }
    }
    ASSERT_NE(dcs, nullptr);
    FindAction(dcs, QStringLiteral("D754I"))->trigger();
    CloseMenus();
    EXPECT_EQ(Cell(4, ColRxTone), QStringLiteral("D754I"));
    EXPECT_EQ(Cell(1, ColRxTone), QStringLiteral("OFF"));

    Grid().SetCellText(3, ColTxFrequency, QStringLiteral("470.00000"));
    menu = RightClickCell(3, ColTxFrequency);
    values = menu->findChild<QMenu*>(QStringLiteral("SetForSelected"));
    FindAction(values, QStringLiteral("Tx = Rx"))->trigger();
    CloseMenus();
    EXPECT_EQ(Cell(3, ColTxFrequency), QStringLiteral("432.50000"));
    EXPECT_EQ(Cell(7, ColTxFrequency), QString());
    EXPECT_TRUE(m_Prompter.messages.isEmpty());

    // One selected channel: no values to set.
    ClickNumber(2);
    menu = RightClickCell(2, ColPower);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->findChild<QMenu*>(QStringLiteral("SetForSelected")), nullptr);
    CloseMenus();
}

TEST_F(ChannelCommandsTest, PastesSpreadsheetTextWithTabsOrCommasInEitherLanguage) {
    OpenWithFive();
    SetClipboardText(QStringLiteral(
        "Rx Frequency\tTx Frequency\tRx Tone\tTx Tone\tW/N\tScan\tTx Power\tOpt Signal\tPTTID\t"
        "BusyLock\tRepeat Invert\tScram\tName\r\n"
        "440.0125\t445\t67.0\tD023N\t窄\t否\t低\t无\t关\t载波\t反向\t8\tRPT 1\r\n"
        "441\t441\tOFF\tOFF\tWide\tYes\tHigh\tDTMF\tON\tClose\tForward\t1\t\r\n"));
    ClickNumber(3);
    GridKey(Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(m_Prompter.messages.isEmpty()) << m_Prompter.messages.join('\n').toStdString();
    EXPECT_EQ(Cell(3, ColRxFrequency), QStringLiteral("440.01250"));
    EXPECT_EQ(Cell(3, ColWidth), QStringLiteral("Narrow")); // shown in the window's language
    EXPECT_EQ(Cell(3, ColName), QStringLiteral("RPT 1"));
    EXPECT_EQ(Cell(4, ColRxFrequency), QStringLiteral("441.00000"));
    EXPECT_EQ(Cell(5, ColName), QStringLiteral("E"));
    EXPECT_EQ(Selected(), (QList<int>{3, 4}));

    SetClipboardText(
        QStringLiteral("9,442.5,442.5,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,C9\n"));
    ClickNumber(9);
    GridKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell(9, ColName), QStringLiteral("C9"));
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(ChannelCommandsTest, ABadCellRefusesThePasteWithItsPosition) {
    SetLanguage(true);
    OpenWithFive();
    const MemoryImage before = Saved();
    SetClipboardText(
        QStringLiteral("1\t430.5\t430.5\tOFF\tOFF\t宽\t是\t高\tDTMF\t开\t关闭\t正向\t1\tOK\n"
                       "2\t430.5\t500.5\tOFF\tOFF\t宽\t是\t高\tDTMF\t开\t关闭\t正向\t1\to.k\n"));
    ClickNumber(1);
    GridKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Saved(), before);
    ASSERT_EQ(m_Prompter.messages.size(), 1);
    EXPECT_EQ(m_Prompter.messages[0],
              QStringLiteral("未粘贴任何内容，以下内容无效：\n"
                             "第2行第3列（发射频率）：超出频段范围400-480 MHz\n"
                             "第2行第14列（名称）：含有0-9、A-Z、“-”和空格以外的字符"));
}

TEST_F(ChannelCommandsTest, TheCommandsNeedASelectionAndStopDuringATransfer) {
    OpenWithFive();
    EXPECT_FALSE(Commands().copy->isEnabled());
    EXPECT_FALSE(Commands().clear->isEnabled());
    EXPECT_TRUE(Commands().paste->isEnabled());
    EXPECT_TRUE(Commands().sort->isEnabled());
    ClickNumber(128);
    EXPECT_TRUE(Commands().copy->isEnabled());
    EXPECT_TRUE(Commands().moveUp->isEnabled());
    EXPECT_FALSE(Commands().moveDown->isEnabled());
    Commands().SetTransferRunning(true);
    for (QAction* action : Commands().MenuActions()) {
        if (action) {
            EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
        }
    }
    const MemoryImage before = Saved();
    ClickNumber(1);
    GridKey(Qt::Key_Delete);
    EXPECT_EQ(Saved(), before);
    Commands().SetTransferRunning(false);
    EXPECT_TRUE(Commands().clear->isEnabled());
}

TEST_F(ChannelCommandsTest, EveryOperationIsOneUndoStep) {
    OpenWithFive();
    const auto both = Qt::ControlModifier | Qt::ShiftModifier;
    const struct {
        const char* name;
        std::function<void()> run;
    } operations[] = {
        {"cut", [&] { ClickNumber(2), GridKey(Qt::Key_X, Qt::ControlModifier); }},
        {"paste", [&] { ClickNumber(8), GridKey(Qt::Key_V, Qt::ControlModifier); }},
        {"clear", [&] { ClickNumber(1), GridKey(Qt::Key_Delete); }},
        {"insert", [&] { ClickNumber(3), Commands().insertChannel->trigger(); }},
        {"delete", [&] { ClickNumber(4), Commands().deleteChannel->trigger(); }},
        {"move up", [&] { ClickNumber(4), GridKey(Qt::Key_Up, both); }},
        {"move down", [&] { ClickNumber(2), GridKey(Qt::Key_Down, both); }},
        {"sort", [&] { Commands().sort->trigger(); }},
        {"set",
         [&] {
             ClickNumber(1);
             ClickNumber(8, Qt::ShiftModifier);
             Commands().SetForSelected(ColPower, QStringLiteral("Low"));
         }},
    };
    for (const auto& operation : operations) {
        const MemoryImage before = Saved();
        operation.run();
        const MemoryImage after = Saved();
        ASSERT_NE(after, before) << operation.name;
        m_Doc.undo();
        EXPECT_EQ(Saved(), before) << operation.name;
        m_Doc.redo();
        EXPECT_EQ(Saved(), after) << operation.name;
    }
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(ChannelCommandsTest, ManyBadCellsShowTheFirstTenAndListAllInTheDetails) {
    OpenWithFive();
    QString text;
    for (int line = 1; line <= 12; ++line) {
        text += QStringLiteral("999,,,,,,,,,,,,\n");
    }
    SetClipboardText(text);
    ClickNumber(1);
    GridKey(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(m_Prompter.messages.size(), 1);
    const QStringList shown = m_Prompter.messages[0].split('\n');
    ASSERT_EQ(shown.size(), 12); // the headline, ten cells, how many more
    EXPECT_EQ(
        shown[10],
        QStringLiteral("line 10, column 1 (Rx Frequency): not a number, or outside 67-521 MHz"));
    EXPECT_EQ(shown[11], QStringLiteral("... and 2 more: see the details."));
    EXPECT_EQ(m_Prompter.details[0].split('\n').size(), 13);
    EXPECT_TRUE(m_Prompter.details[0].endsWith(
        QStringLiteral("line 12, column 1 (Rx Frequency): not a number, or outside 67-521 MHz")));
    EXPECT_EQ(Names(1), QStringList{"A"});
}
