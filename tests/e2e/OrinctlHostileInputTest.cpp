// orinctl given what a careless user or an attacker might give it: pipes,
// devices and folders for files, huge input, links planted in the output's
// folder. Each ends at once with a clear message and damages nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

#include "e2e/OrinctlRun.h"
#include "image/ImageMap.h"
#include "link/SimulatedRadio.h"
#include "support/ScratchDir.h"

namespace fs = std::filesystem;

namespace {

const std::string kRow = "1,430.5,430.5,67.0,D023N,Wide,Yes,High,DTMF,ON,Close,Forward,1,A\n";

std::string NewImageBytes() {
    const MemoryImage image = ImageMap::NewDocumentImage();
    return std::string(reinterpret_cast<const char*>(image.data()), image.size());
}

TEST(OrinctlHostileInput, PipeInPlaceOfAnInputFileIsRefusedAtOnce) {
    ScratchDir dir;
    ASSERT_EQ(::mkfifo(dir.File("f.sin").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(dir.File("f.csv").c_str(), 0600), 0);
    // Each of these used to wait for a writer for ever.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"dump", "f.sin"},
          {"settings", "f.sin"},
          {"import", "f.csv", "-o", "out.sin"},
          {"import", "in.csv", "--base", "f.sin", "-o", "out.sin"}}) {
        dir.Write("in.csv", kRow);
        const CliRun run = Orinctl(dir, args);
        EXPECT_EQ(run.exitCode, 1) << args[0] << ": " << run.err;
        EXPECT_NE(run.err.find("a device or a pipe"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(dir.File("out.sin")));
}

TEST(OrinctlHostileInput, DeviceOrFolderAsCsvIsRefusedAndTheOutputKept) {
    ScratchDir dir;
    fs::create_directory(dir.Path() / "d");
    const std::string existing(4096, '\x5A');
    dir.Write("existing.sin", existing);
    // /dev/zero used to be read until memory ran out; a folder was taken as
    // an empty CSV and replaced the output with a blank document.
    for (const char* csv : {"/dev/zero", "d"}) {
        const CliRun run = Orinctl(dir, {"import", csv, "-o", "existing.sin"});
        EXPECT_EQ(run.exitCode, 1) << csv;
        EXPECT_NE(run.err.find("is a folder, a device or a pipe"), std::string::npos) << run.err;
        EXPECT_EQ(ScratchDir::Read(dir.File("existing.sin")), existing);
    }
}

TEST(OrinctlHostileInput, CsvOfSeveralMegabytesIsRefused) {
    ScratchDir dir;
    std::string huge = "CH,Rx Frequency\n";
    while (huge.size() <= (4u << 20)) {
        huge += std::string(1000, ' ') + "\n";
    }
    dir.Write("huge.csv", huge);
    const CliRun run = Orinctl(dir, {"import", "huge.csv", "-o", "out.sin"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("larger than 4 MB"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir.File("out.sin")));
}

TEST(OrinctlHostileInput, InputsThatUsedToPassSilentlyEndWithTheirMessage) {
    ScratchDir dir;
    dir.Write("big.sin", std::string(1000000, '\x5A'));
    dir.Write("empty.csv", "");
    dir.Write("bom.csv", "\xEF\xBB\xBF");
    dir.Write("blank.csv", "\n\r\n  \n");
    dir.Write("header.csv", "Location,Frequency\n");
    dir.Write("twice.csv", "Location,Name,Frequency,Name\n1,A,146.52,B\n");
    dir.Write("utf32.csv", std::string("\xFF\xFE\0\0", 4));
    const struct {
        std::vector<std::string> args;
        std::string says;
    } cases[] = {
        {{"dump", "big.sin"}, "holds 1000000 bytes, but a channel data file holds exactly 4096"},
        {{"settings", "big.sin"}, "holds 1000000 bytes"},
        {{"import", "empty.csv", "-o", "out.sin"}, "no rows"},
        {{"import", "bom.csv", "-o", "out.sin"}, "no rows"},
        {{"import", "blank.csv", "-o", "out.sin"}, "no rows"},
        {{"import", "header.csv", "-o", "out.sin"}, "no rows"},
        {{"import", "twice.csv", "-o", "out.sin"}, "more than once: Name"},
        {{"import", "utf32.csv", "-o", "out.sin"}, "UTF-32"},
        {{"dump", "no-such.sin"}, "No such file or directory"},
    };
    for (const auto& c : cases) {
        const CliRun run = Orinctl(dir, c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args[1] << ": " << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(dir.File("out.sin")));
    }
}

TEST(OrinctlHostileInput, SlipsOnTheCommandLineAreNamedAndDashesEndTheOptions) {
    ScratchDir dir;
    dir.Write("a.sin", std::string(4096, '\xFF'));
    dir.Write("-b.sin", std::string(4095, '\xFF') + '\x00');
    dir.Write("short.sin", std::string(100, '\xFF'));
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string says; // on stderr, or on stdout when the command succeeds
    } cases[] = {
        // Before any radio is looked for: the port does not even exist.
        {{"read", "--port", "/dev/no-such-port", "-o", ""}, 2, "option -o needs a value"},
        {{"read", "--port", "/dev/no-such-port", "--base=", "-o", "x.sin"},
         2,
         "option --base needs a value"},
        {{"diff", "--", "a.sin", "-b.sin"}, 1, "bytes 0x0FFF: FF -> 00"},
        {{"dump", "short.sin"}, 1, "holds 100 bytes, but a channel data file holds exactly 4096"},
    };
    for (const auto& c : cases) {
        const CliRun run = Orinctl(dir, c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args[0] << ": " << run.err;
        EXPECT_NE((c.exitCode == 1 && c.args[0] == "diff" ? run.out : run.err).find(c.says),
                  std::string::npos)
            << run.out << run.err;
    }
    // An output that cannot take the differences says so, as dump does.
    const CliRun full = Orinctl(dir, {"diff", "a.sin", "./-b.sin"}, {}, "/dev/full");
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_NE(full.err.find("orinctl diff: cannot write to standard output"), std::string::npos)
        << full.err;
}

TEST(OrinctlHostileInput, Utf16CsvIsReadAndUnstorableNamesAreNamed) {
    ScratchDir dir;
    std::string utf16 = "\xFF\xFE";
    for (char c : kRow) {
        utf16 += {c, '\0'};
    }
    dir.Write("u16.csv", utf16);
    CliRun run = Orinctl(dir, {"import", "u16.csv", "-o", "out.sin"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = Orinctl(dir, {"dump", "out.sin"});
    EXPECT_NE(run.out.find("\n1,430.50000,430.50000,67.0,D023N,Wide"), std::string::npos)
        << run.out.substr(0, 300);

    dir.Write("names.csv", "1,430.5,430.5,67.0,D023N,Wide,Yes,High,DTMF,ON,Close,Forward,1,ab!\n");
    run = Orinctl(dir, {"import", "names.csv", "-o", "out.sin", "--no-check"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("names.csv:1: Name: \"ab!\" holds a character"), std::string::npos)
        << run.err;
    run = Orinctl(dir, {"settings", "out.sin"}, {}, "/dev/full");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot write to standard output"), std::string::npos) << run.err;
}

TEST(OrinctlRoundTrip, DumpImportedOverItsBaseLeavesEveryByte) {
    ScratchDir dir;
    const MemoryImage demo = SimulatedRadio::DemoMemory();
    MemoryImage scramblerZero = demo;
    scramblerZero[ImageMap::SlotAddress(3) + ImageMap::Slot::SignalByte] &= 0x0F;
    for (const MemoryImage& image : {demo, MemoryImage{}, scramblerZero}) {
        const std::string bytes(reinterpret_cast<const char*>(image.data()), image.size());
        dir.Write("mine.sin", bytes);
        for (const char* lang : {"en", "zh"}) {
            const CliRun dump = Orinctl(dir, {"dump", "mine.sin", "--lang", lang});
            ASSERT_EQ(dump.exitCode, 0) << dump.err;
            dir.Write("l.csv", dump.out);
            const CliRun run =
                Orinctl(dir, {"import", "l.csv", "--base", "mine.sin", "-o", "out.sin"});
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(ScratchDir::Read(dir.File("out.sin")), bytes);
        }
    }
}

TEST(OrinctlHostileInput, DumpOfAFolderDoesNotTalkOfBytes) {
    ScratchDir dir;
    fs::create_directory(dir.Path() / "d");
    const CliRun run = Orinctl(dir, {"dump", "d"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.find("bytes"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("a folder"), std::string::npos) << run.err;
}

TEST(OrinctlHostileInput, LinkPlantedAtTheTemporaryNameLeavesItsTargetAlone) {
    ScratchDir dir;
    const std::string victim = dir.Write("victim.txt", "mine");
    fs::permissions(victim, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(victim, dir.File("radio.sin.saving"));
    const CliRun run = Orinctl(dir, {"new", "-o", "radio.sin"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ScratchDir::Read(victim), "mine");
    EXPECT_EQ(fs::status(victim).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ScratchDir::Read(dir.File("radio.sin")), NewImageBytes());
}

TEST(OrinctlHostileInput, OutputThroughALinkReachesItsTargetAndAPipeIsNotReplaced) {
    ScratchDir dir;
    dir.Write("real.sin", "old");
    fs::create_symlink("real.sin", dir.File("link.sin"));
    CliRun run = Orinctl(dir, {"new", "-o", "link.sin"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(dir.File("link.sin")));
    EXPECT_EQ(ScratchDir::Read(dir.File("real.sin")), NewImageBytes());

    ASSERT_EQ(::mkfifo(dir.File("pipe.sin").c_str(), 0600), 0);
    run = Orinctl(dir, {"new", "-o", "pipe.sin"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe.sin")));
}

TEST(OrinctlHostileInput, ReadChecksItsOutputBeforeTouchingThePort) {
    ScratchDir dir;
    // The port does not exist either: the output's fault must be found first.
    const CliRun run =
        Orinctl(dir, {"read", "--port", "/dev/orin-no-such-port", "-o", "no/such/dir/x.sin"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no/such/dir/x.sin"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Could not Open the Port"), std::string::npos) << run.err;
}

TEST(OrinctlHostileInput, AnyPortTextEndsInTheCouldNotOpenMessage) {
    ScratchDir dir;
    for (const char* port : {"COM2147483648", "COM99999999999", "COM0"}) {
        const CliRun run = Orinctl(dir, {"read", "--port", port, "-o", "x.sin"});
        EXPECT_EQ(run.exitCode, 1) << port << ": " << run.err; // not 134, an abort
        EXPECT_NE(run.err.find("Could not Open the Port"), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(dir.File("x.sin")));
    }
}

TEST(OrinctlHostileInput, UsageErrorsAreNamedBesideTheUsage) {
    // The error in one line, then the synopsis or where the help is: never
    // the whole help, which would bury the line.
    ScratchDir dir;
    dir.Write("in.sin", NewImageBytes());
    const std::string seeHelp = "see orinctl ";
    const struct {
        std::vector<std::string> args;
        std::string says;
        std::string then;
    } cases[] = {
        {{"read", "--port", "COM1", "-o", "x.sin", "--retries", "many"},
         "--retries takes a count from 0 to 100",
         seeHelp},
        {{"write", "--port", "COM1", "--retries", "-1", "in.sin"},
         "--retries takes a count from 0 to 100",
         seeHelp},
        {{"verify", "--port", "COM1", "--retries", "101", "in.sin"},
         "--retries takes a count from 0 to 100",
         seeHelp},
        {{"write", "--port", "COM1", "--number", "idd=1", "in.sin"}, "--number takes", seeHelp},
        {{"diff", "in.sin"}, "takes exactly two files", seeHelp},
        {{"settings"}, "missing FILE.sin", seeHelp},
        {{"simulate", "--reply-header", "57"}, "unknown --reply-header", seeHelp},
        {{"new", "-o", "a.sin", "-o", "b.sin"},
         "option -o given more than once",
         "usage: orinctl "},
        {{"import", "in.csv", "-o", "a.sin", "--o=b"}, "unknown option", "usage: orinctl "},
    };
    for (const auto& c : cases) {
        const CliRun run = Orinctl(dir, c.args);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        const std::string firstLine = "orinctl " + c.args[0] + ": ";
        EXPECT_EQ(run.err.rfind(firstLine, 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        const std::size_t second = run.err.find('\n') + 1;
        EXPECT_EQ(run.err.find(c.then + c.args[0], second), second) << run.err;
        EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 3) << run.err;
    }
    EXPECT_FALSE(fs::exists(dir.File("a.sin")));
    EXPECT_FALSE(fs::exists(dir.File("b.sin")));
}

} // namespace
