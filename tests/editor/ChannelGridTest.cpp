#include "editor/ChannelGrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "support/QtPrinters.h"

namespace {

class ChannelGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_Grid.resize(900, 400);
        m_Grid.show();
        m_Grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_Grid));
        m_Grid.setFocus();
        QObject::connect(&m_Grid, &ChannelGrid::CellLeaving, [this] {
            m_Events.push_back({"leaving", m_Grid.CurrentRow(), m_Grid.CurrentCol()});
        });
        QObject::connect(&m_Grid, &ChannelGrid::CellEntered, [this] {
            m_Events.push_back({"entered", m_Grid.CurrentRow(), m_Grid.CurrentCol()});
        });
    }
    struct Event {
        std::string what;
        int row;
        int col;
        bool operator==(const Event&) const = default;
    };
    QPoint CellCentre(int row, int col) { return m_Grid.CellRect(row, col).center(); }

    ChannelGrid m_Grid;
    std::vector<Event> m_Events;
};

TEST_F(ChannelGridTest, HasTheShapeOfTheChannelTable) {
    EXPECT_EQ(m_Grid.RowCount(), 129);
    EXPECT_EQ(m_Grid.ColumnCount(), 14);
    EXPECT_EQ(m_Grid.CurrentRow(), 1);
    EXPECT_EQ(m_Grid.CurrentCol(), 1);
}

TEST_F(ChannelGridTest, CellTextReadsBackExactlyIncludingFixedRowAndColumn) {
    m_Grid.SetCellText(0, 0, QStringLiteral("CH"));
    m_Grid.SetCellText(0, 5, QStringLiteral(" W/N "));
    m_Grid.SetCellText(128, 0, QStringLiteral("128"));
    m_Grid.SetCellText(128, 13, QStringLiteral("AB-1"));
    m_Grid.SetCellText(7, 12, QStringLiteral("1关"));
    EXPECT_EQ(m_Grid.CellText(0, 0), QStringLiteral("CH"));
    EXPECT_EQ(m_Grid.CellText(0, 5), QStringLiteral(" W/N "));
    EXPECT_EQ(m_Grid.CellText(128, 0), QStringLiteral("128"));
    EXPECT_EQ(m_Grid.CellText(128, 13), QStringLiteral("AB-1"));
    EXPECT_EQ(m_Grid.CellText(7, 12), QStringLiteral("1关"));
    EXPECT_EQ(m_Grid.CellText(3, 3), QString());
    EXPECT_EQ(m_Grid.horizontalHeaderItem(4)->text(), QStringLiteral(" W/N "));
}

TEST_F(ChannelGridTest, CurrentTextFollowsTheCurrentCell) {
    m_Grid.SetCellText(4, 2, QStringLiteral("145.50000"));
    m_Grid.SetCurrentCell(4, 2);
    EXPECT_EQ(m_Grid.CurrentText(), QStringLiteral("145.50000"));
    m_Grid.SetCurrentText(QStringLiteral("146.00000"));
    EXPECT_EQ(m_Grid.CellText(4, 2), QStringLiteral("146.00000"));
    EXPECT_EQ(m_Grid.SelEndRow(), 4);
    EXPECT_EQ(m_Grid.SelEndCol(), 2);
}

TEST_F(ChannelGridTest, MovesFromCodeRaiseLeavingForTheOldCellThenEnteredForTheNew) {
    m_Grid.SetCurrentRow(5);
    m_Grid.SetCurrentCol(7);
    const std::vector<Event> expected = {
        {"leaving", 1, 1}, {"entered", 5, 1}, {"leaving", 5, 1}, {"entered", 5, 7}};
    EXPECT_EQ(m_Events, expected);
}

TEST_F(ChannelGridTest, MovesByTheUserRaiseTheSameEvents) {
    QTest::mouseClick(m_Grid.viewport(), Qt::LeftButton, {}, CellCentre(2, 3));
    QTest::keyClick(&m_Grid, Qt::Key_Down);
    const std::vector<Event> expected = {
        {"leaving", 1, 1}, {"entered", 2, 3}, {"leaving", 2, 3}, {"entered", 3, 3}};
    EXPECT_EQ(m_Events, expected);
}

TEST_F(ChannelGridTest, StaysWhereItIsForMovesOntoFixedCellsOrPastTheEnd) {
    m_Grid.SetCurrentCell(128, 13);
    m_Events.clear();
    m_Grid.SetCurrentCol(14);
    m_Grid.SetCurrentRow(129);
    m_Grid.SetCurrentRow(0);
    EXPECT_TRUE(m_Events.empty());
    EXPECT_EQ(m_Grid.CurrentRow(), 128);
    EXPECT_EQ(m_Grid.CurrentCol(), 13);
}

TEST_F(ChannelGridTest, RightButtonReportsThePressWithoutMovingTheCell) {
    QSignalSpy down(&m_Grid, &ChannelGrid::GridMouseDown);
    QTest::mouseClick(m_Grid.viewport(), Qt::RightButton, {}, CellCentre(3, 4));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down.at(0).at(0).toInt(), 2);
    EXPECT_EQ(m_Grid.CurrentRow(), 1);
    EXPECT_TRUE(m_Events.empty());
}

TEST_F(ChannelGridTest, LeftButtonMovesFirstThenReportsThePress) {
    int rowAtPress = 0;
    QObject::connect(&m_Grid, &ChannelGrid::GridMouseDown, [&](int button, int, int, int) {
        EXPECT_EQ(button, 1);
        rowAtPress = m_Grid.CurrentRow();
    });
    QTest::mouseClick(m_Grid.viewport(), Qt::LeftButton, {}, CellCentre(6, 2));
    EXPECT_EQ(rowAtPress, 6);
}

TEST_F(ChannelGridTest, TypedCharactersAreReportedAndDoNotMoveTheCell) {
    QSignalSpy keys(&m_Grid, &ChannelGrid::GridKeyPress);
    QTest::keyClick(&m_Grid, Qt::Key_4);
    QTest::keyClick(&m_Grid, Qt::Key_A);
    QTest::keyClick(&m_Grid, Qt::Key_Backspace);
    QTest::keyClick(&m_Grid, Qt::Key_Delete);
    ASSERT_EQ(keys.count(), 3);
    EXPECT_EQ(keys.at(0).at(0).toInt(), '4');
    EXPECT_EQ(keys.at(1).at(0).toInt(), 'a');
    EXPECT_EQ(keys.at(2).at(0).toInt(), 8);
    EXPECT_TRUE(m_Events.empty());
}

TEST_F(ChannelGridTest, ScrollsTheUserMakesAreReportedAndTheGridsOwnAreNot) {
    QSignalSpy scrolled(&m_Grid, &ChannelGrid::GridScrolled);
    // The grid bringing a cell into sight, and code moving the bar.
    m_Grid.scrollTo(m_Grid.model()->index(100, 12));
    m_Grid.verticalScrollBar()->setValue(m_Grid.verticalScrollBar()->value() - 10);
    ASSERT_GT(m_Grid.verticalScrollBar()->value(), 0);
    EXPECT_EQ(scrolled.count(), 0);

    const QPointF at = m_Grid.viewport()->rect().center();
    QWheelEvent wheel(at, m_Grid.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_Grid.viewport(), &wheel);
    EXPECT_EQ(scrolled.count(), 1);
    m_Grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(scrolled.count(), 2);
    m_Grid.verticalScrollBar()->setValue(0);
    m_Grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(scrolled.count(), 2); // at the top an arrow moves nothing
}

TEST_F(ChannelGridTest, ARightPressLeavesTheFocusWhereItWas) {
    QWidget other(m_Grid.viewport());
    other.setFocusPolicy(Qt::StrongFocus);
    other.setGeometry(0, 0, 10, 10);
    other.show();
    other.setFocus();
    QTest::mousePress(m_Grid.viewport(), Qt::RightButton, {}, CellCentre(3, 3));
    QTest::mouseRelease(m_Grid.viewport(), Qt::RightButton, {}, CellCentre(3, 3));
    EXPECT_TRUE(other.hasFocus());
    EXPECT_EQ(m_Grid.CurrentRow(), 1);
    QTest::mouseClick(m_Grid.viewport(), Qt::LeftButton, {}, CellCentre(3, 3));
    EXPECT_TRUE(m_Grid.hasFocus());
    EXPECT_EQ(m_Grid.CurrentRow(), 3);
}

TEST_F(ChannelGridTest, OnlyChangedChannelTextsAreReported) {
    QSignalSpy changed(&m_Grid, &ChannelGrid::CellTextChanged);
    m_Grid.SetCellText(5, 2, QStringLiteral("145.00000"));
    m_Grid.SetCellText(5, 2, QStringLiteral("145.00000"));
    m_Grid.SetCellText(0, 2, QStringLiteral("Title"));
    m_Grid.SetCellText(5, 0, QStringLiteral("5"));
    m_Grid.SetCellText(5, 2, QString());
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(2).toString(), QString());
    EXPECT_EQ(changed.at(1).at(2).toString(), QStringLiteral("145.00000"));
    EXPECT_EQ(changed.at(1).at(0).toInt(), 5);
    EXPECT_EQ(changed.at(1).at(1).toInt(), 2);
}

TEST_F(ChannelGridTest, ColumnWidthReadsTheDefaultUntilWritten) {
    const int defaultWidth = m_Grid.horizontalHeader()->defaultSectionSize();
    EXPECT_EQ(m_Grid.ColumnWidth(2), defaultWidth);
    m_Grid.SetColumnWidth(2, 91);
    m_Grid.SetColumnWidth(0, 40);
    EXPECT_EQ(m_Grid.ColumnWidth(2), 91);
    EXPECT_EQ(m_Grid.columnWidth(1), 91);
    EXPECT_EQ(m_Grid.ColumnWidth(0), 40);
    EXPECT_EQ(m_Grid.verticalHeader()->width(), 40);
}

TEST_F(ChannelGridTest, CentredColumnsCentreTheirCells) {
    m_Grid.SetColumnAlignment(3, ChannelGrid::AlignCentre);
    EXPECT_EQ(m_Grid.ColumnAlignment(3), 4);
    EXPECT_EQ(m_Grid.item(10, 2)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_NE(m_Grid.item(10, 3)->textAlignment(), int(Qt::AlignCenter));
}

TEST_F(ChannelGridTest, CellRectangleIsTheCellInTheViewport) {
    const QRect rect = m_Grid.CellRect(2, 3);
    EXPECT_EQ(rect, m_Grid.visualRect(m_Grid.model()->index(1, 2)));
    EXPECT_EQ(rect.left(), m_Grid.columnViewportPosition(2));
    EXPECT_EQ(rect.top(), m_Grid.rowViewportPosition(1));
}

} // namespace
