// The channel table's model over a document: what an edit of one cell
// writes, the messages it gives, and that nothing else changes.
#include <QAccessible>
#include <QLineEdit>
#include <string>

#include "editor/ViewFixture.h"
#include "image/BandLimits.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "image/RawChannel.h"

namespace {

// Every byte outside channel n's own is as in before.
void OnlyChannelChanged(const MemoryImage& before, const MemoryImage& after, int n) {
    MemoryImage rest = after;
    WriteRawChannel(rest, n, ReadRawChannel(before, n));
    EXPECT_EQ(rest, before) << "a byte outside channel " << n + 1 << " changed";
}

// The model over a document with the band 136-174 MHz, without a window.
class ChannelTableModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetLanguage(false);
        MemoryImage image = ImageMap::NewDocumentImage();
        EncodeBandLimits(136, 174, image);
        m_Doc.newDocument(image);
        QObject::connect(&m_Model, &ChannelTableModel::EditRefused,
                         [this](const QString& message) { messages << message; });
    }
    void TearDown() override { SetLanguage(false); }
    static void SetLanguage(bool chinese) {
        bChinese = chinese ? 1 : 0;
        LanguageName() = chinese ? QStringLiteral("Chinese") : QStringLiteral("English");
    }

    bool Set(int row, int col, const QString& text, bool enter = false) {
        return m_Model.setData(m_Model.Cell(row, col), text,
                               enter ? ChannelTableModel::EnterRole : Qt::EditRole);
    }
    QString Cell(int row, int col) const { return m_Model.Text(row, col); }
    QStringList Row(int row, int first = 1, int last = 13) const {
        QStringList texts;
        for (int col = first; col <= last; ++col) {
            texts << Cell(row, col);
        }
        return texts;
    }

    ChannelDocument m_Doc;
    ChannelTableModel m_Model{m_Doc};
    QStringList messages; // what the form would show
};

// The model inside the form: the band boxes and what a screen reader hears.
class ChannelFormTest : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        OpenWithVhfBand();
    }
    bool Set(int row, int col, const QString& text) {
        return m_View->Model().setData(m_View->Model().Cell(row, col), text, Qt::EditRole);
    }
};

TEST_F(ChannelTableModelTest, AFirstFrequencyMakesANewChannelWithTheDefaultsOfItsWay) {
    struct Case {
        int col;
        bool enter;
        bool chinese;
        QStringList expected; // columns 1-13
    };
    const Case cases[] = {
        {1,
         false,
         false,
         {"145.50000", "145.50000", "OFF", "OFF", "Wide", "Yes", "High", "DTMF", "ON", "Close",
          "Forward", "1", ""}},
        {2,
         false,
         false,
         {"", "145.50000", "OFF", "OFF", "Wide", "Yes", "High", "DTMF", "ON", "Close", "Forward",
          "1", ""}},
        {1,
         false,
         true,
         {"145.50000", "145.50000", "OFF", "OFF", "宽", "是", "高", "DTMF", "开", "关闭", "正向",
          "1", ""}},
        // Enter goes on to the name itself and leaves it as it was.
        {1,
         true,
         false,
         {"145.50000", "145.50000", "OFF", "OFF", "Wide", "Yes", "High", "DTMF", "ON", "Close",
          "Forward", "1", "KEEP"}},
    };
    int row = 1;
    for (const Case& c : cases) {
        SetLanguage(c.chinese);
        Channel named = ReadChannel(m_Doc.image(), row - 1);
        named.name = "KEEP";
        m_Doc.apply(BiText{"Name", "Name"}, [&](MemoryImage& image) {
            WriteChannel(named, row - 1, image);
            return true;
        });
        const MemoryImage before = m_Doc.image();
        ASSERT_TRUE(Set(row, c.col, QStringLiteral("145.5"), c.enter));
        EXPECT_EQ(Row(row), c.expected) << "row " << row;
        OnlyChannelChanged(before, m_Doc.image(), row - 1);
        ++row;
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ChannelTableModelTest, ARefusedFrequencyShowsItsMessageAndChangesNothing) {
    struct Case {
        QString typed;
        bool enter;
        bool chinese;
        QString message;
    };
    const Case cases[] = {
        {"145.001", false, false,
         "Error data Value，Please input according the step value(6.25K/5k/2.5k)"},
        {"145.001", false, true, "输入数据错误，请按6.25K/5k/2.5k的倍数重新输入"},
        {"145.001", true, true, "输入数据错误，请按6.25K/5k/2.5K的倍数重新输入"},
        {"abc", false, false, "Error Data Format，Please input again"},
        {"521.00001", false, true, "输入数据错误，请按正确的格式及大小重新输入"},
        {"180", false, false, "Out Of Range"},
        {"180", false, true, "超出范围"},
    };
    for (const Case& c : cases) {
        SetLanguage(c.chinese);
        messages.clear();
        Set(1, 1, QStringLiteral("145"));
        Set(1, 2, QStringLiteral("146"));
        Set(1, 3, QStringLiteral("67.0"));
        const MemoryImage before = m_Doc.image();
        EXPECT_FALSE(Set(1, 1, c.typed, c.enter));
        EXPECT_EQ(messages, QStringList{c.message}) << c.typed.toStdString();
        EXPECT_EQ(m_Doc.image(), before) << c.typed.toStdString();
        // The refusal is the commit's value too, and no step is made.
        const int steps = m_Doc.stepCount();
        const ChannelTableModel::Outcome refused =
            m_Model.Commit(m_Model.Cell(1, 1), c.typed,
                           c.enter ? ChannelTableModel::CommitWay::Enter
                                   : ChannelTableModel::CommitWay::Leave);
        EXPECT_TRUE(refused.refused);
        EXPECT_FALSE(refused.changed);
        EXPECT_EQ(refused.message, c.message);
        EXPECT_EQ(m_Doc.stepCount(), steps);
    }
    const ChannelTableModel::Outcome taken =
        m_Model.Commit(m_Model.Cell(1, 1), QStringLiteral("146.5"), ChannelTableModel::CommitWay::Leave);
    EXPECT_FALSE(taken.refused);
    EXPECT_TRUE(taken.changed);
    EXPECT_TRUE(taken.message.isEmpty());
}

TEST_F(ChannelTableModelTest, RemovingTheLastFrequencyEmptiesTheRow) {
    Set(1, 1, QStringLiteral("145"));
    Set(1, 13, QStringLiteral("AB"));
    Set(1, 2, QString());
    EXPECT_EQ(Cell(1, 5), QStringLiteral("Wide")); // Rx still there
    Set(1, 1, QString());
    EXPECT_EQ(Row(1), QStringList(QList<QString>(13)));
}

TEST_F(ChannelTableModelTest, ListsNamesAndTonesOnARowWithoutFrequencyWriteNothing) {
    const MemoryImage before = m_Doc.image();
    EXPECT_FALSE(Set(7, 5, QStringLiteral("Narrow")));
    EXPECT_FALSE(Set(7, 13, QStringLiteral("AB")));
    EXPECT_FALSE(Set(7, 3, QStringLiteral("67.0")));
    EXPECT_EQ(m_Doc.image(), before);
    EXPECT_EQ(m_Doc.stepCount(), 0);
}

TEST_F(ChannelTableModelTest, EachEditIsOneNamedStepAndChangesOnlyItsChannel) {
    Set(3, 1, QStringLiteral("145"));
    const MemoryImage before = m_Doc.image();
    const int steps = m_Doc.stepCount();
    struct Case {
        int col;
        QString text;
    };
    const Case cases[] = {{3, "D023N"}, {5, "Narrow"}, {6, "No"},       {7, "Low"},
                          {8, "CCIR"},  {9, "OFF"},    {10, "Carrier"}, {11, "Reverse"},
                          {12, "OFF"},  {13, "AB-1"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(Set(3, c.col, c.text)) << c.col;
        EXPECT_EQ(Cell(3, c.col), c.text);
    }
    EXPECT_EQ(m_Doc.stepCount(), steps + static_cast<int>(std::size(cases)));
    EXPECT_EQ(m_Doc.undoName(Lang::English), QStringLiteral("Edit Channel 3"));
    EXPECT_EQ(m_Doc.undoName(Lang::Chinese), QStringLiteral("编辑频道3"));
    OnlyChannelChanged(before, m_Doc.image(), 2);
    EXPECT_EQ(m_Doc.image()[ImageMap::SlotAddress(2) + 12] >> 4, 0); // scrambler off is 0
}

TEST_F(ChannelFormTest, TheBandBoxesTakeWholeMHz67To521LowerNotAboveUpper) {
    m_View->commitPendingEdits(); // 136-174 MHz stored
    const struct {
        const char* lower;
        const char* upper;
        bool taken;
    } cases[] = {{"140", "170", true},    {"490", "480", false}, {"600", "60", false},
                 {"x1", "170", false},    {"66", "170", false},  {"67", "521", true},
                 {"", "521", false},      {"480", "480", true},  {"136", "522", false},
                 {"400.5", "480", false}, {"-1", "480", false},  {" 400 ", "480", true}};
    for (const auto& c : cases) {
        m_Prompter.messages.clear();
        const BandEdges before = DecodeBandLimits(m_Doc.image());
        Bar().LowerBox()->setText(QString::fromLatin1(c.lower));
        Bar().UpperBox()->setText(QString::fromLatin1(c.upper));
        m_View->commitPendingEdits();
        const BandEdges after = DecodeBandLimits(m_Doc.image());
        const BandEdges expected =
            c.taken ? BandEdges{unsigned(std::stoul(c.lower)), unsigned(std::stoul(c.upper))}
                    : before;
        EXPECT_EQ(after.lower, expected.lower) << c.lower << "-" << c.upper;
        EXPECT_EQ(after.upper, expected.upper) << c.lower << "-" << c.upper;
        EXPECT_EQ(m_Prompter.messages.size(), c.taken ? 0 : 1) << c.lower << "-" << c.upper;
        // The boxes never show other edges than the stored ones.
        EXPECT_EQ(Bar().LowerBox()->text(), QString::number(after.lower));
        EXPECT_EQ(Bar().UpperBox()->text(), QString::number(after.upper));
    }
}

TEST_F(ChannelTableModelTest, TheLanguageChangesTextsAndTitlesButNoByte) {
    Set(1, 1, QStringLiteral("145"));
    const MemoryImage before = m_Doc.image();
    const QStringList english = Row(1);
    const QString title = m_Model.headerData(0, Qt::Horizontal).toString();
    SetLanguage(true);
    m_Model.Relabel();
    EXPECT_EQ(Row(1, 5, 7), QStringList({"宽", "是", "高"}));
    EXPECT_EQ(m_Model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("接收频率"));
    SetLanguage(false);
    m_Model.Relabel();
    EXPECT_EQ(Row(1), english);
    EXPECT_EQ(m_Model.headerData(0, Qt::Horizontal).toString(), title);
    EXPECT_EQ(m_Doc.image(), before);
}

TEST_F(ChannelFormTest, FrequenciesOutsideTheBandEdgesAreMarkedUntilTheEdgesCoverThem) {
    m_View->commitPendingEdits(); // the edges 136-174 MHz into the image
    ASSERT_TRUE(Set(1, ColRxFrequency, QStringLiteral("150")));
    ASSERT_TRUE(Set(2, ColRxFrequency, QStringLiteral("170")));
    const QModelIndex inside = m_View->Model().Cell(1, ColRxFrequency);
    const QModelIndex outside = m_View->Model().Cell(2, ColTxFrequency);
    EXPECT_FALSE(m_View->Model().data(outside, Qt::BackgroundRole).isValid());
    // The edges narrowed after the channels were set: 136-160 MHz.
    Bar().UpperBox()->setText(QStringLiteral("160"));
    m_View->commitPendingEdits();
    EXPECT_FALSE(m_View->Model().data(inside, Qt::BackgroundRole).isValid());
    EXPECT_TRUE(m_View->Model().data(outside, Qt::BackgroundRole).isValid());
    EXPECT_EQ(m_View->Model().data(outside, Qt::ToolTipRole).toString(),
              QStringLiteral("Outside the band edges 136-160 MHz"));
    EXPECT_FALSE(
        m_View->Model().data(m_View->Model().Cell(2, ColName), Qt::BackgroundRole).isValid());

    // A screen reader hears the mark as the cell's description, and the
    // column titles without the blanks they have on screen.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(m_View->Grid());
    ASSERT_TRUE(table && table->tableInterface());
    const auto described = [&](const QModelIndex& cell) {
        return table->tableInterface()
            ->cellAt(cell.row(), cell.column())
            ->text(QAccessible::Description);
    };
    EXPECT_EQ(described(outside), QStringLiteral("Outside the band edges 136-160 MHz"));
    EXPECT_TRUE(described(inside).isEmpty());
    QStringList heard;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* child = table->child(i);
        if (child->role() == QAccessible::ColumnHeader) {
            heard << child->text(QAccessible::Name);
        }
    }
    EXPECT_TRUE(heard.contains(QStringLiteral("W/N"))) << heard.join('|').toStdString();
    EXPECT_FALSE(heard.contains(QStringLiteral(" W/N ")));
}

} // namespace
