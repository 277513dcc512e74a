// The fleet dialog driven as a user drives it: two cables at once (one radio
// stores a wrong byte), then one cable with Enter for the next radio; a first
// ID the box cannot hold is refused before any radio is touched.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <map>
#include <sstream>

#include "fleet/FleetDialog.h"
#include "image/ImageMap.h"
#include "link/InMemoryLink.h"
#include "link/SimulatedRadio.h"
#include "settings/IdField.h"
#include "support/RecordingPrompter.h"
#include "support/ScratchDir.h"

namespace {

class FleetDialogTest : public ::testing::Test {
protected:
    FleetDialogTest() {
        SimulatedRadioOptions corrupt;
        corrupt.corruptWriteBlock = 4;
        m_Radios["A"] = std::make_unique<SimulatedRadio>();
        m_Radios["B"] = std::make_unique<SimulatedRadio>(SimulatedRadio::DemoMemory(), corrupt);
        m_Dialog = std::make_unique<FleetDialog>(
            m_Image, QString::fromStdString(m_Dir.File("club-fleet.csv")),
            std::vector<FleetDialog::Port>{{"A", "Cable A", true}, {"B", "Cable B", true}},
            [this](const std::string& port) {
                auto link = std::make_unique<InMemoryLink>(InMemoryLink::Over(*m_Radios.at(port)),
                                                           [](double) {});
                link->SetOpenFailure(m_OpenFailure);
                return link;
            },
            nullptr);
        m_Dialog->SetSleep([](int) {});
        m_Dialog->show();
    }
    bool RunFinished(const std::function<void()>& start) {
        QSignalSpy finished(m_Dialog.get(), &FleetDialog::runFinished);
        start();
        return finished.wait(20000);
    }
    QString Cell(int row, int column) const {
        const QTableWidgetItem* item = m_Dialog->Table()->item(row, column);
        return item ? item->text() : QString();
    }
    QLineEdit* FirstId() const { return m_Dialog->findChildren<QLineEdit*>().front(); }

    ScratchDir m_Dir;
    std::string m_OpenFailure;
    RecordingPrompter m_Prompter;
    MemoryImage m_Image = ImageMap::NewDocumentImage();
    std::map<std::string, std::unique_ptr<SimulatedRadio>> m_Radios;
    std::unique_ptr<FleetDialog> m_Dialog;
};

TEST_F(FleetDialogTest, TwoCablesAtOnceThenRadioAfterRadioWithEnter) {
    ASSERT_TRUE(RunFinished([&] { m_Dialog->StartButton()->click(); }));
    ASSERT_EQ(m_Dialog->Table()->rowCount(), 2);
    EXPECT_EQ(Cell(0, 1), "1001");
    EXPECT_EQ(Cell(0, 3), "verified");
    EXPECT_EQ(Cell(0, 4), "T426");
    EXPECT_EQ(Cell(1, 1), "1002");
    EXPECT_TRUE(Cell(1, 3).startsWith("failed: not verified")) << Cell(1, 3).toStdString();
    EXPECT_EQ(IdField::DecodeId(m_Radios["A"]->Memory(), SettingsMap::OwnId), "1001");
    EXPECT_EQ(m_Dialog->StatusText(),
              "1 of 2 radios verified. Connect the next radios and press Start.");
    EXPECT_EQ(FirstId()->text(), "1003");
    // The ID of the radio not verified is given again first, and a screen
    // reader hears the line as it reads now.
    const QString next = "The next 2 radios get IDs 1002, 1003; first those of radios not verified.";
    QLabel* nextLine = nullptr;
    for (QLabel* label : m_Dialog->findChildren<QLabel*>()) {
        nextLine = label->accessibleName() == "IDs the next radios get" ? label : nextLine;
    }
    ASSERT_TRUE(nextLine);
    EXPECT_EQ(nextLine->text(), next);
    EXPECT_EQ(nextLine->accessibleDescription(), next);
    EXPECT_EQ(m_Dialog->Numbering().Take(2).ids, (std::vector<std::string>{"1002", "1003"}));

    // One cable: B is unticked, Enter writes the next radio.
    auto* ports = m_Dialog->findChild<QListWidget*>();
    ports->item(1)->setCheckState(Qt::Unchecked);
    ASSERT_TRUE(RunFinished([&] { QTest::keyClick(m_Dialog->StartButton(), Qt::Key_Return); }));
    EXPECT_EQ(Cell(2, 1), "1002");
    EXPECT_EQ(m_Dialog->StatusText(),
              "Radio 3 done: ID 1002, verified. Connect the next radio and press Start.");
    EXPECT_EQ(IdField::DecodeId(m_Radios["A"]->Memory(), SettingsMap::OwnId), "1002");
    EXPECT_EQ(FirstId()->text(), "1003");

    // The record: a header and a line per radio, as the table shows them.
    std::istringstream record(ScratchDir::Read(m_Dir.File("club-fleet.csv")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(record, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[3].find(",A,1002,T426,37,verified,"), std::string::npos) << lines[3];
    // The document's image never got an ID.
    EXPECT_EQ(IdField::DecodeId(m_Image, SettingsMap::OwnId), "");
    EXPECT_TRUE(m_Prompter.messages.isEmpty());
}

TEST_F(FleetDialogTest, ALoneRadioThatFailedIsToldInOneSentence) {
    // The system's reason runs over two lines and ends in a full stop.
    m_OpenFailure = "A: busy\nAnother program holds the port; close it and try again.";
    m_Dialog->findChild<QListWidget*>()->item(1)->setCheckState(Qt::Unchecked);
    ASSERT_TRUE(RunFinished([&] { m_Dialog->StartButton()->click(); }));
    const QString reason = "Could not Open the Port,Please check whether the Port are occupied or "
                           "the device are ok (A: busy. Another program holds the port; close it "
                           "and try again)";
    EXPECT_EQ(m_Dialog->StatusText(),
              "Radio 1 failed: " + reason + ". Press Start to write it again with ID 1001.");
    EXPECT_EQ(Cell(0, 3), "failed: " + reason); // as the record and orinctl say it
}

TEST_F(FleetDialogTest, AnIdTheBoxCannotHoldIsRefusedBeforeAnyRadio) {
    FirstId()->setText("99999999");
    m_Dialog->StartButton()->click();
    ASSERT_EQ(m_Prompter.messages.size(), 1);
    EXPECT_TRUE(m_Prompter.messages.front().contains("99999999"));
    EXPECT_EQ(m_Dialog->Table()->rowCount(), 0);
    EXPECT_FALSE(m_Dialog->IsRunning());
    EXPECT_EQ(m_Radios["A"]->WakeUps(), 0);
}

} // namespace
