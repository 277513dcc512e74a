// The channel table by keyboard and mouse, as a user works it: typing starts
// an edit, Enter walks the row, the spreadsheet keys move and commit, Escape
// cancels, and the name editor never shortens a name it did not change.
#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <vector>

#include "editor/ViewFixture.h"
#include "image/Channel.h"
#include "image/ChannelTexts.h"

namespace {

class ChannelKeyboard : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        OpenWithVhfBand();
    }
    void FocusCell(int row, int col) {
        Grid().SetCurrentCell(row, col);
        Grid().setFocus();
    }
    QString EditorName() { return Editor() ? Editor()->objectName() : QString(); }
};

TEST_F(ChannelKeyboard, TypingADigitStartsTheEditWithItAndEnterWalksTheRow) {
    FocusCell(1, 1);
    Type(QStringLiteral("145.5"));
    ASSERT_NE(LineEditor(), nullptr);
    EXPECT_EQ(Cell(1, 1), QString()); // nothing written while typing
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.50000"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("145.50000"));
    // Enter goes on to the next column with its editor open, text selected.
    EXPECT_EQ(Grid().CurrentCol(), 2);
    ASSERT_NE(LineEditor(), nullptr);
    EXPECT_EQ(LineEditor()->selectedText(), QStringLiteral("145.50000"));
    const char* const editors[] = {"ToneCombo",   "ToneCombo",      "WidthCombo", "ScanCombo",
                                   "PowerCombo",  "OptSignalCombo", "PttIdCombo", "BusyLockCombo",
                                   "RepeatCombo", "ScramCombo",     "NameEdit"};
    for (const char* name : editors) {
        Key(Qt::Key_Return);
        EXPECT_EQ(EditorName(), QLatin1String(name));
        EXPECT_EQ(Focus(), Editor());
    }
    Type(QStringLiteral("ab"));
    Key(Qt::Key_Return); // the name, then the next channel's Rx frequency
    EXPECT_EQ(Cell(1, ColName), QStringLiteral("AB"));
    EXPECT_EQ(Grid().CurrentRow(), 2);
    EXPECT_EQ(Grid().CurrentCol(), 1);
    EXPECT_EQ(EditorName(), QStringLiteral("FrequencyEdit"));
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(ChannelKeyboard, ALetterOnAFrequencyAsksForANumberAndScramIsNotOpenedByTyping) {
    FocusCell(1, 1);
    Key(Qt::Key_A);
    EXPECT_EQ(m_Prompter.messages, QStringList({"Please input Number"}));
    EXPECT_EQ(EditorName(), QStringLiteral("FrequencyEdit"));
    Key(Qt::Key_Escape);
    FocusCell(1, ColScram);
    Key(Qt::Key_3);
    EXPECT_EQ(Editor(), nullptr);
    FocusCell(1, ColName); // a name starts with a letter
    Key(Qt::Key_Q);
    ASSERT_NE(LineEditor(), nullptr);
    EXPECT_EQ(LineEditor()->text(), QStringLiteral("Q"));
    EXPECT_EQ(m_Prompter.messages.size(), 1);
}

TEST_F(ChannelKeyboard, ARefusedFrequencyStaysInItsEditorUntilCorrectedOrEscaped) {
    Grid().SetCellText(1, 1, QStringLiteral("145"));
    const struct {
        const char* leave;
        std::function<void()> by;
    } ways[] = {
        {"Tab", [] { Key(Qt::Key_Tab); }},
        {"Enter", [] { Key(Qt::Key_Return); }},
        {"a click on another cell", [this] { ClickCell(3, 2); }},
    };
    for (const auto& way : ways) {
        m_Prompter.messages.clear();
        const MemoryImage before = m_Doc.image();
        FocusCell(1, 1);
        Type(QStringLiteral("44"));
        way.by();
        QCoreApplication::processEvents();
        EXPECT_EQ(m_Prompter.messages, QStringList({"Error Data Format，Please input again"}))
            << way.leave;
        ASSERT_NE(LineEditor(), nullptr) << way.leave;
        EXPECT_EQ(LineEditor()->text(), QStringLiteral("44")) << way.leave;
        EXPECT_EQ(Focus(), LineEditor()) << way.leave;
        EXPECT_EQ(Grid().CurrentRow(), 1) << way.leave;
        EXPECT_EQ(Grid().CurrentCol(), 1) << way.leave;
        EXPECT_EQ(m_Doc.image(), before) << way.leave;
        Key(Qt::Key_Escape);
        EXPECT_EQ(Editor(), nullptr) << way.leave;
        EXPECT_EQ(Cell(1, 1), QStringLiteral("145.00000")) << way.leave;
    }
    m_Prompter.messages.clear();
    FocusCell(1, 1);
    Type(QStringLiteral("44"));
    Key(Qt::Key_Return);
    ASSERT_NE(LineEditor(), nullptr);
    LineEditor()->selectAll();
    Type(QStringLiteral("146"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("146.00000"));
    EXPECT_EQ(m_Prompter.messages.size(), 1);
}

TEST_F(ChannelKeyboard, ATypedToneIsTheTableToneItNamesOrIsRefusedAndWaitsInItsEditor) {
    Grid().SetCellText(1, 1, QStringLiteral("145"));
    const struct {
        const char* typed;
        const char* shown; // nullptr: refused with paste's message
    } cases[] = {{"088.5", "88.5"}, {"d23n", "D023N"}, {"D999N", nullptr}}; // the rule: ToneNames
    for (const auto& c : cases) {
        m_Prompter.messages.clear();
        Grid().SetCellText(1, ColRxTone, QStringLiteral("100.0"));
        FocusCell(1, ColRxTone);
        Key(Qt::Key_F2);
        auto* tone = qobject_cast<QComboBox*>(Editor());
        ASSERT_NE(tone, nullptr) << c.typed;
        tone->lineEdit()->selectAll();
        Type(QString::fromLatin1(c.typed));
        Key(Qt::Key_Return);
        QCoreApplication::processEvents();
        if (c.shown) {
            EXPECT_EQ(Cell(1, ColRxTone), QString::fromLatin1(c.shown)) << c.typed;
            EXPECT_TRUE(m_Prompter.messages.isEmpty()) << c.typed;
            continue;
        }
        EXPECT_EQ(m_Prompter.messages,
                  QStringList(QStringLiteral("\"%1\" is not OFF, empty or a tone of the tone table")
                                  .arg(QString::fromLatin1(c.typed))))
            << c.typed;
        EXPECT_EQ(Cell(1, ColRxTone), QStringLiteral("100.0")) << c.typed;
        ASSERT_EQ(qobject_cast<QComboBox*>(Editor()), tone) << c.typed;
        EXPECT_EQ(tone->currentText(), QString::fromLatin1(c.typed));
        Key(Qt::Key_Escape);
        EXPECT_EQ(Editor(), nullptr) << c.typed;
        EXPECT_EQ(Cell(1, ColRxTone), QStringLiteral("100.0")) << c.typed;
    }
}

TEST_F(ChannelKeyboard, EscapeCancelsTheEditAndRestoresTheCell) {
    Grid().SetCellText(1, 1, QStringLiteral("145"));
    ClickCell(1, 1);
    Type(QStringLiteral("150"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Focus(), &Grid());
    ClickCell(2, 1); // nothing typed before comes back later
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.00000"));
}

TEST_F(ChannelKeyboard, MovingKeysCommitTheOpenEditAndMoveInBothDirections) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row; // where the current cell ends, from (5, 3)
        int col;
    };
    const Case cases[] = {
        {Qt::Key_Down, {}, 6, 3},
        {Qt::Key_Up, {}, 4, 3},
        {Qt::Key_Tab, {}, 5, 4},
        {Qt::Key_Backtab, Qt::ShiftModifier, 5, 2},
        {Qt::Key_Home, Qt::ControlModifier, 1, 1},
        {Qt::Key_End, Qt::ControlModifier, 128, 13},
    };
    for (const Case& c : cases) {
        Grid().SetCellText(5, 1, QStringLiteral("145"));
        ClickCell(5, 3);
        QComboBox* tone = qobject_cast<QComboBox*>(Editor());
        ASSERT_NE(tone, nullptr);
        tone->setEditText(QStringLiteral("d023n"));
        QTest::keyClick(Focus(), c.key, c.modifiers);
        EXPECT_EQ(Cell(5, 3), QStringLiteral("D023N")) << c.key;
        EXPECT_EQ(Grid().CurrentRow(), c.row) << c.key;
        EXPECT_EQ(Grid().CurrentCol(), c.col) << c.key;
        EXPECT_EQ(Editor(), nullptr);
        Grid().SetCellText(5, 3, QStringLiteral("OFF"));
    }
}

TEST_F(ChannelKeyboard, TheWholeListCanBeWalkedBothWaysWithTabAndEditedOnTheWay) {
    FocusCell(1, 1);
    for (int i = 0; i < 128 * 13 - 1; ++i) {
        Key(Qt::Key_Tab);
    }
    EXPECT_EQ(Grid().CurrentRow(), 128);
    EXPECT_EQ(Grid().CurrentCol(), 13);
    Key(Qt::Key_Tab); // the end of the list
    EXPECT_EQ(Grid().CurrentRow(), 128);
    for (int i = 0; i < 13 * 3 + 12; ++i) { // to channel 125's Rx frequency
        Key(Qt::Key_Backtab);
    }
    EXPECT_EQ(Grid().CurrentRow(), 125);
    Type(QStringLiteral("146"));
    Key(Qt::Key_Backtab); // commits and goes back to channel 124's name
    EXPECT_EQ(Cell(125, 1), QStringLiteral("146.00000"));
    EXPECT_EQ(Grid().CurrentRow(), 124);
    EXPECT_EQ(Grid().CurrentCol(), 13);
    EXPECT_EQ(Focus(), &Grid());
}

TEST_F(ChannelKeyboard, AListOpensWithF4AndItsArrowsChooseWhileItIsOpen) {
    Grid().SetCellText(2, 1, QStringLiteral("145"));
    FocusCell(2, ColWidth);
    Key(Qt::Key_F4);
    auto* list = qobject_cast<QComboBox*>(Editor());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->view()->isVisible());
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_FALSE(list->view()->isVisible());
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(2, ColWidth), QStringLiteral("Narrow"));
    EXPECT_EQ(Grid().CurrentCol(), ColScan);
}

TEST_F(ChannelKeyboard, AnUnchangedLongNameStaysWholeAndANewOneKeepsTheSixCharacterLimit) {
    Grid().SetCellText(3, 1, QStringLiteral("145"));
    Channel c = ReadChannel(m_Doc.image(), 2);
    c.name = "SECURITY";
    WriteToDocument(c, 2);
    ClickCell(3, ColName);
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(3, ColName), QStringLiteral("SECURITY"));
    ClickCell(3, ColName);
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace); // the name keeps its own length while edited
    Type(QStringLiteral("y"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(3, ColName), QStringLiteral("SECURITY"));
    ClickCell(3, ColName);
    Key(Qt::Key_Backspace); // all selected: a new name
    Type(QStringLiteral("abcdefgh"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(3, ColName), QStringLiteral("ABCDEF"));
}

// Inside the name editor the keys act on the text as in any text box; the
// letters come out as capitals where they were typed.
TEST_F(ChannelKeyboard, TheNameEditorsKeysEditItsTextInPlace) {
    Grid().SetCellText(2, 1, QStringLiteral("145"));
    struct Step {
        Qt::Key key; // Qt::Key_unknown: type text
        const char* text;
    };
    const struct {
        std::vector<Step> steps;
        const char* name;
    } cases[] = {
        {{{Qt::Key_unknown, "abc"},
          {Qt::Key_Home, ""},
          {Qt::Key_Delete, ""},
          {Qt::Key_unknown, "x"}},
         "XBC"},
        {{{Qt::Key_unknown, "abc"},
          {Qt::Key_Left, ""},
          {Qt::Key_Backspace, ""},
          {Qt::Key_unknown, "-"}},
         "A-C"},
        {{{Qt::Key_unknown, "abc"},
          {Qt::Key_Home, ""},
          {Qt::Key_Right, ""},
          {Qt::Key_unknown, "z"},
          {Qt::Key_End, ""},
          {Qt::Key_unknown, "d"}},
         "AZBCD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClickCell(2, ColName);
        for (const Step& step : c.steps) {
            step.key == Qt::Key_unknown ? Type(QString::fromLatin1(step.text)) : Key(step.key);
        }
        ASSERT_NE(LineEditor(), nullptr);
        EXPECT_EQ(LineEditor()->text(), QString::fromLatin1(c.name));
        Key(Qt::Key_Return);
        EXPECT_EQ(Cell(2, ColName), QString::fromLatin1(c.name));
    }
}

TEST_F(ChannelKeyboard, FocusNeverLeavesWithAnUncommittedEditor) {
    Grid().SetCellText(1, 1, QStringLiteral("145"));
    ClickCell(1, 1);
    Type(QStringLiteral("146"));
    Bar().ManualList()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("146.00000"));
}

} // namespace

TEST_F(ChannelKeyboard, TypedTextGoesWithItsEditorWhenTheDocumentIsReplacedOrTheFormCloses) {
    // Frequencies the new document's band edges (400-480 MHz) would take.
    ClickCell(1, ColRxFrequency);
    Type(QStringLiteral("438.5"));
    ASSERT_NE(Editor(), nullptr);
    m_Doc.newDocument(); // New, Open or a read: the typing belonged to the old one
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Cell(1, ColRxFrequency), QString());
    EXPECT_FALSE(m_Doc.canUndo());

    ClickCell(2, ColRxFrequency);
    Type(QStringLiteral("438.5"));
    ASSERT_NE(Editor(), nullptr);
    m_View.reset(); // closing the window with the editor open
    EXPECT_FALSE(m_Doc.canUndo());
}
