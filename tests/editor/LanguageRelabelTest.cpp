#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>

#include "editor/CellEditorSet.h"
#include "editor/ViewFixture.h"
#include "image/ImageMap.h"

namespace {

QStringList ListEntries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        entries << list->itemText(i);
    }
    return entries;
}

class LanguageRelabel : public ViewFixture {
protected:
    // What the language switch does to the view, in its order.
    void Switch() {
        m_View->CommitCellEdit();
        SetLanguage(bChinese == 0);
        m_View->RelabelForLanguage();
    }
    void SetRow(int row, const QStringList& texts) {
        for (int col = 1; col <= texts.size(); ++col) {
            Grid().SetCellText(row, col, texts[col - 1]);
        }
    }
    QStringList Options(int row) {
        QStringList texts;
        for (int col = 5; col <= 12; ++col) {
            texts << Cell(row, col);
        }
        return texts;
    }
};

const QStringList ExampleRow = {"145.00000", "145.00000", "67.0",  "D023N",   "Wide", "Yes", "High",
                                "None",      "ON",        "Close", "Forward", "Off",  "AB"};

TEST_F(LanguageRelabel, ScramblerZeroTextIsNeverTranslated) {
    Open();
    Grid().SetCellText(4, 12, QStringLiteral("1关"));
    Switch();
    EXPECT_EQ(Cell(4, 12), QStringLiteral("1关"));
    Switch();
    EXPECT_EQ(Cell(4, 12), QStringLiteral("1关"));
}

TEST_F(LanguageRelabel, ColumnTitlesAreTheSwitchedSet) {
    SetLanguage(true);
    Open();
    Switch();
    EXPECT_EQ(Cell(0, 1), QStringLiteral("Receive(MHz)"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral("Transmit(MHz)"));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("CH"));
    EXPECT_EQ(Cell(0, 8), QStringLiteral(" Opt Signal"));
    Switch();
    EXPECT_EQ(Cell(0, 1), QStringLiteral("接收频率"));
    EXPECT_EQ(Cell(0, 5), QStringLiteral(" 宽/窄"));
    m_View->OnInitialUpdate(); // a new document writes the start-up titles again
    SetLanguage(false);
    m_View->OnInitialUpdate();
    EXPECT_EQ(Cell(0, 1), QStringLiteral("Rx Frequency"));
}

TEST_F(LanguageRelabel, BarLabelsFollowTheNewLanguage) {
    Open();
    Switch();
    EXPECT_EQ(Bar().title(), QStringLiteral("整机设置"));
    EXPECT_EQ(Bar().TypeLabel()->text(), QStringLiteral("机型"));
    EXPECT_EQ(Bar().FieldLabel()->text(), QStringLiteral("频段"));
    EXPECT_EQ(Bar().ManualLabel()->text(), QStringLiteral("手动设置"));
    Switch();
    EXPECT_EQ(Bar().title(), QStringLiteral("Type Setting"));
    EXPECT_EQ(Bar().TypeLabel()->text(), QStringLiteral("TYPE"));
    EXPECT_EQ(Bar().FieldLabel()->text(), QStringLiteral("Field"));
    EXPECT_EQ(Bar().ManualLabel()->text(), QStringLiteral("Manul Setting"));
    EXPECT_EQ(ListEntries(Bar().TypeList()), QStringList({"Orin-6140D"}));
}

TEST_F(LanguageRelabel, SwitchingTwiceKeepsTheManualSettingPosition) {
    Open();
    Bar().ManualList()->setCurrentIndex(1);
    Switch();
    EXPECT_EQ(ListEntries(Bar().ManualList()), QStringList({"是", "否"}));
    Switch();
    EXPECT_EQ(ListEntries(Bar().ManualList()), QStringList({"YES", "NO"}));
    EXPECT_EQ(Bar().ManualList()->currentText(), QStringLiteral("NO"));
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image()[ImageMap::ManualSettingByte] & 0x80, 0);
}

TEST_F(LanguageRelabel, Mdc1200IsStoredAsMskAndShownAsMskAfterReopening) {
    Open();
    Switch();
    SetRow(1, {"145.00000", "", "OFF", "OFF", "宽", "是", "高", "DTMF"});
    ClickCell(1, 8);
    Key(Qt::Key_Up); // DTMF -> MDC1200
    ClickCell(2, 1);
    EXPECT_EQ(Cell(1, 8), QStringLiteral("MDC1200"));
    m_Doc.Image()[12] = 0x12;
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image()[12] & 0x0F, 0x00);
    m_View->DisplayImage();
    EXPECT_EQ(Cell(1, 8), QStringLiteral("MSK"));
}

TEST_F(LanguageRelabel, TheSwitchFirstCommitsTheOpenEditor) {
    Open();
    Bar().LowerBox()->setText(QStringLiteral("136"));
    Bar().UpperBox()->setText(QStringLiteral("174"));
    ClickCell(1, 1);
    Type(QStringLiteral("145.5"));
    Switch();
    EXPECT_EQ(Cell(1, 1), QStringLiteral("145.50000"));
    EXPECT_EQ(Cell(1, 5), QStringLiteral("宽")); // written in English, then translated
    EXPECT_TRUE(Editors().FrequencyEdit()->isHidden());
}

TEST_F(LanguageRelabel, AfterTheSwitchScramOffOpensAsTheFirstEntry) {
    Open();
    Switch();
    SetRow(1, {"145.00000", "", "", "", "", "", "", "", "", "", "", "关"});
    ClickCell(1, 12);
    EXPECT_EQ(Editors().ScramCombo()->currentIndex(), 0);
    ClickCell(1, 1);
    EXPECT_EQ(Cell(1, 12), QStringLiteral("关"));
    m_View->CommitGrid();
    EXPECT_EQ(m_Doc.Image()[12] >> 4, 0);
}

// The bar's texts at start-up come from the language module.
class TemplateTexts : public ViewFixture {
protected:
    void LoadModule(const char* name) {
        ASSERT_TRUE(m_Translator.load(QCoreApplication::applicationDirPath() + "/" + name));
        QCoreApplication::installTranslator(&m_Translator);
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(&m_Translator);
        ViewFixture::TearDown();
    }
    QTranslator m_Translator;
};

TEST_F(TemplateTexts, ChineseModuleGivesTheChineseBar) {
    LoadModule("Chinese.qm");
    SetLanguage(true);
    Open();
    EXPECT_EQ(Bar().title(), QStringLiteral("整机设置"));
    EXPECT_EQ(Bar().TypeLabel()->text(), QStringLiteral("机型"));
    EXPECT_EQ(Bar().FieldLabel()->text(), QStringLiteral("频段"));
    EXPECT_EQ(Bar().ManualLabel()->text(), QStringLiteral("手动设置"));
    EXPECT_EQ(ListEntries(Bar().ManualList()), QStringList({"打开", "关闭"}));
    EXPECT_EQ(ListEntries(Bar().TypeList()), QStringList({"Orin-6140D"}));
}

TEST_F(TemplateTexts, EnglishModuleGivesTheTemplateTexts) {
    LoadModule("English.qm");
    Open();
    EXPECT_EQ(Bar().title(), QStringLiteral("Type Setting"));
    EXPECT_EQ(Bar().TypeLabel()->text(), QStringLiteral("Type"));
    EXPECT_EQ(Bar().ManualLabel()->text(), QStringLiteral("Manul Setting"));
    EXPECT_EQ(ListEntries(Bar().ManualList()), QStringList({"Open", "Close"}));
}

} // namespace

namespace {

class ListCellsAfterSwitch : public LanguageRelabel {
protected:
    void ClickCell(int row, int col) {
        Grid().scrollTo(Grid().model()->index(row - 1, col - 1));
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                          Grid().CellRect(row, col).center());
    }
};

TEST_F(ListCellsAfterSwitch, LookingAtACellWhoseTextNoEntryMatchesKeepsIt) {
    Open();
    SetRow(2, {"145.00000", "145.00000", "OFF", "OFF", "Wide", "Yes", "High", "MSK", "ON", "Close",
               "Forward", "1关"});
    Switch(); // the list now names MSK's position "MDC1200"; Scram has "Off" to "8"
    ClickCell(2, 8);
    EXPECT_FALSE(Editors().OptSignalCombo()->isHidden());
    EXPECT_EQ(Editors().OptSignalCombo()->currentIndex(), -1);
    EXPECT_EQ(Editors().OptSignalCombo()->placeholderText(), QStringLiteral("MSK"));
    ClickCell(2, 12);
    ClickCell(3, 3);
    EXPECT_EQ(Cell(2, 8), QStringLiteral("MSK"));
    EXPECT_EQ(Cell(2, 12), QStringLiteral("1关"));
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(ListCellsAfterSwitch, PickingAnEntryStillWritesIt) {
    Open();
    SetRow(2, {"145.00000", "145.00000", "OFF", "OFF", "Wide", "Yes", "High", "MSK", "ON", "Close",
               "Forward", "1关"});
    Switch();
    ClickCell(2, 8);
    QTest::keyClick(Editors().OptSignalCombo(), Qt::Key_Down); // the first entry
    ClickCell(2, 12);
    QTest::keyClick(Editors().ScramCombo(), Qt::Key_Down);
    QTest::keyClick(Editors().ScramCombo(), Qt::Key_Down);
    ClickCell(3, 3);
    EXPECT_EQ(Cell(2, 8), QStringLiteral("无"));
    EXPECT_EQ(Cell(2, 12), QStringLiteral("1"));
}

} // namespace
