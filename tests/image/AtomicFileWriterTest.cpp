#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "image/AtomicFileWriter.h"
#include "image/ChannelFile.h"
#include "support/AsUnprivilegedUser.h"
#include "support/ScratchDir.h"

namespace fs = std::filesystem;

namespace {

std::string Pattern(std::size_t size, char seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(seed + i * 7);
    }
    return bytes;
}

fs::perms Mode(const std::string& path) {
    return fs::symlink_status(path).permissions() & fs::perms::all;
}

// A file size limit for the calling process, lifted again at the end of scope:
// a write past it fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_Old);
        m_OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_Old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_Old);
        std::signal(SIGXFSZ, m_OldHandler);
    }

private:
    rlimit m_Old{};
    void (*m_OldHandler)(int) = nullptr;
};

} // namespace

TEST(AtomicFileWriter, InterruptedWriteKeepsTheOldFileWholeAndLeavesNoTemporary) {
    ScratchDir dir;
    const std::string old = Pattern(4096, 1);
    const std::string path = dir.Write("radio.sin", old);
    AtomicFileWriter writer(path);
    writer.InterruptAfter(1000);
    EXPECT_FALSE(writer.Write(std::string(4096, 'x')));
    EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::Write);
    EXPECT_EQ(ScratchDir::Read(path), old);
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"radio.sin"});
    // The interruption is for one write only.
    EXPECT_TRUE(writer.Write("new"));
    EXPECT_EQ(ScratchDir::Read(path), "new");
}

TEST(AtomicFileWriter, NextSaveRemovesTheNewFileAKilledSaveLeftAndNothingElse) {
    ScratchDir dir;
    const std::string path = dir.Write("radio.sin", "old");
    const auto now = fs::file_time_type::clock::now();
    const struct {
        const char* name;
        fs::file_time_type written;
        bool bRemoved;
    } files[] = {
        {"radio.sin.saving-ab12cd34", now - std::chrono::hours(1), true},
        {"radio.sin.saving-zz99zz99", now, false},                        // a save in progress
        {"radio.sin.saving-ab12cd3", now - std::chrono::hours(1), false}, // not our name
        {"radio.sin.saving-AB12CD34", now - std::chrono::hours(1), false},
        {"other.sin.saving-ab12cd34", now - std::chrono::hours(1), false},
    };
    for (const auto& f : files) {
        fs::last_write_time(dir.Write(f.name, "left"), f.written);
    }
    ASSERT_TRUE(AtomicFileWriter(path).Write("new"));
    for (const auto& f : files) {
        EXPECT_EQ(fs::exists(dir.File(f.name)), !f.bRemoved) << f.name;
    }
    EXPECT_EQ(ScratchDir::Read(path), "new");
}

TEST(AtomicFileWriter, NewFileGetsAnUnforeseenNameThatNothingPlantedCanTake) {
    ScratchDir dir;
    const std::string elsewhere = dir.Write("elsewhere", "theirs");
    // Whatever waits under the names one could guess stays as it is.
    fs::create_symlink(elsewhere, dir.File("image.sin"));
    fs::create_symlink(elsewhere, dir.File("image-.sin"));
    const auto first = AtomicFileWriter::WriteNewFile(dir.File("image.sin"), "data");
    const auto second = AtomicFileWriter::WriteNewFile(dir.File("image.sin"), "data");
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    for (const std::string& name : {*first, *second}) {
        const std::string file = fs::path(name).filename().string();
        EXPECT_EQ(file.size(), std::string("image-.sin").size() + AtomicFileWriter::RandomLength);
        EXPECT_TRUE(file.starts_with("image-") && file.ends_with(".sin")) << file;
        EXPECT_EQ(ScratchDir::Read(name), "data");
        EXPECT_FALSE(fs::is_symlink(name));
    }
    EXPECT_EQ(ScratchDir::Read(elsewhere), "theirs");
    EXPECT_FALSE(AtomicFileWriter::WriteNewFile(dir.File("no/such/folder/image.sin"), "data"));
}

TEST(AtomicFileWriter, ReadOnlyTargetIsRefusedAndOtherPermissionsAreKept) {
    ScratchDir dir;
    const std::string locked = dir.Write("locked.sin", "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
    AtomicFileWriter writer(locked);
    EXPECT_FALSE(writer.Write("new"));
    EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::ReadOnly);
    EXPECT_EQ(ScratchDir::Read(locked), "old");
    ChannelFile doc;
    const FileOutcome outcome = doc.SaveFile(locked);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.Message(Lang::English).find("read-only"), std::string::npos);

    const std::string privateFile = dir.Write("private.ini", "old");
    fs::permissions(privateFile, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(AtomicFileWriter(privateFile).Write("new"));
    EXPECT_EQ(ScratchDir::Read(privateFile), "new");
    EXPECT_EQ(Mode(privateFile), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicFileWriter, NewFileGetsTheDefaultPermissionsOfTheUmask) {
    ScratchDir dir;
    const mode_t old = ::umask(027);
    const bool ok = AtomicFileWriter(dir.File("new.sin")).Write("data");
    ::umask(old);
    ASSERT_TRUE(ok);
    EXPECT_EQ(Mode(dir.File("new.sin")),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(AtomicFileWriter, LinksPlantedUnderTemporaryNamesAreNeverWrittenThrough) {
    ScratchDir dir;
    const std::string victim = dir.Write("victim.txt", "precious");
    fs::permissions(victim, fs::perms::owner_read | fs::perms::owner_write);
    // Someone who can write the folder guesses the names a save might use.
    for (const char* name : {"radio.sin.saving", "radio.sin.tmp", "radio.sin.saving-"}) {
        fs::create_symlink(victim, dir.File(name));
    }
    ASSERT_TRUE(AtomicFileWriter(dir.File("radio.sin")).Write(Pattern(4096, 3)));
    EXPECT_EQ(ScratchDir::Read(victim), "precious");
    EXPECT_EQ(Mode(victim), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ScratchDir::Read(dir.File("radio.sin")), Pattern(4096, 3));
    EXPECT_TRUE(fs::is_symlink(dir.File("radio.sin.saving")));
}

TEST(AtomicFileWriter, SavingOverALinkWritesItsTargetAndKeepsTheLink) {
    ScratchDir dir;
    fs::create_directory(dir.Path() / "real");
    const std::string target = dir.Write("real/radio.sin", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/radio.sin", dir.File("relative.sin"));
    fs::create_symlink(dir.File("relative.sin"), dir.File("chain.sin"));
    ASSERT_TRUE(AtomicFileWriter(dir.File("chain.sin")).Write("new"));
    EXPECT_TRUE(fs::is_symlink(dir.File("chain.sin")));
    EXPECT_TRUE(fs::is_symlink(dir.File("relative.sin")));
    EXPECT_EQ(ScratchDir::Read(target), "new");
    EXPECT_EQ(Mode(target), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ScratchDir::Names(dir.Path() / "real"), std::vector<std::string>{"radio.sin"});
    // A link to a file not yet there creates that file.
    fs::create_symlink("real/later.sin", dir.File("dangling.sin"));
    ASSERT_TRUE(AtomicFileWriter(dir.File("dangling.sin")).Write("made"));
    EXPECT_TRUE(fs::is_symlink(dir.File("dangling.sin")));
    EXPECT_EQ(ScratchDir::Read(dir.File("real/later.sin")), "made");
    // A loop of links is refused, not followed for ever.
    fs::create_symlink("loop-b", dir.File("loop-a"));
    fs::create_symlink("loop-a", dir.File("loop-b"));
    EXPECT_FALSE(AtomicFileWriter(dir.File("loop-a")).Write("x"));
}

TEST(AtomicFileWriter, FolderPipeOrDeviceIsRefusedAndStaysWhatItWas) {
    ScratchDir dir;
    const std::string fifo = dir.File("pipe.sin");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir.Path() / "folder.sin");
    fs::create_symlink("/dev/null", dir.File("null.sin"));
    for (const std::string& path : {fifo, dir.File("folder.sin"), dir.File("null.sin")}) {
        AtomicFileWriter writer(path);
        EXPECT_FALSE(writer.Write("x")) << path;
        EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::NotRegular) << path;
        EXPECT_TRUE(writer.TargetExisted());
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_directory(dir.Path() / "folder.sin"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(ScratchDir::Names(dir.Path()),
              (std::vector<std::string>{"folder.sin", "null.sin", "pipe.sin"}));
    ChannelFile doc;
    const FileOutcome outcome = doc.SaveFile(fifo);
    EXPECT_NE(outcome.Message(Lang::English).find("a device or a pipe"), std::string::npos);
}

TEST(AtomicFileWriter, WritableFileInAFolderClosedToTheUserIsWrittenInPlace) {
    ScratchDir dir;
    fs::create_directory(dir.Path() / "closed");
    const std::string path = dir.Write("closed/MAIN.ini", "[MAIN]\nLANGUAGE=English\n");
    fs::permissions(path, fs::perms::all);
    const fs::perms readAndEnter = fs::perms::owner_read | fs::perms::owner_exec |
                                   fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(dir.Path() / "closed", readAndEnter);
    const std::string newText = "[MAIN]\nLANGUAGE=Chinese\n";
    const bool saved = AsUnprivilegedUser([&] {
        AtomicFileWriter writer(path);
        return writer.Write(newText) &&
               ::access((dir.Path() / "closed").c_str(), W_OK) != 0; // really closed
    });
    EXPECT_TRUE(saved);
    EXPECT_EQ(ScratchDir::Read(path), newText);
    EXPECT_EQ(ScratchDir::Names(dir.Path() / "closed"), std::vector<std::string>{"MAIN.ini"});
    // Longer old contents are cut off, not left behind the new text.
    EXPECT_TRUE(AsUnprivilegedUser([&] { return AtomicFileWriter(path).Write("x\n"); }));
    EXPECT_EQ(ScratchDir::Read(path), "x\n");
    fs::permissions(dir.Path() / "closed", fs::perms::owner_all);
}

TEST(AtomicFileWriter, FailedSaveOfANewFileDoesNotClaimAnOldOneWasKept) {
    ScratchDir dir;
    const std::string existing = dir.Write("old.sin", "old");
    ChannelFile doc;
    FileOutcome fresh;
    FileOutcome over;
    {
        const FileSizeLimit limit(1000); // the image is 4096 bytes: a full disk
        fresh = doc.SaveFile(dir.File("fresh.sin"));
        over = doc.SaveFile(existing);
        // The check before a long job finds the full disk too.
        EXPECT_FALSE(ChannelFile::CheckSavable(dir.File("fresh.sin")).ok);
    }
    EXPECT_FALSE(fresh.ok);
    EXPECT_EQ(fresh.Message(Lang::English).find("left as it was"), std::string::npos)
        << fresh.englishMessage;
    EXPECT_NE(fresh.Message(Lang::English).find("No file was created"), std::string::npos)
        << fresh.englishMessage;
    EXPECT_NE(fresh.Message(Lang::Chinese).find("未创建任何文件"), std::string::npos);
    EXPECT_FALSE(over.ok);
    EXPECT_NE(over.Message(Lang::English).find("left as it was before"), std::string::npos)
        << over.englishMessage;
    EXPECT_EQ(ScratchDir::Read(existing), "old");
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"old.sin"});
}

TEST(AtomicFileWriter, ConcurrentSavesOfOneFileEachLeaveAWholeFile) {
    ScratchDir dir;
    const std::string path = dir.File("radio.sin");
    const std::string a = Pattern(4096, 'a');
    const std::string b = Pattern(4096, 'b');
    ASSERT_TRUE(AtomicFileWriter(path).Write(a));
    std::atomic<bool> done{false};
    std::atomic<int> failures{0};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done) {
            const std::string seen = ScratchDir::Read(path);
            if (seen != a && seen != b) {
                ++torn;
            }
        }
    });
    auto saver = [&](const std::string& data) {
        AtomicFileWriter writer(path);
        for (int i = 0; i < 200; ++i) {
            if (!writer.Write(data)) {
                ++failures;
            }
        }
    };
    std::thread first(saver, a);
    std::thread second(saver, b);
    first.join();
    second.join();
    done = true;
    reader.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"radio.sin"});
}
