#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "image/ImageMap.h"

namespace {

struct CliRun {
    int exitCode;
    std::string out;
};

// Runs orinctl with its error output thrown away.
CliRun Orinctl(const std::string& args) {
    const std::string command = std::string(ORINCTL_PATH) + " " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    CliRun run{-1, {}};
    if (pipe == nullptr) {
        return run;
    }
    char buffer[512];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class CmdSettings : public ::testing::Test {
protected:
    std::filesystem::path m_Dir;

    void SetUp() override {
        m_Dir = std::filesystem::temp_directory_path() /
                ("orin-settings-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_Dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_Dir); }

    std::string Write(const std::string& name, const std::uint8_t* bytes, std::size_t size) {
        const auto path = m_Dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
        return path.string();
    }
};

TEST_F(CmdSettings, PrintsOneLabelValueLinePerControl) {
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x81E] = 0xA9;
    image[0x820] = '7';
    const CliRun run = Orinctl("settings " + Write("a.sin", image.data(), image.size()));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Time-out Timer=OFF\nSquelch Level=5\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\nGroup ID=7\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nSide Key2 Short Press=FM\nSide Key2 Long Press=Call\n"),
              std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 30);
}

TEST_F(CmdSettings, OnlyAFileOfExactly4096BytesIsRead) {
    MemoryImage image = ImageMap::NewDocumentImage();
    EXPECT_EQ(Orinctl("settings " + Write("short.sin", image.data(), 4095)).exitCode, 1);

    std::vector<std::uint8_t> longer(image.data(), image.data() + image.size());
    longer.resize(5000, 0x00);
    const CliRun run = Orinctl("settings " + Write("long.sin", longer.data(), longer.size()));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Orinctl("settings " + Write("exact.sin", image.data(), 4096)).exitCode, 0);
}

TEST_F(CmdSettings, MissingOrExtraArgumentsAreUsageErrors) {
    EXPECT_EQ(Orinctl("settings").exitCode, 2);
    EXPECT_EQ(Orinctl("settings a.sin b.sin").exitCode, 2);
    EXPECT_EQ(Orinctl("settings --lang zh a.sin").exitCode, 2);
    EXPECT_EQ(Orinctl("settings " + (m_Dir / "none.sin").string()).exitCode, 1);
}

} // namespace
