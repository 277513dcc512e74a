#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include "editor/CellEditorSet.h"
#include "editor/ViewFixture.h"
#include "image/ChannelCodec.h"
#include "image/FrequencyCheck.h"
#include "image/ImageMap.h"

namespace {

const QStringList EnglishDefaults = {"OFF",  "OFF", "Wide",  "Yes",     "High",
                                     "DTMF", "ON",  "Close", "Forward", "1"};

class CellEditing : public ViewFixture {
protected:
    // The band the examples use, typed into the bar's boxes.
    void OpenWithBand(const char* lower = "136", const char* upper = "174") {
        Open();
        Bar().LowerBox()->setText(QString::fromLatin1(lower));
        Bar().UpperBox()->setText(QString::fromLatin1(upper));
    }
    // Clicks a cell, types into the editor that opens, then clicks another cell.
    void EnterByLeaving(int row, int col, const QString& text, int nextRow = 0, int nextCol = 0) {
        ClickCell(row, col);
        Type(text);
        ClickCell(nextRow ? nextRow : row + 1, nextCol ? nextCol : col);
    }
    void SetRow(int row, const QStringList& texts) {
        for (int col = 1; col <= texts.size(); ++col) {
            Grid().SetCellText(row, col, texts[col - 1]);
        }
    }
    QStringList Columns(int row, int first, int last) {
        QStringList texts;
        for (int col = first; col <= last; ++col) {
            texts << Cell(row, col);
        }
        return texts;
    }
};

TEST_F(CellEditing, NewChannelByTypingAndLeavingGetsDefaultsAndTxFollowsRx) {
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.5"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.50000"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("145.50000"));
    EXPECT_EQ(Columns(1, 3, 12), EnglishDefaults);
    EXPECT_EQ(Cell(1, 13), QString());
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
    // The click on the next channel opened its (empty) editor there.
    EXPECT_EQ(Editors().FrequencyEdit()->geometry(), Grid().CellRect(2, 1));
    EXPECT_EQ(Editors().FrequencyEdit()->text(), QString());
}

TEST_F(CellEditing, NewChannelDefaultsFollowTheLanguage) {
    SetLanguage(true);
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.5"));
    EXPECT_EQ(Columns(1, 3, 12),
              QStringList({"OFF", "OFF", "宽", "是", "高", "DTMF", "开", "关闭", "正向", "1"}));
}

TEST_F(CellEditing, EnterAcceptsTheFrequencyAndOpensTheTxCell) {
    OpenWithBand();
    ClickCell(1, 1);
    Type(QStringLiteral("145.5"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.50000"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("145.50000"));
    EXPECT_EQ(Columns(1, 3, 12), EnglishDefaults);
    EXPECT_EQ(Grid().CurrentCol(), 2);
    QLineEdit* edit = Editors().FrequencyEdit();
    EXPECT_FALSE(edit->isHidden());
    EXPECT_EQ(Focus(), edit);
    EXPECT_EQ(edit->geometry(), Grid().CellRect(1, 2));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("145.50000"));
}

TEST_F(CellEditing, EnterLeavesANameTypedBeforeAlone) {
    OpenWithBand();
    Grid().SetCellText(3, 13, QStringLiteral("KEEP"));
    ClickCell(3, 2);
    Type(QStringLiteral("146"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(3, 13), QStringLiteral("KEEP"));
    EXPECT_EQ(Cell(3, 1), QString());
    EXPECT_EQ(Cell(3, 2), QStringLiteral("146.00000"));
}

TEST_F(CellEditing, TxFirstOnAnEmptyRowWritesDefaultsButNoRx) {
    OpenWithBand();
    EnterByLeaving(5, 2, QStringLiteral("146"));
    EXPECT_EQ(Cell(5, 1), QString());
    EXPECT_EQ(Cell(5, 2), QStringLiteral("146.00000"));
    EXPECT_EQ(Columns(5, 3, 12), EnglishDefaults);
}

TEST_F(CellEditing, AnExistingChannelKeepsItsOtherCells) {
    OpenWithBand();
    SetRow(2, {"145.00000", "145.00000", "67.0", "OFF", "Narrow", "No", "Low", "MSK", "OFF",
               "QT/DQT", "Reverse", "4", "X"});
    EnterByLeaving(2, 1, QStringLiteral("146"));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("146.00000"));
    EXPECT_EQ(Cell(2, 2), QStringLiteral("145.00000"));
    EXPECT_EQ(Cell(2, 5), QStringLiteral("Narrow"));
}

TEST_F(CellEditing, MultiplesOfTheStepAndOddTextsAreAcceptedAsNumbers) {
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.5125"));
    EnterByLeaving(2, 1, QStringLiteral("145.5xyz"));
    EnterByLeaving(3, 1, QStringLiteral("1.455e2"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.51250"));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("145.50000"));
    EXPECT_EQ(Cell(3, 1), QStringLiteral("145.50000"));
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(CellEditing, StepFaultShowsItsMessageAndEmptiesTheCellAndItsTone) {
    OpenWithBand();
    SetRow(1, {"145.00000", "145.00000", "67.0", "OFF", "Wide"});
    EnterByLeaving(1, 1, QStringLiteral("145.001"));
    ASSERT_EQ(m_Prompter.messages.size(), 1);
    EXPECT_EQ(
        m_Prompter.messages[0],
        QStringLiteral("Error data Value，Please input according the step value(6.25K/5k/2.5k)"));
    EXPECT_EQ(Cell(1, 1), QString());
    EXPECT_EQ(Cell(1, 3), QString());
    EXPECT_EQ(Cell(1, 2), QStringLiteral("145.00000"));
    EXPECT_EQ(Cell(1, 5), QStringLiteral("Wide"));
}

TEST_F(CellEditing, ChineseStepMessageDiffersBetweenLeavingAndEnter) {
    SetLanguage(true);
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.001"));
    ClickCell(4, 1);
    Type(QStringLiteral("145.001"));
    Key(Qt::Key_Return);
    ASSERT_EQ(m_Prompter.messages.size(), 2);
    EXPECT_EQ(m_Prompter.messages[0],
              QStringLiteral("输入数据错误，请按6.25K/5k/2.5k的倍数重新输入"));
    EXPECT_EQ(m_Prompter.messages[1],
              QStringLiteral("输入数据错误，请按6.25K/5k/2.5K的倍数重新输入"));
}

TEST_F(CellEditing, FormatMessageForTextsOutsideTheFixedLimitsInBothLanguages) {
    OpenWithBand("60", "600");
    const QStringList bad = {"66.99999", "521.00001", "abc", "-145", " "};
    for (int i = 0; i < bad.size(); ++i) {
        EnterByLeaving(i + 1, 1, bad[i], 9, 1);
        EXPECT_EQ(Cell(i + 1, 1), QString()) << bad[i].toStdString();
    }
    SetLanguage(true);
    EnterByLeaving(6, 1, QStringLiteral("abc"), 9, 1);
    ASSERT_EQ(m_Prompter.messages.size(), 6);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(m_Prompter.messages[i], QStringLiteral("Error Data Format，Please input again"));
    }
    EXPECT_EQ(m_Prompter.messages[5], QStringLiteral("输入数据错误，请按正确的格式及大小重新输入"));
    EnterByLeaving(7, 1, QStringLiteral("67"), 9, 1);
    EnterByLeaving(8, 1, QStringLiteral("521"), 9, 1);
    EXPECT_EQ(Cell(7, 1), QStringLiteral("67.00000"));
    EXPECT_EQ(Cell(8, 1), QStringLiteral("521.00000"));
}

TEST_F(CellEditing, BandEdgesBelongToTheBandAndBeyondIsOutOfRange) {
    OpenWithBand("400", "480");
    EnterByLeaving(1, 1, QStringLiteral("400"));
    EnterByLeaving(2, 1, QStringLiteral("480"));
    EnterByLeaving(3, 1, QStringLiteral("480.00625"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("400.00000"));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("480.00000"));
    EXPECT_EQ(Cell(3, 1), QString());
    EXPECT_EQ(m_Prompter.messages, QStringList({"Out Of Range"}));
}

TEST_F(CellEditing, RangeMessageLanguageFollowsTheLanguageNameExactly) {
    OpenWithBand("136", "0");
    LanguageName() = QStringLiteral("english"); // not exactly "English"
    EnterByLeaving(1, 1, QStringLiteral("145"));
    SetLanguage(true);
    EnterByLeaving(2, 1, QStringLiteral("145"));
    SetLanguage(false);
    EnterByLeaving(3, 1, QStringLiteral("145"));
    EXPECT_EQ(m_Prompter.messages, QStringList({"超出范围", "超出范围", "Out Of Range"}));
}

TEST_F(CellEditing, ANewBandTypedIntoTheBoxesCountsAtOnce) {
    Open();
    Bar().LowerBox()->setText(QStringLiteral("136"));
    Bar().UpperBox()->setText(QStringLiteral("174"));
    EnterByLeaving(1, 1, QStringLiteral("145.5"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.50000"));
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(CellEditing, AnEmptiedBandBoxIsRefusedAndThePreviousEdgeJudges) {
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.5")); // reads 136-174
    Bar().LowerBox()->clear();
    EnterByLeaving(2, 1, QStringLiteral("140"));
    ASSERT_EQ(m_Prompter.messages.size(), 1);
    EXPECT_EQ(m_Prompter.messages[0], QStringLiteral("Please enter an unsigned integer."));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("140.00000"));
}

TEST_F(CellEditing, ClearingTheOnlyFrequencyEmptiesTheWholeRow) {
    OpenWithBand();
    SetRow(1, {"145.00000", "", "67.0", "", "Wide", "Yes", "High", "None", "ON", "Close", "Forward",
               "2", "AB"});
    ClickCell(1, 1);
    Key(Qt::Key_Backspace); // the text is all selected
    ClickCell(2, 1);
    EXPECT_EQ(Columns(1, 1, 13), QStringList(QList<QString>(13)));
}

TEST_F(CellEditing, ClearingOneOfTwoFrequenciesKeepsTheChannel) {
    OpenWithBand();
    SetRow(1, {"145.00000", "146.00000", "67.0", "D023N", "Wide"});
    ClickCell(1, 2);
    Key(Qt::Key_Backspace);
    ClickCell(2, 1);
    EXPECT_EQ(Columns(1, 1, 5), QStringList({"145.00000", "", "67.0", "", "Wide"}));
}

TEST_F(CellEditing, ListAndNameValuesOnARowWithoutFrequencyLeaveTheCellEmpty) {
    OpenWithBand();
    Grid().SetCellText(7, 5, QStringLiteral("Wide"));
    ClickCell(7, 5);
    Key(Qt::Key_Down);
    ClickCell(7, 13);
    Type(QStringLiteral("AB"));
    ClickCell(8, 13);
    EXPECT_EQ(Cell(7, 5), QString());
    EXPECT_EQ(Cell(7, 13), QString());
}

TEST_F(CellEditing, ListValueOnAChannelIsWrittenWhenTheCellIsLeft) {
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.5"));
    ClickCell(1, 5);
    EXPECT_EQ(Editors().WidthCombo()->currentText(), QStringLiteral("Wide"));
    Key(Qt::Key_Down);
    ClickCell(1, 13);
    Type(QStringLiteral("ab-1"));
    ClickCell(2, 1);
    EXPECT_EQ(Cell(1, 5), QStringLiteral("Narrow"));
    EXPECT_EQ(Cell(1, 13), QStringLiteral("AB-1"));
}

TEST_F(CellEditing, EnterInAListWritesItAndOpensTheNextColumn) {
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.5"));
    ClickCell(1, 7);
    Key(Qt::Key_Up); // High -> Low
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 7), QStringLiteral("Low"));
    EXPECT_EQ(Grid().CurrentCol(), 8);
    EXPECT_FALSE(Editors().OptSignalCombo()->isHidden());
    EXPECT_EQ(Focus(), Editors().OptSignalCombo());
    EXPECT_EQ(Editors().OptSignalCombo()->currentText(), QStringLiteral("DTMF"));
}

TEST_F(CellEditing, ToneFieldWritesANamedToneAsTheListSpellsItAndTurnsOtherTextIntoOff) {
    OpenWithBand();
    EnterByLeaving(1, 1, QStringLiteral("145.5"));
    ClickCell(1, 3);
    QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("d023n"));
    Key(Qt::Key_Return);
    // Written as typed, the code would be saved as no tone at all.
    EXPECT_EQ(Cell(1, 3), QStringLiteral("D023N"));
    EXPECT_EQ(Grid().CurrentCol(), 4);
    EXPECT_FALSE(Editors().ToneCombo()->isHidden());
    QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("12345"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 4), QStringLiteral("OFF"));
    EXPECT_EQ(Grid().CurrentCol(), 5);

    m_View->CommitGrid();
    EXPECT_EQ(DecodeChannel(m_Doc.Image(), 0, Lang::English)[3], "D023N");
}

TEST_F(CellEditing, ToneWithoutSelectedEntryKeepsTheCellWhenLeft) {
    OpenWithBand();
    SetRow(1, {"145.00000", "", "67.0"});
    ClickCell(1, 3);
    Editors().ToneCombo()->setCurrentIndex(-1);
    ClickCell(2, 3);
    EXPECT_EQ(Cell(1, 3), QStringLiteral("67.0"));
}

TEST_F(CellEditing, ToneChosenFromTheListIsWrittenWhenLeft) {
    OpenWithBand();
    SetRow(1, {"145.00000", "", "OFF"});
    ClickCell(1, 3);
    Key(Qt::Key_Down);
    ClickCell(2, 3);
    EXPECT_EQ(Cell(1, 3), Editors().ToneCombo()->itemText(1));
}

TEST_F(CellEditing, EnterInTheNameOfAChannelGoesOnToTheNextRowsRxFrequency) {
    OpenWithBand();
    SetRow(4, {"145.00000"});
    ClickCell(4, 13);
    Type(QStringLiteral("ab"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(4, 13), QStringLiteral("AB"));
    EXPECT_EQ(Grid().CurrentRow(), 5);
    EXPECT_EQ(Grid().CurrentCol(), 1);
    EXPECT_EQ(Focus(), Editors().FrequencyEdit());
}

TEST_F(CellEditing, EnterInTheNameOfRow128MovesTheFocusToTheNextControl) {
    OpenWithBand();
    SetRow(128, {"145.00000"});
    ClickCell(128, 13);
    Type(QStringLiteral("Z9"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(128, 13), QStringLiteral("Z9"));
    EXPECT_EQ(Grid().CurrentRow(), 128);
    EXPECT_TRUE(Editors().NameEdit()->isHidden());
    EXPECT_EQ(Focus(), Bar().ManualList());
}

TEST_F(CellEditing, NameEditorSwallowsKeysOutsideTheNameAlphabet) {
    OpenWithBand();
    SetRow(1, {"145.00000"});
    ClickCell(1, 13);
    Type(QStringLiteral("a1"));
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Delete, Qt::Key_Period,
                              Qt::Key_Home, Qt::Key_Exclam}) {
        Key(key);
    }
    Type(QStringLiteral("-b c"));
    EXPECT_EQ(Editors().NameEdit()->text(), QStringLiteral("A1-B C"));
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Editors().NameEdit()->text(), QStringLiteral("A1-B "));
    Type(QStringLiteral("xyz"));
    EXPECT_EQ(Editors().NameEdit()->text(), QStringLiteral("A1-B X")); // six at most
}

TEST_F(CellEditing, EnterOnTheGridMovesRightOrOnToTheNextControlFromScan) {
    Open();
    Grid().SetCurrentCell(3, 4);
    Grid().setFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid().CurrentCol(), 5);
    EXPECT_TRUE(Editors().WidthCombo()->isHidden());
    Grid().SetCurrentCol(6);
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid().CurrentCol(), 6);
    EXPECT_EQ(Focus(), Bar().ManualList());
}

TEST_F(CellEditing, EnterInTheBarMovesAlongTheTabOrder) {
    Open();
    Key(Qt::Key_Return); // from the Type list, which has the focus after a display
    EXPECT_EQ(Focus(), &Grid());
    Bar().ManualList()->setFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(Focus(), Bar().LowerBox());
    Bar().LowerBox()->setFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(Focus(), Bar().UpperBox());
    Key(Qt::Key_Return);
    EXPECT_EQ(Focus(), Bar().TypeList());
}

TEST_F(CellEditing, EnterInABandBoxWhileTheToneEditorIsOpenWritesTheTone) {
    OpenWithBand();
    Grid().SetCellText(1, 1, QStringLiteral("145.00000"));
    ClickCell(1, 4);
    QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("d754i"));
    Bar().LowerBox()->setFocus();
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 4), QStringLiteral("D754I"));
    EXPECT_EQ(Grid().CurrentCol(), 5);
    EXPECT_EQ(Focus(), Editors().WidthCombo());
}

TEST_F(CellEditing, TabAndEscapeNeverWriteAValue) {
    OpenWithBand();
    SetRow(1, {"145.00000", "145.00000"});
    ClickCell(1, 1);
    Type(QStringLiteral("150"));
    Key(Qt::Key_Escape);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.00000"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("145.00000"));
    EXPECT_FALSE(Editors().FrequencyEdit()->isHidden()); // still open
}

TEST_F(CellEditing, ScrollingClosesTheEditorWithoutWriting) {
    OpenWithBand();
    SetRow(1, {"145.00000"});
    ClickCell(1, 1);
    Type(QStringLiteral("146"));
    Grid().verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd); // the user's
    EXPECT_TRUE(Editors().FrequencyEdit()->isHidden());
    ClickCell(3, 1);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.00000"));
}

TEST_F(CellEditing, ClickingAPartlyVisibleCellWritesTheOpenEditAndOpensTheNext) {
    OpenWithBand();
    // A width at which some column is cut by the right edge of the grid.
    int col = 0;
    QRect partly;
    for (int width = 600; width < 900 && col == 0; width += 7) {
        m_View->resize(width, 500);
        QCoreApplication::processEvents();
        const int right = Grid().viewport()->width();
        for (int c = 2; c <= 13; ++c) {
            const QRect rect = Grid().CellRect(2, c);
            if (rect.left() + 6 < right && rect.right() > right) {
                col = c;
                partly = rect;
                break;
            }
        }
    }
    ASSERT_NE(col, 0);
    ClickCell(1, 1);
    Type(QStringLiteral("145.5"));
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                      QPoint(partly.left() + 3, partly.center().y()));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.50000"));
    EXPECT_EQ(Grid().CurrentCol(), col);
    QWidget* editor = m_View->EditorForColumn();
    EXPECT_FALSE(editor->isHidden());

    // The grid brings a pressed cell into sight after the double-click
    // interval. That scroll is the grid's, not the user's: the editor stays
    // open over its cell with what has been typed.
    auto* frequency = qobject_cast<QLineEdit*>(editor);
    if (frequency) {
        Type(QStringLiteral("1"));
    }
    const int scrolledBefore = Grid().horizontalScrollBar()->value();
    QTest::qWait(QApplication::doubleClickInterval() + 300);
    EXPECT_GT(Grid().horizontalScrollBar()->value(), scrolledBefore);
    EXPECT_FALSE(editor->isHidden());
    EXPECT_EQ(editor->geometry().topLeft(), Grid().CellRect().topLeft());
    if (frequency) {
        EXPECT_EQ(frequency->text(), QStringLiteral("1"));
    }
}

TEST_F(CellEditing, AnEditorOpenedOnThePartlyVisibleBottomRowKeepsWhatIsTyped) {
    OpenWithBand();
    SetRow(1, {"145.00000", "145.00000"});
    // A height at which the last row in sight is cut by the grid's lower edge.
    int row = 0;
    for (int height = 300; height < 600 && row == 0; height += 3) {
        m_View->resize(1300, height);
        QCoreApplication::processEvents();
        const int bottom = Grid().viewport()->height();
        for (int r = 1; r < 128; ++r) {
            const QRect rect = Grid().CellRect(r, 1);
            if (rect.top() + 6 < bottom && rect.bottom() > bottom) {
                row = r;
                break;
            }
        }
    }
    ASSERT_NE(row, 0);
    const QRect partly = Grid().CellRect(row, 1);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                      QPoint(partly.center().x(), partly.top() + 3));
    ASSERT_EQ(Grid().CurrentRow(), row);
    Type(QStringLiteral("146.2"));
    QTest::qWait(QApplication::doubleClickInterval() + 300);
    ASSERT_GT(Grid().verticalScrollBar()->value(), 0); // the grid did scroll
    EXPECT_FALSE(Editors().FrequencyEdit()->isHidden());
    Type(QStringLiteral("5"));
    EXPECT_EQ(Editors().FrequencyEdit()->text(), QStringLiteral("146.25"));
    ClickCell(1, 3);
    EXPECT_EQ(Cell(row, 1), QStringLiteral("146.25000"));
}

TEST_F(CellEditing, ARightPressKeepsTheFocusInTheOpenEditor) {
    OpenWithBand();
    SetRow(2, {"145.00000", "145.00000"});
    ClickCell(2, 1);
    Type(QStringLiteral("146."));
    QTest::mouseClick(Grid().viewport(), Qt::RightButton, {}, Grid().CellRect(5, 4).center());
    EXPECT_EQ(Focus(), Editors().FrequencyEdit());
    Type(QStringLiteral("5x")); // a letter goes to the editor, not to the grid
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
    EXPECT_EQ(Grid().CurrentRow(), 2);
    ClickCell(3, 1);
    EXPECT_EQ(Cell(2, 1), QStringLiteral("146.50000"));
}

TEST_F(CellEditing, CommitCellEditWritesTheOpenEditorAndClosesIt) {
    OpenWithBand();
    ClickCell(1, 1);
    Type(QStringLiteral("145.5"));
    m_View->CommitCellEdit();
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.50000"));
    EXPECT_TRUE(Editors().FrequencyEdit()->isHidden());
    m_View->CommitCellEdit(); // nothing open: nothing happens
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.50000"));
}

TEST_F(CellEditing, ARowEditedThroughTheWindowIsSavedAsTheCodecSays) {
    OpenWithBand();
    ClickCell(1, 1);
    Type(QStringLiteral("145.125"));
    Key(Qt::Key_Return); // Tx opens with 145.12500
    Type(QStringLiteral("146.5"));
    Key(Qt::Key_Return); // Rx tone
    QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("67.0"));
    Key(Qt::Key_Return); // Tx tone
    Key(Qt::Key_Return); // W/N
    Key(Qt::Key_Down);   // Narrow
    Key(Qt::Key_Return); // Scan
    ClickCell(1, 13);
    Type(QStringLiteral("ab1"));
    ClickCell(2, 1);
    ASSERT_TRUE(m_Prompter.messages.isEmpty()) << m_Prompter.messages.join('|').toStdString();

    m_View->CommitGrid();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("edited.sin"));
    ASSERT_TRUE(m_Doc.SaveFile(path.toStdString()).ok);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 4096);
    const QByteArray slot = bytes.mid(0, 16);
    EXPECT_EQ(slot.toHex(' '), QByteArray("00 25 51 14 00 00 65 14 70 06 ff ff 12 e9 ff ff"));
    EXPECT_EQ(bytes.mid(0x850, 8).toHex(' '), QByteArray("0a 0b 01 ff ff ff ff ff"));
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0xC50]), 0xFF); // as the new document had it
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0xFF0]), 0x13);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0xFF2]), 0x64);
    EXPECT_EQ(bytes.mid(16, 12), QByteArray(12, '\xff'));
}

} // namespace
