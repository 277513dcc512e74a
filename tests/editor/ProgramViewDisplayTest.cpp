#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <set>

#include "editor/CellEditorSet.h"
#include "editor/ChannelDisplay.h"
#include "editor/ViewFixture.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"

namespace {

// Channel 1 of a known radio: 145.125 MHz both ways, tones 67.0 / D023N, opt
// signal none, scrambler 3, carrier busy lock, scanned, wide, high power,
// forward, PTT ID on, name "AB".
void PutKnownChannel(MemoryImage& image, int n) {
    const std::uint8_t slot[16] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14,
                                   0x70, 0x06, 0x23, 0x80, 0x31, 0x3B, 0x01, 0xFF};
    for (int i = 0; i < 16; ++i) {
        image[ImageMap::SlotAddress(n) + i] = slot[i];
    }
    image[ImageMap::NameAddress(n)] = 0x0A;
    image[ImageMap::NameAddress(n) + 1] = 0x0B;
}

QStringList RowTexts(ChannelGrid& grid, int row) {
    QStringList texts;
    for (int col = 1; col <= 13; ++col) {
        texts << grid.CellText(row, col);
    }
    return texts;
}

QStringList ListEntries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        entries << list->itemText(i);
    }
    return entries;
}

using ProgramViewDisplay = ViewFixture;

TEST_F(ProgramViewDisplay, NewDocumentShowsEmptyChannelsNumberedOneTo128) {
    Open();
    for (int row = 1; row <= 128; ++row) {
        ASSERT_EQ(Cell(row, 0), QString::number(row));
        for (int col = 1; col <= 13; ++col) {
            ASSERT_EQ(Cell(row, col), QString()) << row << "," << col;
        }
    }
}

TEST_F(ProgramViewDisplay, NewDocumentShowsTheBarDefaults) {
    Open();
    EXPECT_EQ(Bar().TypeList()->currentText(), QStringLiteral("Orin-6140D"));
    EXPECT_EQ(Bar().ManualList()->currentText(), QStringLiteral("Open"));
    EXPECT_EQ(Bar().LowerBox()->text(), QStringLiteral("400"));
    EXPECT_EQ(Bar().UpperBox()->text(), QStringLiteral("480"));
    EXPECT_EQ(Bar().LowerBandEdge(), 400u);
    EXPECT_EQ(Bar().UpperBandEdge(), 480u);
    EXPECT_EQ(QApplication::focusWidget(), Bar().TypeList());
}

TEST_F(ProgramViewDisplay, HeadersAreTheEnglishTitlesExactly) {
    Open();
    EXPECT_EQ(Cell(0, 0), QStringLiteral("CH"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("Rx Frequency"));
    EXPECT_EQ(Cell(0, 5), QStringLiteral(" W/N "));
    EXPECT_EQ(Cell(0, 8), QStringLiteral(" Opt Signal"));
    EXPECT_EQ(Cell(0, 11), QStringLiteral("Repeat Invert"));
    EXPECT_EQ(Cell(0, 13), QStringLiteral("Name"));
}

TEST_F(ProgramViewDisplay, SetupCreatesElevenHiddenEditorsWithDistinctIds) {
    Open();
    std::set<int> ids;
    std::set<QString> names;
    for (QWidget* editor : Editors().All()) {
        EXPECT_TRUE(editor->isHidden()) << editor->objectName().toStdString();
        EXPECT_EQ(editor->parentWidget(), Grid().viewport());
        ids.insert(CellEditorSet::IdOf(editor));
        names.insert(editor->objectName());
    }
    EXPECT_EQ(ids.size(), 11u);
    EXPECT_EQ(names.size(), 11u);
    EXPECT_EQ(CellEditorSet::IdOf(Editors().ScramCombo()), 1121);
    EXPECT_EQ(CellEditorSet::IdOf(Editors().RepeatCombo()), 1120);
    EXPECT_EQ(Editors().NameEdit()->maxLength(), 6);
}

TEST_F(ProgramViewDisplay, ListsHoldTheirEntriesInOrder) {
    Open();
    EXPECT_EQ(Editors().ToneCombo()->count(), 261);
    EXPECT_EQ(Editors().ToneCombo()->itemText(0), QStringLiteral("OFF"));
    EXPECT_EQ(ListEntries(Editors().OptSignalCombo()),
              QStringList({"None", "MSK", "DTMF", "CCIR"}));
    EXPECT_EQ(ListEntries(Editors().BusyLockCombo()), QStringList({"Close", "Carrier", "QT/DQT"}));
    EXPECT_EQ(ListEntries(Editors().ScramCombo()),
              QStringList({"OFF", "1", "2", "3", "4", "5", "6", "7", "8"}));
}

TEST_F(ProgramViewDisplay, ColumnsAreCentredAndSizedByTheirFactors) {
    Open();
    // The factors of the grid's layout, written out here: widths computed
    // from the code's own table could never disagree with it.
    const double factors[14] = {0.42, 1.1, 1.1,  0.85, 0.85, 0.9, 0.85,
                                0.8,  1.0, 0.85, 1.0,  1.2,  0.9, 1.0};
    const int base = m_View->BaseColumnWidth();
    ASSERT_GT(base, 20);
    for (int col = 0; col < 14; ++col) {
        EXPECT_EQ(Grid().ColumnAlignment(col), ChannelGrid::AlignCentre);
        EXPECT_EQ(Grid().ColumnWidth(col), static_cast<int>(base * factors[col])) << col;
    }
}

TEST_F(ProgramViewDisplay, ColumnsAreWideEnoughForTheirTitlesInBothLanguages) {
    Open();
    const QFontMetrics metrics(Grid().horizontalHeader()->font());
    for (int col = 1; col < 14; ++col) {
        for (const BiText* titles :
             {ChannelTexts::ColumnTitles, ChannelTexts::SwitchedColumnTitles}) {
            EXPECT_GT(Grid().ColumnWidth(col),
                      metrics.horizontalAdvance(QString::fromUtf8(titles[col].chinese)));
            EXPECT_GT(Grid().ColumnWidth(col),
                      metrics.horizontalAdvance(QString::fromUtf8(titles[col].english)));
        }
    }
}

TEST_F(ProgramViewDisplay, KnownChannelShowsItsEnglishTexts) {
    PutKnownChannel(m_Doc.Image(), 0);
    Open();
    EXPECT_EQ(RowTexts(Grid(), 1),
              QStringList({"145.12500", "145.12500", "67.0", "D023N", "Wide", "Yes", "High", "None",
                           "ON", "Carrier", "Forward", "3", "AB"}));
    EXPECT_EQ(Cell(2, 1), QString());
}

TEST_F(ProgramViewDisplay, KnownChannelShowsItsChineseTexts) {
    SetLanguage(true);
    PutKnownChannel(m_Doc.Image(), 127);
    Open();
    EXPECT_EQ(RowTexts(Grid(), 128),
              QStringList({"145.12500", "145.12500", "67.0", "D023N", "宽", "是", "高", "无", "开",
                           "载波", "正向", "3", "AB"}));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("频道"));
    EXPECT_EQ(Cell(0, 5), QStringLiteral(" 宽/窄"));
    EXPECT_EQ(Cell(0, 9), QStringLiteral("PTTID"));
    EXPECT_EQ(ListEntries(Editors().OptSignalCombo()), QStringList({"无", "MSK", "DTMF", "CCIR"}));
    EXPECT_EQ(ListEntries(Editors().PowerCombo()), QStringList({"低", "高"}));
}

TEST_F(ProgramViewDisplay, EveryDisplayRewritesEveryChannelCell) {
    PutKnownChannel(m_Doc.Image(), 3);
    Open();
    Grid().SetCellText(9, 13, QStringLiteral("LEFT"));
    m_Doc.OnNewDocument();
    m_View->OnInitialUpdate();
    EXPECT_EQ(Cell(4, 1), QString());
    EXPECT_EQ(Cell(9, 13), QString());
    EXPECT_EQ(Cell(4, 0), QStringLiteral("4"));
}

TEST_F(ProgramViewDisplay, TypeCodesAboveTheKnownOnesSelectTheOneType) {
    Open();
    for (const int code : {0x38, 0x3B, 0x40, 0xFF}) {
        m_Doc.Image()[ImageMap::RadioTypeCode] = static_cast<std::uint8_t>(code);
        m_View->DisplayImage();
        EXPECT_EQ(Bar().TypeList()->currentIndex(), 0) << code;
    }
}

TEST_F(ProgramViewDisplay, TypeCodesBelowOrBetweenLeaveTheTypeListUnselected) {
    Open();
    for (const int code : {0x00, 0x37, 0x39, 0x3A}) {
        Bar().TypeList()->setCurrentIndex(0);
        m_Doc.Image()[ImageMap::RadioTypeCode] = static_cast<std::uint8_t>(code);
        m_View->DisplayImage();
        EXPECT_EQ(Bar().TypeList()->currentIndex(), -1) << code;
    }
}

TEST_F(ProgramViewDisplay, ManualSettingFollowsBitSevenOf0x812) {
    Open();
    m_Doc.Image()[ImageMap::ManualSettingByte] = 0x44;
    m_View->DisplayImage();
    EXPECT_EQ(Bar().ManualList()->currentText(), QStringLiteral("Close"));
    m_Doc.Image()[ImageMap::ManualSettingByte] = 0x80;
    m_View->DisplayImage();
    EXPECT_EQ(Bar().ManualList()->currentText(), QStringLiteral("Open"));
}

TEST_F(ProgramViewDisplay, BandEdgesAreReadAsDecimalTextOfTheHexDigits) {
    m_Doc.Image()[0xFF0] = 0x13;
    m_Doc.Image()[0xFF1] = 0x17;
    m_Doc.Image()[0xFF2] = 0x64;
    Open();
    EXPECT_EQ(Bar().LowerBox()->text(), QStringLiteral("136"));
    EXPECT_EQ(Bar().UpperBox()->text(), QStringLiteral("174"));
}

TEST_F(ProgramViewDisplay, BandEdgeStopsAtTheFirstHexLetter) {
    m_Doc.Image()[0xFF0] = 0x4A;
    Open();
    EXPECT_EQ(Bar().LowerBandEdge(), 4u);
    EXPECT_EQ(Bar().LowerBox()->text(), QStringLiteral("4"));
}

TEST_F(ProgramViewDisplay, DisplayNeverChangesTheImage) {
    PutKnownChannel(m_Doc.Image(), 5);
    m_Doc.Image()[ImageMap::RadioTypeCode] = 0x30;
    const MemoryImage before = m_Doc.Image();
    Open();
    m_View->DisplayImage();
    EXPECT_EQ(m_Doc.Image(), before);
}

TEST_F(ProgramViewDisplay, TabVisitsTheFormControlsInOrder) {
    Open();
    const std::vector<QWidget*> order = {&Grid(), Bar().ManualList(), Bar().LowerBox(),
                                         Bar().UpperBox(), Bar().TypeList()};
    for (QWidget* expected : order) {
        Key(Qt::Key_Tab);
        EXPECT_EQ(Focus(), expected) << expected->objectName().toStdString();
    }
}

} // namespace
