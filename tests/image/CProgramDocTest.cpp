#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "image/AtomicFileWriter.h"
#include "image/CProgramDoc.h"
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

std::string ImageBytes(const CProgramDoc& doc) {
    return std::string(reinterpret_cast<const char*>(doc.Image().data()), MemoryImage::Size);
}

} // namespace

TEST(ProgramDocNew, HoldsTheNewDocumentImage) {
    CProgramDoc doc;
    doc.Image()[0x100] = 0x12;
    doc.OnNewDocument();
    EXPECT_EQ(doc.Image(), ImageMap::NewDocumentImage());
}

TEST(ProgramDocLoad, ExactFileReplacesTheWholeImage) {
    ScratchDir dir;
    const std::string data = Pattern(4096);
    CProgramDoc doc;
    EXPECT_TRUE(doc.LoadFile(dir.Write("a.sin", data)).ok);
    EXPECT_EQ(ImageBytes(doc), data);
}

TEST(ProgramDocLoad, LongerFileLoadsItsFirst4096Bytes) {
    ScratchDir dir;
    const std::string data = Pattern(5000);
    CProgramDoc doc;
    EXPECT_TRUE(doc.LoadFile(dir.Write("long.sin", data)).ok);
    EXPECT_EQ(ImageBytes(doc), data.substr(0, 4096));
}

TEST(ProgramDocLoad, ShortOrEmptyFileIsRefusedAndTheImageStaysAsItWas) {
    ScratchDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{4095}}) {
        CProgramDoc doc;
        doc.Image()[0x20] = 0x42;
        const MemoryImage before = doc.Image();
        const std::string path = dir.Write("short.sin", Pattern(size));
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
    CProgramDoc doc;
    const MemoryImage before = doc.Image();
    for (const std::string& path : {dir.File("missing.sin"), dir.Path().string()}) {
        const FileOutcome outcome = doc.LoadFile(path);
        EXPECT_FALSE(outcome.ok);
        EXPECT_NE(outcome.Message(Lang::English).find(path), std::string::npos);
        EXPECT_NE(outcome.Message(Lang::Chinese).find(path), std::string::npos);
        EXPECT_EQ(doc.Image(), before);
    }
}

TEST(ProgramDocSave, WritesExactlyTheImageBytesAndReloadsThem) {
    ScratchDir dir;
    CProgramDoc doc;
    doc.Image()[0xFFF] = 0x00;
    doc.Image()[0xC70] = 0x5A;
    const std::string path = dir.File("out.sin");
    ASSERT_TRUE(doc.SaveFile(path).ok);
    EXPECT_EQ(ScratchDir::Read(path), ImageBytes(doc));
    EXPECT_FALSE(std::filesystem::exists(AtomicFileWriter(path).TemporaryPath()));
    CProgramDoc other;
    ASSERT_TRUE(other.LoadFile(path).ok);
    EXPECT_EQ(other.Image(), doc.Image());
}

TEST(ProgramDocSave, ReplacesALongerExistingFile) {
    ScratchDir dir;
    const std::string path = dir.Write("old.sin", Pattern(9000));
    CProgramDoc doc;
    ASSERT_TRUE(doc.SaveFile(path).ok);
    EXPECT_EQ(ScratchDir::Read(path), ImageBytes(doc));
}

TEST(ProgramDocSave, FailureIsReportedAndLeavesTheTargetUntouched) {
    ScratchDir dir;
    CProgramDoc doc;
    // A folder that does not exist: nothing can be created there.
    const std::string missing = dir.File("no/such/dir/x.sin");
    FileOutcome outcome = doc.SaveFile(missing);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.Message(Lang::English).find(missing), std::string::npos);
    EXPECT_NE(outcome.Message(Lang::Chinese).find(missing), std::string::npos);
    // A folder in the target's place cannot be replaced by the file.
    const std::filesystem::path folder = dir.Path() / "folder.sin";
    std::filesystem::create_directory(folder);
    dir.Write("folder.sin/keep", "kept");
    outcome = doc.SaveFile(folder.string());
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(ScratchDir::Read((folder / "keep").string()), "kept");
    EXPECT_FALSE(std::filesystem::exists(AtomicFileWriter(folder.string()).TemporaryPath()));
}

TEST(AtomicFileWriter, InterruptedWriteKeepsTheOldFileWholeAndLeavesNoTemporary) {
    ScratchDir dir;
    const std::string old = Pattern(4096);
    const std::string path = dir.Write("radio.sin", old);
    AtomicFileWriter writer(path);
    writer.InterruptAfter(1000);
    EXPECT_FALSE(writer.Write(std::string(4096, 'x')));
    EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::Write);
    EXPECT_EQ(ScratchDir::Read(path), old);
    EXPECT_FALSE(std::filesystem::exists(writer.TemporaryPath()));
    // The interruption is for one write only.
    EXPECT_TRUE(writer.Write("new"));
    EXPECT_EQ(ScratchDir::Read(path), "new");
}

TEST(AtomicFileWriter, ReadOnlyTargetIsRefusedAndOtherPermissionsAreKept) {
    namespace fs = std::filesystem;
    ScratchDir dir;
    const std::string locked = dir.Write("locked.sin", "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
    AtomicFileWriter writer(locked);
    EXPECT_FALSE(writer.Write("new"));
    EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::ReadOnly);
    EXPECT_EQ(ScratchDir::Read(locked), "old");
    CProgramDoc doc;
    const FileOutcome outcome = doc.SaveFile(locked);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.Message(Lang::English).find("read-only"), std::string::npos);

    const std::string privateFile = dir.Write("private.ini", "old");
    fs::permissions(privateFile, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(AtomicFileWriter(privateFile).Write("new"));
    EXPECT_EQ(ScratchDir::Read(privateFile), "new");
    EXPECT_EQ(fs::status(privateFile).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicFileWriter, StaleTemporaryFileIsReplaced) {
    ScratchDir dir;
    const std::string path = dir.File("x.ini");
    AtomicFileWriter writer(path);
    dir.Write("x.ini.saving", "left over from a crash, much longer than the new text");
    EXPECT_TRUE(writer.Write("short"));
    EXPECT_EQ(ScratchDir::Read(path), "short");
}
