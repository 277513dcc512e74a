// Undo and redo of what the user changes in the channel view: each step puts
// back exactly what a save writes and what the grid shows.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "editor/ImageHistory.h"
#include "editor/ViewFixture.h"
#include "image/ImageMap.h"

namespace {

class EditHistory : public ViewFixture {
protected:
    // A new document with the band 136-174, typed into the bar as a user does
    // (one step of its own).
    void OpenWithBand() {
        Open();
        TypeInto(Bar().LowerBox(), QStringLiteral("136"));
        TypeInto(Bar().UpperBox(), QStringLiteral("174"));
        m_View->SettleEdits();
    }
    void TypeInto(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        Grid().setFocus(); // leaving the box finishes the edit
    }
    // What Save would write now, through the real save path.
    MemoryImage SavedBytes() {
        m_View->CommitGrid();
        return m_Doc.Image();
    }
    QStringList Row(int row) {
        QStringList texts;
        for (int col = 1; col <= 13; ++col) {
            texts << Cell(row, col);
        }
        return texts;
    }
    // Clicks a cell, types, and leaves it by clicking another; then lets the
    // event loop finish the action, as it does between two user actions.
    void EnterByLeaving(int row, int col, const QString& text, int nextRow, int nextCol) {
        ClickCell(row, col);
        Type(text);
        ClickCell(nextRow, nextCol);
        QCoreApplication::processEvents();
    }
    ImageHistory& History() { return m_View->History(); }
};

TEST_F(EditHistory, ACellCommitWithItsDefaultsIsOneStepThatUndoAndRedoRestoreExactly) {
    OpenWithBand();
    const int stepsBefore = History().StepCount();
    const MemoryImage before = SavedBytes();
    const QStringList rowBefore = Row(1);

    EnterByLeaving(1, 1, QStringLiteral("145.5"), 3, 4);
    const MemoryImage after = SavedBytes();
    const QStringList rowAfter = Row(1);
    ASSERT_NE(before, after);
    EXPECT_EQ(rowAfter[1], QStringLiteral("145.50000")); // Tx copied from Rx
    EXPECT_EQ(History().StepCount(), stepsBefore + 1);
    EXPECT_EQ(History().UndoName(Lang::English), QStringLiteral("Edit Channel 1"));
    EXPECT_EQ(History().UndoName(Lang::Chinese), QStringLiteral("编辑频道1"));

    m_View->Undo();
    EXPECT_EQ(SavedBytes(), before);
    EXPECT_EQ(Row(1), rowBefore);
    EXPECT_EQ(Grid().CurrentRow(), 1); // the changed cell is current again
    EXPECT_EQ(Grid().CurrentCol(), 1);
    EXPECT_EQ(History().RedoName(Lang::English), QStringLiteral("Edit Channel 1"));

    m_View->Redo();
    EXPECT_EQ(SavedBytes(), after);
    EXPECT_EQ(Row(1), rowAfter);
}

TEST_F(EditHistory, EnterMakesOneStepPerCellAndAnOpenEditorIsWrittenBeforeUndo) {
    OpenWithBand();
    const int stepsBefore = History().StepCount();
    ClickCell(2, 1);
    Type(QStringLiteral("150"));
    Key(Qt::Key_Return); // Rx with defaults; the Tx editor opens
    Type(QStringLiteral("151"));
    // Undo while the Tx editor is still open: what is typed there is written
    // first, as its own step, and that step is the one undone.
    m_View->Undo();
    EXPECT_EQ(History().StepCount(), stepsBefore + 2);
    EXPECT_EQ(Cell(2, 2), QStringLiteral("150.00000"));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("150.00000"));
    m_View->Undo();
    EXPECT_EQ(Row(2), QStringList(13, QString()));
    m_View->Redo();
    m_View->Redo();
    EXPECT_EQ(Cell(2, 2), QStringLiteral("151.00000"));
    EXPECT_EQ(Cell(2, 3), QStringLiteral("OFF"));
}

TEST_F(EditHistory, AnImageChangeThatChangesNothingRecordsNothing) {
    OpenWithBand();
    const int steps = History().StepCount();
    EXPECT_FALSE(m_View->ApplyImageChange({"A", "A"}, [](MemoryImage&) { return true; }));
    EXPECT_FALSE(m_View->ApplyImageChange({"B", "B"}, [](MemoryImage& image) {
        image[ImageMap::NameAddress(0)] = 0x05;
        return false; // refused: nothing may change
    }));
    EXPECT_EQ(History().StepCount(), steps);
    EXPECT_EQ(Cell(1, 13), QString());
}

TEST_F(EditHistory, AnImageChangeMakesTheGivenCellCurrentOnUndoAndRedo) {
    OpenWithBand();
    EnterByLeaving(7, 1, QStringLiteral("146"), 1, 5);
    const MemoryImage channel7 = SavedBytes();
    ASSERT_TRUE(m_View->ApplyImageChange(
        {"Move", "移动"},
        [](MemoryImage& image) {
            for (int i = 0; i < ImageMap::ChannelSlotSize; ++i) {
                std::swap(image[ImageMap::SlotAddress(6) + i],
                          image[ImageMap::SlotAddress(99) + i]);
            }
            return true;
        },
        GridCell{100, 2}));
    EXPECT_EQ(Cell(100, 1), QStringLiteral("146.00000"));
    EXPECT_EQ(Cell(7, 1), QString());
    Grid().SetCurrentCell(1, 1);
    m_View->Undo();
    EXPECT_EQ(Grid().CurrentRow(), 100);
    EXPECT_EQ(Grid().CurrentCol(), 2);
    EXPECT_EQ(SavedBytes(), channel7);
}

TEST_F(EditHistory, BandEdgesAndTypeBarChoicesAreStepsOfTheirOwn) {
    Open();
    const MemoryImage before = SavedBytes();
    TypeInto(Bar().LowerBox(), QStringLiteral("136"));
    QCoreApplication::processEvents();
    EXPECT_EQ(History().UndoName(Lang::English), QStringLiteral("Edit Band Edges"));
    Bar().ManualList()->setFocus();
    QTest::keyClick(Bar().ManualList(), Qt::Key_Down); // "Close"
    EXPECT_EQ(History().UndoName(Lang::English), QStringLiteral("Edit Type Setting"));
    EXPECT_EQ(History().StepCount(), 2);

    m_View->Undo();
    EXPECT_EQ(Bar().ManualList()->currentIndex(), 0);
    EXPECT_EQ(Bar().LowerBox()->text(), QStringLiteral("136"));
    m_View->Undo();
    EXPECT_EQ(Bar().LowerBox()->text(), QStringLiteral("400"));
    EXPECT_EQ(SavedBytes(), before);
}

TEST_F(EditHistory, TheModifiedStateFollowsTheBytesNotTheSteps) {
    OpenWithBand();
    m_View->MarkClean();
    EXPECT_FALSE(History().IsModified());
    EnterByLeaving(1, 13, QStringLiteral("AB"), 2, 2); // no frequency: nothing written
    EXPECT_FALSE(History().IsModified());
    EnterByLeaving(1, 1, QStringLiteral("145.5"), 2, 2);
    EXPECT_TRUE(History().IsModified());
    m_View->Undo();
    EXPECT_FALSE(History().IsModified()); // back at the saved state
    m_View->Redo();
    m_View->MarkClean();
    EXPECT_FALSE(History().IsModified());
    m_View->Undo();
    EXPECT_TRUE(History().IsModified());
}

TEST_F(EditHistory, StepsSurviveALanguageSwitchAndPutBackTextsOfTheNewLanguage) {
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.5"), 1, 5);   // W/N "Wide"
    qobject_cast<QComboBox*>(Editor())->setCurrentIndex(1); // the user picks "Narrow"
    ClickCell(1, 6);
    QCoreApplication::processEvents();
    ASSERT_EQ(Cell(1, 5), QStringLiteral("Narrow"));

    SetLanguage(true);
    m_View->RelabelForLanguage();
    ASSERT_EQ(Cell(1, 5), QStringLiteral("窄"));
    EXPECT_EQ(History().UndoName(Lang::Chinese), QStringLiteral("编辑频道1"));
    m_View->Undo();
    EXPECT_EQ(Cell(1, 5), QStringLiteral("宽"));
    m_View->Undo();
    EXPECT_EQ(Cell(1, 5), QString());
    m_View->Redo();
    EXPECT_EQ(Cell(1, 3), QStringLiteral("OFF"));
    EXPECT_EQ(Cell(1, 7), QStringLiteral("高"));
}

TEST_F(EditHistory, NewAndOpenStartAnEmptyHistory) {
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.5"), 2, 2);
    ASSERT_GT(History().StepCount(), 0);
    m_Doc.OnNewDocument();
    m_View->OnInitialUpdate();
    EXPECT_EQ(History().StepCount(), 0);
    EXPECT_FALSE(History().IsModified());
}

} // namespace
