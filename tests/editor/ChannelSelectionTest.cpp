#include "editor/ChannelFixture.h"

namespace {

using ChannelSelection = ChannelFixture;

} // namespace

TEST_F(ChannelSelection, ClickShiftClickAndCtrlClickOnTheNumbersSelectWholeChannels) {
    OpenWithFive();
    ClickNumber(3);
    EXPECT_EQ(Selected(), (QList<int>{3}));
    ClickNumber(6, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (QList<int>{3, 4, 5, 6}));
    ClickNumber(5, Qt::ControlModifier); // takes one out
    EXPECT_EQ(Selected(), (QList<int>{3, 4, 6}));
    ClickNumber(9, Qt::ControlModifier); // adds one
    EXPECT_EQ(Selected(), (QList<int>{3, 4, 6, 9}));
    ClickNumber(7, Qt::ShiftModifier); // the range starts at the last Ctrl+click
    EXPECT_EQ(Selected(), (QList<int>{7, 8, 9}));
    ClickNumber(1, Qt::ShiftModifier | Qt::ControlModifier); // a range added
    EXPECT_EQ(Selected(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(RowShownSelected(row), row != 10) << row;
    }
    // Selecting channels moves neither the current cell nor opens an editor.
    EXPECT_EQ(Grid().CurrentRow(), 1);
    EXPECT_EQ(Grid().CurrentCol(), 1);
    EXPECT_TRUE(!LineEditor());
}

TEST_F(ChannelSelection, ShiftSpaceTakesTheCurrentCellsChannelAndCtrlASelectsAll) {
    OpenWithFive();
    ClickCell(4, ColPower); // its list editor opens; the keys go to the grid
    GridKey(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (QList<int>{4}));
    EXPECT_TRUE(RowShownSelected(4));
    EXPECT_TRUE(m_Prompter.messages.isEmpty()); // no "Please input Number"
    GridKey(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Selected().size(), 128);
    EXPECT_TRUE(RowShownSelected(128));
}

TEST_F(ChannelSelection, AClickOnACellEndsItAndEditsAsBefore) {
    OpenWithFive();
    ClickNumber(2);
    ClickNumber(4, Qt::ShiftModifier);
    ClickCell(3, ColRxFrequency);
    EXPECT_TRUE(Selected().isEmpty());
    EXPECT_FALSE(RowShownSelected(2));
    EXPECT_FALSE(RowShownSelected(4));
    EXPECT_EQ(Grid().CurrentRow(), 3);
    ASSERT_FALSE(!LineEditor());
    EXPECT_EQ(LineEditor()->text(), QStringLiteral("432.50000"));

    // Selecting channels while an edit is open commits it as leaving would.
    LineEditor()->selectAll();
    Type(QStringLiteral("433.125"));
    ClickNumber(1);
    EXPECT_TRUE(!LineEditor());
    EXPECT_EQ(Cell(3, ColRxFrequency), QStringLiteral("433.12500"));
    EXPECT_EQ(Selected(), (QList<int>{1}));

    // Moving the current cell with the keys ends the selection too.
    GridKey(Qt::Key_Down);
    EXPECT_TRUE(Selected().isEmpty());
}

TEST_F(ChannelSelection, TheRightButtonKeepsTheCellAndTheSelectionAndBringsTheMenu) {
    OpenWithFive();
    ClickCell(5, ColName);
    ClickNumber(1);
    ClickNumber(3, Qt::ShiftModifier);
    QMenu* menu = RightClickCell(2, ColPower);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Selected(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(Grid().CurrentRow(), 5);
    EXPECT_EQ(Grid().CurrentCol(), ColName);
    EXPECT_TRUE(!Editor());
    EXPECT_TRUE(menu->actions().contains(Commands().paste));
    CloseMenus();

    // On a row outside the selection there is no menu; on a channel number
    // outside it, that channel becomes the selection.
    EXPECT_EQ(RightClickCell(4, ColPower), nullptr);
    EXPECT_EQ(Selected(), (QList<int>{1, 2, 3}));
    ASSERT_NE(RightClickNumber(5), nullptr);
    EXPECT_EQ(Selected(), (QList<int>{5}));
    CloseMenus();
}
