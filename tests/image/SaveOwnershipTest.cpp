// What a save keeps of the file it replaces (owner, group, set-id bits), which
// names it can save under, and which links it follows. Most of it needs root,
// as the users who meet it do.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "image/AtomicFileWriter.h"
#include "image/ChannelFile.h"
#include "support/AsUnprivilegedUser.h"
#include "support/ScratchDir.h"

namespace fs = std::filesystem;

namespace {

constexpr uid_t Nobody = 65534;

struct stat Stat(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

} // namespace

TEST(SaveOwnership, OwnerGroupAndSetIdBitsOfTheReplacedFileAreKept) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a file to another owner needs root";
    }
    const struct {
        uid_t owner;
        gid_t group;
        mode_t mode;
    } cases[] = {{1234, 1234, 0640}, {0, 0, 04755}, {1234, 5678, 02775}, {Nobody, 0, 06750}};
    for (const auto& c : cases) {
        ScratchDir dir;
        const std::string path = dir.Write("radio.sin", "old");
        ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        ASSERT_TRUE(AtomicFileWriter(path).Write("new")) << std::oct << c.mode;
        const struct stat st = Stat(path);
        EXPECT_EQ(ScratchDir::Read(path), "new");
        EXPECT_EQ(st.st_uid, c.owner);
        EXPECT_EQ(st.st_gid, c.group);
        EXPECT_EQ(st.st_mode & 07777, c.mode) << std::oct << c.mode;
    }
}

TEST(SaveOwnership, SetIdFileThatWouldChangeOwnerIsRefusedAndKept) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs a file of another user";
    }
    ScratchDir dir;
    fs::permissions(dir.Path(), fs::perms::all); // the saver may create files here
    const std::string path = dir.Write("tool", "old");
    ASSERT_EQ(::chmod(path.c_str(), 04777), 0); // root's, set-uid, writable by all
    EXPECT_TRUE(AsUnprivilegedUser([&] {
        AtomicFileWriter writer(path);
        return !writer.Write("new") && writer.LastFailure() == AtomicFileWriter::Failure::SetId;
    }));
    EXPECT_EQ(ScratchDir::Read(path), "old");
    EXPECT_EQ(Stat(path).st_mode & 07777, 04777u);
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"tool"});
}

TEST(SaveOwnership, NamesUpToTheFolderLimitSave) {
    ScratchDir dir;
    // 240-255 bytes, and a name whose cut for the temporary name would fall
    // inside a character of several bytes.
    for (const std::string& name :
         {std::string(240, 'a'), std::string(251, 'b') + ".sin", std::string(253, 'c') + "\xC3\xA9",
          std::string(236, 'd') + "\xE6\x97\xA5\xE6\x97\xA5\xE6\x97\xA5" + ".sin" + "xxxxxx"}) {
        ASSERT_LE(name.size(), 255u);
        const std::string path = dir.File(name);
        EXPECT_TRUE(AtomicFileWriter(path).Write("data")) << name.size();
        EXPECT_EQ(ScratchDir::Read(path), "data");
        fs::remove(path);
        EXPECT_TRUE(ScratchDir::Names(dir.Path()).empty());
    }
}

TEST(SaveOwnership, LinksInASharedStickyFolderAreFollowedOnlyAsTheSystemWould) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs links of another user";
    }
    const struct {
        uid_t linkOwner;
        uid_t folderOwner;
        mode_t folderMode;
        bool bFollowed;
    } cases[] = {
        {Nobody, 0, 01777, false},     // planted in /tmp by someone else
        {0, 0, 01777, true},           // the user's own link
        {Nobody, 0, 0777, true},       // not sticky: the folder's rules hold
        {Nobody, Nobody, 01777, true}, // the folder's owner made it
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        const std::string victim = dir.Write("victim", "precious");
        fs::create_directory(dir.Path() / "shared");
        const std::string shared = (dir.Path() / "shared").string();
        ASSERT_EQ(::chown(shared.c_str(), c.folderOwner, 0), 0);
        ASSERT_EQ(::chmod(shared.c_str(), c.folderMode), 0);
        const std::string link = shared + "/radio.sin";
        fs::create_symlink(victim, link);
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, 0), 0);
        ChannelFile doc;
        const FileOutcome saved = doc.SaveFile(link);
        EXPECT_EQ(saved.ok, c.bFollowed) << saved.englishMessage;
        EXPECT_EQ(ScratchDir::Read(victim).size(), c.bFollowed ? 4096u : 8u);
        EXPECT_TRUE(fs::is_symlink(link));
        if (!c.bFollowed) {
            EXPECT_NE(saved.englishMessage.find("symbolic link that another user made"),
                      std::string::npos);
            EXPECT_NE(saved.chineseMessage.find("符号链接"), std::string::npos);
        }
    }
}

TEST(SaveOwnership, OwnFilesFollowNoLinkAnotherUserMadeAnywhereOnTheirPath) {
    // The transfer log and the backups, with HOME in another user's folder:
    // their links, at the file or at a folder on its way, lead nowhere.
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs links of another user";
    }
    const struct {
        const char* link; // made in the home folder, leading to "elsewhere"
        const char* file; // what is saved, below the home folder
        uid_t linkOwner;
        bool bFollowed;
    } cases[] = {
        {"last-transfer.log", "last-transfer.log", Nobody, false},
        {"backups", "backups/orin.sin", Nobody, false},
        {"last-transfer.log", "last-transfer.log", 0, true},
        {"backups", "backups/orin.sin", 0, true},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        fs::create_directories(dir.Path() / "home");
        fs::create_directories(dir.Path() / "elsewhere");
        const std::string victim = dir.Write("elsewhere/orin.sin", "precious");
        dir.Write("elsewhere/last-transfer.log", "precious");
        const std::string link = (dir.Path() / "home" / c.link).string();
        const fs::path target =
            dir.Path() / "elsewhere" / (fs::path(c.link) == "backups" ? "" : c.link);
        fs::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, 0), 0);
        const std::string file = (dir.Path() / "home" / c.file).string();
        AtomicFileWriter writer(file, AtomicFileWriter::Links::OwnOnly);
        EXPECT_EQ(writer.Write("log"), c.bFollowed) << c.file;
        const std::string reached =
            (dir.Path() / "elsewhere" / fs::path(c.file).filename()).string();
        EXPECT_EQ(ScratchDir::Read(reached), c.bFollowed ? "log" : "precious") << c.file;
        if (!c.bFollowed) {
            EXPECT_EQ(writer.LastFailure(), AtomicFileWriter::Failure::ForeignLink);
            EXPECT_TRUE(AtomicFileWriter(file).Write("log")) << "a save of the user's choice";
        }
    }
}

TEST(SaveOwnership, AnotherUsersFileIsReadOnlyOnlyWhenNobodyMayWriteIt) {
    ScratchDir dir;
    const std::string theirs = dir.Write("theirs.sin", "old");
    const std::string locked = dir.Write("locked.sin", "old");
    fs::permissions(theirs, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::others_read);
    EXPECT_TRUE(AsUnprivilegedUser([&] {
        const std::string a = ChannelFile::CheckSavable(theirs).englishMessage;
        const std::string b = ChannelFile::CheckSavable(locked).englishMessage;
        return a.find("belongs to another user") != std::string::npos &&
               a.find("read-only") == std::string::npos && b.find("read-only") != std::string::npos;
    }));
}
