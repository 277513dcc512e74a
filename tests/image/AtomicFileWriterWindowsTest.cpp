// The safe save and the bounded reads on Windows: what the system's own rules
// (read-only flag, device names, folders, UTF-16 file names, a file held open
// by another program) mean for them. The POSIX rules have their own tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "image/AtomicFileWriter.h"
#include "image/ChannelFile.h"
#include "image/Utf8.h"
#include "support/ScratchDir.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace fs = std::filesystem;

TEST(AtomicFileWriterWindows, InterruptedWriteKeepsTheOldFileWholeAndLeavesNoTemporary) {
    ScratchDir dir;
    const std::string path = dir.Write("radio.sin", std::string(4096, 'o'));
    AtomicFileWriter writer(path);
    writer.InterruptAfter(1000);
    EXPECT_FALSE(writer.Write(std::string(4096, 'x')));
    EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::Write);
    EXPECT_EQ(ScratchDir::Read(path), std::string(4096, 'o'));
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"radio.sin"});
    EXPECT_TRUE(writer.Write("new"));
    EXPECT_EQ(ScratchDir::Read(path), "new");
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"radio.sin"});
}

TEST(AtomicFileWriterWindows, ReadOnlyFileIsRefusedAndKept) {
    ScratchDir dir;
    const std::string path = dir.Write("locked.sin", "old");
    ASSERT_TRUE(SetFileAttributesW(Utf8::Path(path).c_str(), FILE_ATTRIBUTE_READONLY));
    AtomicFileWriter writer(path);
    EXPECT_FALSE(writer.Write("new"));
    EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::ReadOnly);
    EXPECT_EQ(ScratchDir::Read(path), "old");
    SetFileAttributesW(Utf8::Path(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(AtomicFileWriterWindows, FoldersAndDeviceNamesAreRefusedNeverReplaced) {
    ScratchDir dir;
    fs::create_directory(dir.Path() / "folder.sin");
    for (const std::string& path :
         {dir.File("folder.sin"), std::string("NUL"), std::string("COM1"), dir.File("con"),
          dir.File("aux.sin"), std::string("\\\\.\\COM5")}) {
        AtomicFileWriter writer(path);
        EXPECT_FALSE(writer.Write("x")) << path;
        EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::NotRegular) << path;
    }
    EXPECT_TRUE(fs::is_directory(dir.Path() / "folder.sin"));
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"folder.sin"});
}

TEST(AtomicFileWriterWindows, FileNamesOutsideTheAnsiCodePageAreSavedAndLoaded) {
    ScratchDir dir;
    const std::string folder = dir.Text() + "\\Kanäle 频道";
    ASSERT_TRUE(CreateDirectoryW(Utf8::Path(folder).c_str(), nullptr));
    const std::string path = folder + "\\收音机 ☺.sin";
    ChannelFile doc;
    doc.MakeNew();
    doc.Image()[0x10] = 0x42;
    const FileOutcome saved = doc.SaveFile(path);
    ASSERT_TRUE(saved.ok) << saved.englishMessage;
    EXPECT_EQ(ScratchDir::Names(Utf8::Path(folder)), std::vector<std::string>{"收音机 ☺.sin"});
    ChannelFile loaded;
    const FileOutcome outcome = loaded.LoadFile(path);
    ASSERT_TRUE(outcome.ok) << outcome.englishMessage;
    EXPECT_EQ(loaded.Image(), doc.Image());
}

TEST(AtomicFileWriterWindows, MissingFolderFailsWithTheSystemsReason) {
    ScratchDir dir;
    AtomicFileWriter writer(dir.File("missing\\radio.sin"));
    EXPECT_FALSE(writer.Write("x"));
    EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::Create);
    EXPECT_FALSE(writer.Reason().empty());
}

TEST(AtomicFileWriterWindows, FileHeldOpenByAnotherProgramIsReportedNotDamaged) {
    ScratchDir dir;
    const std::string path = dir.Write("held.sin", "old");
    // As an editor that keeps the file open and lets others read but not
    // delete or rename it.
    const HANDLE held = CreateFileW(Utf8::Path(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    AtomicFileWriter writer(path);
    const bool ok = writer.Write("new");
    CloseHandle(held);
    EXPECT_FALSE(ok);
    EXPECT_EQ(ScratchDir::Read(path), "old");
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"held.sin"});
}

TEST(ProgramDocLoadWindows, FolderOrDeviceIsRefusedAtOnceAsNoChannelFile) {
    ScratchDir dir;
    ChannelFile doc;
    const MemoryImage before = doc.Image();
    for (const std::string& path :
         {dir.Text(), std::string("NUL"), std::string("CON"), std::string("COM1")}) {
        const FileOutcome outcome = doc.LoadFile(path);
        EXPECT_FALSE(outcome.ok) << path;
        EXPECT_NE(outcome.englishMessage.find("a folder, a device or a pipe"), std::string::npos)
            << path << ": " << outcome.englishMessage;
        EXPECT_EQ(doc.Image(), before);
    }
}
