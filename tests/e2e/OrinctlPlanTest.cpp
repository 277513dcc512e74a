#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/OrinctlRun.h"
#include "image/BandLimits.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "plans/ChannelPlans.h"
#include "support/ScratchDir.h"

namespace {

std::string Bytes(const MemoryImage& image) {
    return std::string(reinterpret_cast<const char*>(image.data()), image.size());
}

// A new document whose channels from 121 on hold a name, and whose band is
// lower..upper MHz.
std::string ImageFile(unsigned lower, unsigned upper) {
    MemoryImage image = ImageMap::NewDocumentImage();
    EncodeBandLimits(lower, upper, image);
    Channel named = ReadChannel(EmptyRawChannel());
    named.name = "FULL";
    for (int n = 120; n < ImageMap::ChannelCount; ++n) {
        WriteChannel(named, n, image);
    }
    return Bytes(image);
}

} // namespace

TEST(OrinctlPlan, EveryChannelOfEveryPlanRoundTripsToTheDigit) {
    ScratchDir dir;
    for (const ChannelPlan& plan : AllPlans()) {
        if (plan.IsBand()) {
            continue;
        }
        const std::string file = std::string(plan.key) + ".sin";
        const CliRun insert = Orinctl(dir, {"plan", plan.key, "-o", file, "--at", "3"});
        ASSERT_EQ(insert.exitCode, 0) << insert.err;
        const std::vector<std::string> dump = Lines(Orinctl(dir, {"dump", file}).out);
        const std::vector<PlanChannel> channels = PlanChannels(plan);
        ASSERT_GT(dump.size(), channels.size() + 3);
        EXPECT_EQ(dump[2], "2,,,,,,,,,,,,,");
        for (const PlanChannel& c : channels) {
            const std::string mhz = FrequencyText(c.frequency);
            const std::string& line = dump[static_cast<std::size_t>(c.number) + 2];
            EXPECT_EQ(line.substr(0, line.find(",OFF")),
                      std::to_string(c.number + 2) + "," + mhz + "," + mhz);
            EXPECT_EQ(line.substr(line.rfind(',') + 1), plan.namePrefix + std::to_string(c.number));
        }
        const CliRun check = Orinctl(dir, {"check", "--licence", plan.key, file});
        EXPECT_EQ(check.exitCode, 0) << check.out;
        EXPECT_EQ(check.out,
                  "No channel would transmit outside " + std::string(plan.name.english) + ".\n");
    }
}

TEST(OrinctlCheck, ListsWhatFallsOutsideAndExitsWithOne) {
    ScratchDir dir;
    dir.Write("in.csv",
              "2,435.5,,OFF,OFF,Wide,Yes,High,MSK,OFF,Close,Forward,OFF,\n"
              "5,446.1,446.1,OFF,OFF,Narrow,Yes,Low,MSK,OFF,Close,Forward,OFF,\n"
              "9,446.00625,446.00625,OFF,OFF,Wide,Yes,Low,MSK,OFF,Close,Forward,OFF,\n"
              "12,446.01875,446.01875,OFF,OFF,Narrow,Yes,High,MSK,OFF,Close,Forward,OFF,\n");
    ASSERT_EQ(Orinctl(dir, {"import", "in.csv", "-o", "club.sin"}).exitCode, 0);
    const CliRun text = Orinctl(dir, {"check", "--licence", "pmr446", "club.sin"});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.out, "CH 5: Tx 446.10000 MHz is not a channel of PMR446\n"
                        "CH 9: Wide; PMR446 allows only narrow\n"
                        "CH 12: note: High power; PMR446 allows at most 0.5 W\n"
                        "2 channels would transmit outside PMR446: 5, 9.\n");
    const CliRun csv = Orinctl(
        dir, {"check", "--licence", "pmr446", "club.sin", "--format", "csv", "--lang", "zh"});
    EXPECT_EQ(csv.exitCode, 1);
    EXPECT_EQ(Lines(csv.out).size(), 4u);
    EXPECT_EQ(Lines(csv.out)[2], "9,错误,宽带；PMR446只允许窄带");
    // The same channels under the US 70 cm amateur licence all pass; under the
    // 430-440 MHz one, 446 MHz does not.
    EXPECT_EQ(Orinctl(dir, {"check", "--licence", "ham-70cm-us", "club.sin"}).exitCode, 0);
    EXPECT_EQ(Orinctl(dir, {"check", "--licence", "ham-70cm", "club.sin"}).exitCode, 1);
}

TEST(OrinctlPlan, BadInputGivesAClearMessageAndWritesNothing) {
    ScratchDir dir;
    dir.Write("vhf.sin", ImageFile(136, 174));
    dir.Write("full.sin", ImageFile(400, 480));
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"plan", "pmr", "-o", "out.sin"}, 2, "unknown plan pmr; the plans are pmr446, frs,"},
        {{"plan", "pmr446", "-o", "out.sin", "--at", "0"}, 2, "--at takes a channel 1-128, not 0"},
        {{"plan", "pmr446", "-o", "out.sin", "--at", "129"}, 2, "not 129"},
        {{"plan", "ham-70cm", "-o", "out.sin"}, 2, "ham-70cm is a band"},
        {{"plan", "frs", "--base", "vhf.sin", "-o", "out.sin"},
         1,
         "FRS needs 462.55-467.7125 MHz, outside the band edges 136-174 MHz"},
        {{"plan", "pmr446", "--base", "full.sin", "-o", "out.sin", "--at", "115"},
         1,
         "Only 6 of the 16 channels of PMR446 fit into the empty channels from channel 115 on."},
        {{"plan", "pmr446", "--base", "full.sin", "-o", "out.sin", "--at", "121"},
         1,
         "No channel from channel 121 on is empty"},
        {{"check", "--licence", "pmr", "full.sin"}, 2, "unknown licence pmr; the keys are pmr446"},
        {{"check", "--licence", "frs", "missing.sin"}, 2, "missing.sin"},
        {{"check", "full.sin"}, 2, "missing --licence KEY"},
    };
    for (const auto& c : cases) {
        const CliRun run = Orinctl(dir, c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.sin")));
}

TEST(OrinctlPlan, TheListNamesEveryPlanWithItsSource) {
    ScratchDir dir;
    const CliRun run = Orinctl(dir, {"plan", "--list"});
    EXPECT_EQ(run.exitCode, 0);
    for (const ChannelPlan& plan : AllPlans()) {
        EXPECT_NE(run.out.find(std::string(plan.key) + ": " + plan.title.english + "\n    " +
                               PlanSummary(plan, Lang::English) +
                               "\n    source: " + plan.source.english),
                  std::string::npos)
            << plan.key;
    }
    EXPECT_NE(Orinctl(dir, {"plan", "--list", "--lang", "zh"}).out.find("依据："),
              std::string::npos);
}
