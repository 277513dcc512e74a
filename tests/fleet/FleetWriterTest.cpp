// Several simulated radios written at once, each on its own thread with a
// virtual clock: one stores a wrong byte, one never answers, the others are
// verified with their own IDs; and the record keeps every line.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <thread>

#include "fleet/FleetWriter.h"
#include "image/ImageMap.h"
#include "link/InMemoryLink.h"
#include "link/SimulatedRadio.h"
#include "settings/IdField.h"
#include "support/ScratchDir.h"

namespace {

class FleetWriterTest : public ::testing::Test {
protected:
    FleetWriter MakeWriter(FleetNumbering::Field field, bool bVerify) {
        FleetOptions options;
        options.field = field;
        options.bVerify = bVerify;
        options.sleep = [](int) {};
        return FleetWriter(m_Image, options, [this](const std::string& port) {
            return std::make_unique<InMemoryLink>(InMemoryLink::Over(*m_Radios.at(port)),
                                                  [](double) {});
        });
    }
    void AddRadio(const std::string& port, SimulatedRadioOptions options = {}) {
        m_Radios[port] = std::make_unique<SimulatedRadio>(SimulatedRadio::DemoMemory(), options);
    }

    MemoryImage m_Image = ImageMap::NewDocumentImage();
    std::map<std::string, std::unique_ptr<SimulatedRadio>> m_Radios;
};

TEST_F(FleetWriterTest, AFaultyRadioFailsAloneWithItsReasonAndTheOthersAreVerified) {
    SimulatedRadioOptions corrupt;
    corrupt.corruptWriteBlock = 4;
    SimulatedRadioOptions silent;
    silent.bNeverAnswer = true;
    AddRadio("A");
    AddRadio("B", corrupt);
    AddRadio("C", silent);
    AddRadio("D");
    FleetWriter writer = MakeWriter(FleetNumbering::Field::Id, true);
    const std::vector<FleetRadio> radios = {
        {"A", "1001"}, {"B", "1002"}, {"C", "1003"}, {"D", "1004"}};
    std::map<std::size_t, FleetResult> results;
    writer.Run(radios, {}, [&](std::size_t i, const FleetResult& r) { results[i] = r; });

    ASSERT_EQ(results.size(), 4u);
    for (std::size_t i : {0u, 3u}) {
        EXPECT_TRUE(results[i].bOk) << results[i].result.english;
        EXPECT_EQ(results[i].result.english, "verified");
        EXPECT_EQ(results[i].model, "T426");
        EXPECT_EQ(results[i].version, "37");
        EXPECT_EQ(IdField::DecodeId(m_Radios[radios[i].port]->Memory(), SettingsMap::OwnId),
                  radios[i].id);
    }
    EXPECT_FALSE(results[1].bOk);
    EXPECT_EQ(results[1].result.english,
              "failed: not verified, 1 other byte range differs; bytes 0x0020: FF -> FE");
    EXPECT_EQ(results[1].result.chinese.rfind("失败：校验不符", 0), 0u);
    EXPECT_FALSE(results[2].bOk);
    EXPECT_EQ(results[2].result.english, "failed: Synchronization Error");
    EXPECT_EQ(results[2].model, "");
    EXPECT_EQ(results[2].id, "1003");
    // The document's own image never gets an ID.
    EXPECT_EQ(IdField::DecodeId(m_Image, SettingsMap::OwnId), "");
}

TEST_F(FleetWriterTest, CancelStopsTheRadioMidWriteAndRecordsItIncomplete) {
    AddRadio("A");
    FleetWriter writer = MakeWriter(FleetNumbering::Field::CallId, false);
    int last = 0;
    const FleetResult result = writer.WriteOne({"A", "7"}, 0, [&](std::size_t, int done, int) {
        last = done;
        if (done == 100) {
            writer.Cancel();
        }
    });
    EXPECT_FALSE(result.bOk);
    EXPECT_EQ(result.result.english, "incomplete: write it again");
    EXPECT_EQ(last, 100);
    EXPECT_EQ(m_Radios["A"]->CompletedWrites(), 0);
}

TEST(FleetRecordFile, TwoWritersAppendingAtOnceKeepEveryWholeLineUnderOneHeader) {
    ScratchDir dir;
    const std::string path = dir.File("club-fleet.csv");
    constexpr int PerWriter = 300;
    auto append = [&](const std::string& port) {
        for (int n = 0; n < PerWriter; ++n) {
            FleetResult r{"2026-12-08 09:00:00",
                          port,
                          std::to_string(n),
                          "T426",
                          "37",
                          true,
                          {"verified", "已校验"},
                          12.3,
                          {}};
            FleetText error;
            ASSERT_TRUE(FleetRecord::Append(path, r, Lang::English, error)) << error.english;
        }
    };
    std::thread first(append, "COM3");
    append("COM4");
    first.join();

    std::istringstream lines(ScratchDir::Read(path));
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "date and time,port,ID,model,version,result,seconds");
    std::map<std::string, int> perPort;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line.rfind("2026-12-08 09:00:00,COM", 0), 0u) << line;
        ASSERT_TRUE(line.ends_with(",T426,37,verified,12.3")) << line;
        ++perPort[line.substr(20, 4)];
    }
    EXPECT_EQ(perPort["COM3"], PerWriter);
    EXPECT_EQ(perPort["COM4"], PerWriter);
    EXPECT_EQ(FleetRecord::BesideDocument("/home/a/club.v2.sin"), "/home/a/club.v2-fleet.csv");
    EXPECT_EQ(FleetRecord::BesideDocument("/home/a.b/club"), "/home/a.b/club-fleet.csv");
}

} // namespace
