// One intent, one channel: typing a value into the table, importing a row of
// our CSV or of CHIRP's, pasting a row and setting a value for the selected
// channels all leave the same bytes.
#include <QComboBox>
#include <QLineEdit>
#include <functional>

#include "editor/ChannelFixture.h"
#include "formats/ChannelCsv.h"
#include "formats/ChannelImport.h"
#include "formats/ChirpImport.h"
#include "image/BandLimits.h"

namespace {

class ChannelPaths : public ChannelFixture {
protected:
    // Types text into the cell as the user does: F2, the text over the old
    // one, Tab.
    void TypeInto(int row, int col, const QString& text) {
        Grid().SetCurrentCell(row, col);
        GridKey(Qt::Key_F2);
        if (auto* list = qobject_cast<QComboBox*>(Editor()); list && !list->isEditable()) {
            Type(text); // the list's own keyboard search
        } else {
            if (auto* line = LineEditor()) {
                line->selectAll();
            } else if (list) {
                list->lineEdit()->selectAll();
            }
            Type(text);
        }
        Key(Qt::Key_Tab);
    }
    // The image after change, which is then taken back by Undo.
    MemoryImage Through(const std::function<void()>& change) {
        const MemoryImage before = Saved();
        change();
        const MemoryImage after = Saved();
        m_Doc.undo();
        EXPECT_EQ(Saved(), before);
        return after;
    }
};

TEST_F(ChannelPaths, EveryPathGivesTheChannelThatTypingGives) {
    OpenWithFive(); // channels 1-5 hold data, as a commit writes it
    const struct {
        const char* intent;
        int row;
        int col;
        const char* typed;
        const char* ourCsv;
        const char* chirp; // nullptr: CHIRP cannot say it
        const char* pasted;
        const char* set; // nullptr: not a value the menu sets
    } cases[] = {
        {"a first Rx frequency", 8, ColRxFrequency, "446.00625", "8,446.00625,,,,,,,,,,,,\n",
         "Location,Frequency\n8,446.006250\n", "446.00625,,,,,,,,,,,,", nullptr},
        {"Low power on a channel in use", 2, ColPower, "L", "2,431.5,431.5,OFF,OFF,,,Low,,,,,,B\n",
         "Location,Name,Frequency,Power\n2,B,431.5,1W\n",
         "431.5,431.5,OFF,OFF,Wide,Yes,Low,DTMF,ON,Close,Forward,1,B", "Low"},
        {"a tone named numerically", 2, ColRxTone, "67",
         "2,431.50000,431.50000,67,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,B\n", nullptr,
         "431.5,431.5,67,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,B", "67.0"},
    };
    for (const auto& c : cases) {
        const MemoryImage base = Saved();
        const MemoryImage typed =
            Through([&] { TypeInto(c.row, c.col, QString::fromLatin1(c.typed)); });
        ASSERT_NE(typed, base) << c.intent;

        MemoryImage csv = base;
        EXPECT_TRUE(ChannelCsv::Import(c.ourCsv, csv, true).ok) << c.intent;
        EXPECT_EQ(csv, typed) << c.intent << ": our CSV";
        if (c.chirp) {
            MemoryImage chirp = base;
            ChannelImport::Apply(
                ChirpImport::Place(ChirpImport::Read(c.chirp, DecodeBandLimits(base)), {true, 1}),
                false, chirp);
            EXPECT_EQ(chirp, typed) << c.intent << ": CHIRP";
        }
        const MemoryImage pasted = Through([&] {
            QGuiApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
            ClickNumber(c.row);
            GridKey(Qt::Key_V, Qt::ControlModifier);
        });
        EXPECT_EQ(pasted, typed) << c.intent << ": paste";
        if (c.set) {
            const MemoryImage set = Through([&] {
                ClickNumber(c.row);
                Commands().SetForSelected(c.col, QString::fromLatin1(c.set));
            });
            EXPECT_EQ(set, typed) << c.intent << ": set for the selected channels";
        }
    }
    EXPECT_TRUE(m_Prompter.messages.isEmpty()) << m_Prompter.messages.join('\n').toStdString();
}

} // namespace
