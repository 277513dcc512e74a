#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

#include "editor/CellEditorSet.h"
#include "editor/ViewFixture.h"

namespace {

class EditorOpening : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        Open();
        QGuiApplication::clipboard()->setText(QStringLiteral("the user's own text"));
    }
    void TearDown() override {
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("the user's own text"))
            << "opening an editor must never touch the clipboard";
        ViewFixture::TearDown();
    }
    // Makes a cell current from the keyboard's point of view: grid focused.
    void FocusCell(int row, int col) {
        Grid().SetCurrentCell(row, col);
        Grid().setFocus();
    }
};

TEST_F(EditorOpening, MousePressOpensTheFrequencyEditorOverTheCellWithTheTextSelected) {
    Grid().SetCellText(1, 1, QStringLiteral("145.50000"));
    ClickCell(1, 1);
    QLineEdit* edit = Editors().FrequencyEdit();
    EXPECT_FALSE(edit->isHidden());
    EXPECT_EQ(edit->geometry(), Grid().CellRect(1, 1));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("145.50000"));
    EXPECT_EQ(Focus(), edit);
}

TEST_F(EditorOpening, ListEditorsLieExactlyOverTheirCell) {
    ClickCell(2, 9);
    QComboBox* list = Editors().PttIdCombo();
    EXPECT_FALSE(list->isHidden());
    EXPECT_EQ(list->geometry(), Grid().CellRect(2, 9));
    EXPECT_EQ(list->currentIndex(), 0);
}

TEST_F(EditorOpening, RightButtonOpensNothing) {
    ClickCell(2, 1, Qt::RightButton);
    for (QWidget* editor : Editors().All()) {
        EXPECT_TRUE(editor->isHidden());
    }
}

TEST_F(EditorOpening, DoubleClickOpensTheEditorOfTheCell) {
    Grid().SetCellText(3, 13, QStringLiteral("AB"));
    QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {}, Grid().CellRect(3, 13).center());
    EXPECT_FALSE(Editors().NameEdit()->isHidden());
    EXPECT_EQ(Editors().NameEdit()->text(), QStringLiteral("AB"));
}

TEST_F(EditorOpening, DigitOnAFilledCellReplacesItsTextWithTheCaretAfterIt) {
    Grid().SetCellText(1, 2, QStringLiteral("145.50000"));
    FocusCell(1, 2);
    Key(Qt::Key_4);
    QLineEdit* edit = Editors().FrequencyEdit();
    EXPECT_FALSE(edit->isHidden());
    EXPECT_EQ(edit->text(), QStringLiteral("4"));
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_FALSE(edit->hasSelectedText());
    Type(QStringLiteral("46.5"));
    EXPECT_EQ(edit->text(), QStringLiteral("446.5"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("145.50000")); // nothing written yet
}

TEST_F(EditorOpening, DigitOnAnEmptyCellStartsTheEditorWithIt) {
    FocusCell(1, 1);
    Key(Qt::Key_4);
    EXPECT_EQ(Editors().FrequencyEdit()->text(), QStringLiteral("4"));
    EXPECT_EQ(Focus(), Editors().FrequencyEdit());
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(EditorOpening, DigitOnAToneCellPutsItIntoTheToneField) {
    Grid().SetCellText(1, 1, QStringLiteral("145.00000"));
    Grid().SetCellText(1, 3, QStringLiteral("67.0"));
    FocusCell(1, 3);
    Key(Qt::Key_7);
    QComboBox* tone = Editors().ToneCombo();
    EXPECT_FALSE(tone->isHidden());
    EXPECT_EQ(tone->currentText(), QStringLiteral("7"));
    EXPECT_EQ(tone->lineEdit()->cursorPosition(), 1);
}

TEST_F(EditorOpening, DigitOnAnOptionListOpensItWithItsSelectionUnchanged) {
    Grid().SetCellText(2, 5, QStringLiteral("Narrow"));
    FocusCell(2, 5);
    Key(Qt::Key_2);
    QComboBox* list = Editors().WidthCombo();
    EXPECT_FALSE(list->isHidden());
    EXPECT_EQ(list->currentText(), QStringLiteral("Narrow"));
    EXPECT_EQ(list->geometry(), Grid().CellRect(2, 5));
}

TEST_F(EditorOpening, ALetterShowsTheMessageThenOpensTheEditorWithTheTextSelected) {
    Grid().SetCellText(1, 1, QStringLiteral("145.50000"));
    FocusCell(1, 1);
    Key(Qt::Key_A);
    EXPECT_EQ(m_Prompter.messages, QStringList({"Please input Number"}));
    QLineEdit* edit = Editors().FrequencyEdit();
    EXPECT_FALSE(edit->isHidden());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("145.50000"));
}

TEST_F(EditorOpening, TheNumberMessageIsChineseInChinese) {
    SetLanguage(true);
    FocusCell(1, 13);
    Key(Qt::Key_Period);
    EXPECT_EQ(m_Prompter.messages, QStringList({"请输入数字"}));
    EXPECT_FALSE(Editors().NameEdit()->isHidden());
}

TEST_F(EditorOpening, ControlCharacterOpensTheEditorAsAMousePressDoes) {
    Grid().SetCellText(1, 1, QStringLiteral("145.50000"));
    FocusCell(1, 1);
    Key(Qt::Key_Backspace);
    QLineEdit* edit = Editors().FrequencyEdit();
    EXPECT_FALSE(edit->isHidden());
    EXPECT_EQ(edit->text(), QStringLiteral("145.50000"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("145.50000"));
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(EditorOpening, TypingOnTheScramColumnDoesNothing) {
    FocusCell(1, 12);
    Key(Qt::Key_3);
    Key(Qt::Key_A);
    EXPECT_TRUE(Editors().ScramCombo()->isHidden());
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
    ClickCell(1, 12); // the mouse still opens it
    EXPECT_FALSE(Editors().ScramCombo()->isHidden());
}

TEST_F(EditorOpening, EditorForColumnFollowsTheCurrentColumn) {
    const QWidget* expected[14] = {
        Editors().FrequencyEdit(), Editors().FrequencyEdit(), Editors().FrequencyEdit(),
        Editors().ToneCombo(),     Editors().ToneCombo(),     Editors().WidthCombo(),
        Editors().ScanCombo(),     Editors().PowerCombo(),    Editors().OptSignalCombo(),
        Editors().PttIdCombo(),    Editors().BusyLockCombo(), Editors().RepeatCombo(),
        Editors().ScramCombo(),    Editors().NameEdit()};
    for (int col = 1; col < 14; ++col) {
        Grid().SetCurrentCol(col);
        EXPECT_EQ(m_View->EditorForColumn(), expected[col]) << col;
    }
    EXPECT_EQ(Editors().EditorForColumn(0), Editors().FrequencyEdit());
}

TEST_F(EditorOpening, LoadingAListSelectsTheFirstEntryBeginningWithTheCellText) {
    Grid().SetCellText(4, 10, QStringLiteral("qt"));
    Grid().SetCellText(4, 12, QStringLiteral("1关"));
    Grid().SetCellText(4, 3, QStringLiteral("D023"));
    Grid().SetCurrentCell(4, 10);
    EXPECT_EQ(Editors().BusyLockCombo()->currentText(), QStringLiteral("QT/DQT"));
    Grid().SetCurrentCol(12); // no entry begins with it: none is selected
    EXPECT_EQ(Editors().ScramCombo()->currentIndex(), -1);
    Grid().SetCurrentCol(3);
    EXPECT_EQ(Editors().ToneCombo()->currentText(), QStringLiteral("D023N"));
    Grid().SetCurrentCol(11); // empty cell: first entry
    EXPECT_EQ(Editors().RepeatCombo()->currentText(), QStringLiteral("Forward"));
}

} // namespace
