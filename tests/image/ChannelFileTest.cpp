#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#ifndef _WIN32
#include <sys/stat.h>

#include "support/AsUnprivilegedUser.h"
#endif

#include "image/ChannelFile.h"
#include "image/ImageMap.h"
#include "support/ScratchDir.h"

namespace {

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

std::string ImageBytes(const ChannelFile& doc) {
    return std::string(reinterpret_cast<const char*>(doc.Image().data()), MemoryImage::Size);
}

} // namespace

TEST(ProgramDocNew, HoldsTheNewDocumentImage) {
    ChannelFile doc;
    doc.Image()[0x100] = 0x12;
    doc.MakeNew();
    EXPECT_EQ(doc.Image(), ImageMap::NewDocumentImage());
}

TEST(ProgramDocLoad, ExactFileReplacesTheWholeImage) {
    ScratchDir dir;
    const std::string data = Pattern(4096);
    ChannelFile doc;
    EXPECT_TRUE(doc.LoadFile(dir.Write("a.sin", data)).ok);
    EXPECT_EQ(ImageBytes(doc), data);
}

TEST(ProgramDocLoad, FileOfAnotherSizeIsRefusedWithItsSizeAndTheImageStaysAsItWas) {
    // A longer file is some other file: loading its start and saving would
    // cut it to 4096 bytes.
    ScratchDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{4095}, std::size_t{4097},
                             std::size_t{1000000}}) {
        ChannelFile doc;
        doc.Image()[0x20] = 0x42;
        const MemoryImage before = doc.Image();
        const std::string path = dir.Write("other.sin", Pattern(size));
        const FileOutcome outcome = doc.LoadFile(path);
        EXPECT_FALSE(outcome.ok) << size;
        EXPECT_EQ(doc.Image(), before) << size;
        const std::string count = " " + std::to_string(size) + " ";
        for (Lang lang : {Lang::English, Lang::Chinese}) {
            EXPECT_NE(outcome.Message(lang).find(path), std::string::npos) << outcome.Message(lang);
            EXPECT_NE(outcome.Message(lang).find(count), std::string::npos)
                << outcome.Message(lang);
        }
        EXPECT_NE(outcome.Message(Lang::Chinese).find("字节"), std::string::npos);
    }
}

TEST(ProgramDocLoad, MissingFileOrDirectoryIsRefusedWithItsName) {
    ScratchDir dir;
    ChannelFile doc;
    const MemoryImage before = doc.Image();
    for (const std::string& path : {dir.File("missing.sin"), dir.Text()}) {
        const FileOutcome outcome = doc.LoadFile(path);
        EXPECT_FALSE(outcome.ok);
        EXPECT_NE(outcome.Message(Lang::English).find(path), std::string::npos);
        EXPECT_NE(outcome.Message(Lang::Chinese).find(path), std::string::npos);
        EXPECT_EQ(doc.Image(), before);
    }
}

#ifndef _WIN32 // no pipes in folders there: see AtomicFileWriterWindowsTest.cpp
TEST(ProgramDocLoad, PipeOrFolderIsRefusedAtOnceAsNoChannelFile) {
    ScratchDir dir;
    const std::string fifo = dir.File("pipe.sin");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ChannelFile doc;
    const MemoryImage before = doc.Image();
    // Opening a pipe with no writer used to wait for ever.
    for (const std::string& path : {fifo, dir.Text()}) {
        const FileOutcome outcome = doc.LoadFile(path);
        EXPECT_FALSE(outcome.ok);
        EXPECT_NE(outcome.englishMessage.find("a folder, a device or a pipe"), std::string::npos)
            << outcome.englishMessage;
        EXPECT_EQ(outcome.englishMessage.find("0 bytes"), std::string::npos);
        EXPECT_NE(outcome.Message(Lang::Chinese).find("管道"), std::string::npos);
        EXPECT_EQ(doc.Image(), before);
    }
}
#endif

TEST(ProgramDocLoad, ShortFileMessageCountsTheBytesReallyRead) {
    // Files whose size, as the system reports it, is not what they hold:
    // /proc files claim 0 bytes, /sys files 4096. The message names what was
    // read and does not claim the file changed.
    for (const std::string path :
         {"/proc/self/stat", "/sys/kernel/mm/transparent_hugepage/enabled"}) {
        const std::size_t holds = ScratchDir::Read(path).size();
        if (holds == 0) {
            continue; // no such file on this system
        }
        ASSERT_LT(holds, MemoryImage::Size);
        ChannelFile doc;
        const FileOutcome outcome = doc.LoadFile(path);
        EXPECT_FALSE(outcome.ok);
        EXPECT_NE(outcome.englishMessage.find(" " + std::to_string(holds) +
                                              " bytes, but a channel data file holds exactly 4096"),
                  std::string::npos)
            << outcome.englishMessage;
    }
}

#ifndef _WIN32
TEST(ProgramDocLoad, FileThatCannotBeOpenedSaysWhy) {
    ScratchDir dir;
    std::filesystem::create_symlink(dir.File("gone.sin"), dir.File("dangling.sin"));
    std::filesystem::create_symlink("loop-b", dir.File("loop-a"));
    std::filesystem::create_symlink("loop-a", dir.File("loop-b"));
    const std::string secret = dir.Write("secret.sin", Pattern(4096));
    std::filesystem::permissions(secret, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write);
    // The system's words in the English message, their Chinese in the Chinese one.
    const struct {
        const char* name;
        const char* why;
        const char* whyChinese;
    } cases[] = {{"dangling.sin", "No such file", "（没有那个文件或目录）"},
                 {"loop-a", "Too many levels of symbolic links", "（符号链接层次太多）"}};
    for (const auto& c : cases) {
        ChannelFile doc;
        const FileOutcome outcome = doc.LoadFile(dir.File(c.name));
        EXPECT_NE(outcome.englishMessage.find(c.why), std::string::npos) << outcome.englishMessage;
        EXPECT_NE(outcome.chineseMessage.find(c.whyChinese), std::string::npos)
            << outcome.chineseMessage;
    }
    EXPECT_TRUE(AsUnprivilegedUser([&] {
        ChannelFile doc;
        return doc.LoadFile(secret).englishMessage.find("Permission denied") != std::string::npos;
    }));
}
#endif

TEST(ProgramDocSave, WritesExactlyTheImageBytesAndReloadsThem) {
    ScratchDir dir;
    ChannelFile doc;
    doc.Image()[0xFFF] = 0x00;
    doc.Image()[0xC70] = 0x5A;
    const std::string path = dir.File("out.sin");
    ASSERT_TRUE(doc.SaveFile(path).ok);
    EXPECT_EQ(ScratchDir::Read(path), ImageBytes(doc));
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"out.sin"});
    ChannelFile other;
    ASSERT_TRUE(other.LoadFile(path).ok);
    EXPECT_EQ(other.Image(), doc.Image());
}

TEST(ProgramDocSave, ReplacesALongerExistingFile) {
    ScratchDir dir;
    const std::string path = dir.Write("old.sin", Pattern(9000));
    ChannelFile doc;
    ASSERT_TRUE(doc.SaveFile(path).ok);
    EXPECT_EQ(ScratchDir::Read(path), ImageBytes(doc));
}

TEST(ProgramDocSave, FailureIsReportedAndLeavesTheTargetUntouched) {
    ScratchDir dir;
    ChannelFile doc;
    // A folder that does not exist: nothing can be created there.
    const std::string missing = dir.File("no/such/dir/x.sin");
    FileOutcome outcome = doc.SaveFile(missing);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.Message(Lang::English).find(missing), std::string::npos);
    EXPECT_NE(outcome.Message(Lang::Chinese).find(missing), std::string::npos);
    // A folder in the target's place cannot be replaced by the file.
    std::filesystem::create_directory(dir.Path() / "folder.sin");
    dir.Write("folder.sin/keep", "kept");
    outcome = doc.SaveFile(dir.File("folder.sin"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(ScratchDir::Read(dir.File("folder.sin/keep")), "kept");
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"folder.sin"});
}
