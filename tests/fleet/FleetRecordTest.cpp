// Which files may be the record of a fleet: every refusal leaves the file as
// it was, and a record is kept in the language of its header.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "fleet/FleetRecord.h"
#include "support/ScratchDir.h"

namespace {

namespace fs = std::filesystem;

constexpr uid_t Nobody = 65534;
const std::string EnglishHeader = "date and time,port,ID,model,version,result,seconds";
const std::string ChineseHeader = "日期时间,串口,ID,机型,版本,结果,秒";

TEST(FleetRecordPath, ARecordIsTakenAndKeptInItsLanguageAnythingElseIsLeftAsItWas) {
    const struct {
        const char* name;
        const char* contents; // nullptr: no file
        std::optional<Lang> kept;
        const char* refusal; // part of the English reason
    } cases[] = {
        {"new.csv", nullptr, Lang::Chinese, ""},
        {"empty.csv", "", Lang::Chinese, ""},
        {"english.csv", "date and time,port,ID,model,version,result,seconds\r\nx\n",
         Lang::English, ""},
        {"chinese.csv", "\xEF\xBB\xBF日期时间,串口,ID,机型,版本,结果,秒\n", Lang::Chinese, ""},
        {"club.sin", nullptr, std::nullopt, "is a channel file"},
        {"club.SIN", "a,b\n", std::nullopt, "is a channel file"},
        {"input", "channels", std::nullopt, "is a channel file"},
        {"notes.csv", "name,frequency\n", std::nullopt, "is not a record"},
        {"folder", nullptr, std::nullopt, "not a file"},
        {"locked.csv", "date and time,port,ID,model,version,result,seconds\n", std::nullopt,
         "is read-only"},
        {"planted.csv", nullptr, std::nullopt, "symbolic link that another user made"},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        const std::string path = dir.File(c.name);
        const std::string input = dir.Write("input", "channels");
        const std::string victim = dir.Write("victim", "precious");
        if (c.contents) {
            dir.Write(c.name, c.contents);
        }
        if (std::string(c.name) == "folder") {
            fs::create_directory(path);
        } else if (std::string(c.name) == "locked.csv") {
            fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
        } else if (std::string(c.name) == "planted.csv") {
            if (::geteuid() != 0) {
                continue; // a link of another user takes root to make
            }
            ASSERT_EQ(::chmod(dir.Text().c_str(), 01777), 0);
            fs::create_symlink(victim, path);
            ASSERT_EQ(::lchown(path.c_str(), Nobody, 0), 0);
        }
        FleetText error;
        if (std::string(c.name) == "locked.csv" || std::string(c.name) == "planted.csv") {
            EXPECT_FALSE(FleetRecord::Append(path, FleetResult{}, Lang::English, error)) << c.name;
        }
        const std::optional<Lang> kept = FleetRecord::Prepare(path, Lang::Chinese, error, input);
        EXPECT_EQ(kept, c.kept) << c.name << ": " << error.english;
        EXPECT_EQ(ScratchDir::Read(victim), "precious");
        EXPECT_EQ(ScratchDir::Read(input), "channels");
        if (!c.kept) {
            EXPECT_NE(error.english.find(c.refusal), std::string::npos) << error.english;
            EXPECT_NE(error.chinese.find(c.name), std::string::npos) << error.chinese;
            if (c.contents) {
                EXPECT_EQ(ScratchDir::Read(path), c.contents) << c.name;
            } else if (std::string(c.name) != "folder" && std::string(c.name) != "planted.csv") {
                EXPECT_FALSE(fs::exists(path)) << c.name;
            }
            continue;
        }
        const std::string header = *kept == Lang::Chinese ? ChineseHeader : EnglishHeader;
        FleetResult result;
        result.port = "COM3";
        result.result = {"verified", "已校验"};
        ASSERT_TRUE(FleetRecord::Append(path, result, *kept, error)) << error.english;
        const std::string text = ScratchDir::Read(path);
        EXPECT_NE(text.find(header), std::string::npos) << c.name << '\n' << text;
        EXPECT_EQ(text.find(header), text.rfind(header)) << "one header";
        EXPECT_NE(text.find(*kept == Lang::Chinese ? ",已校验," : ",verified,"), std::string::npos)
            << text;
    }
}

TEST(FleetRecordPath, TheSystemsReasonIsInBothLanguages) {
    ScratchDir dir;
    FleetText error;
    EXPECT_FALSE(FleetRecord::Prepare(dir.File("missing/record.csv"), Lang::English, error));
    EXPECT_NE(error.english.find("No such file or directory"), std::string::npos) << error.english;
    EXPECT_EQ(error.chinese.find("No such file or directory"), std::string::npos) << error.chinese;
}

} // namespace
