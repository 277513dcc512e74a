#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "formats/ProfileFile.h"
#ifndef _WIN32
#include "support/AsUnprivilegedUser.h"
#endif
#include "support/ScratchDir.h"

namespace {

// Loads text as the settings file "orin.ini" of dir.
void OpenWith(ProfileFile& profile, const ScratchDir& dir, const std::string& text,
              bool saveOnClose = true, bool caseInsensitive = true) {
    dir.Write("orin.ini", text);
    ASSERT_TRUE(profile.Open(dir.Text(), "orin.ini", saveOnClose, caseInsensitive));
}

} // namespace

TEST(ProfileFileOpen, MissingFileIsCreatedEmptyAndStaysEmptyWhenNothingIsSet) {
    ScratchDir dir;
    const std::string path = dir.File("orin.ini");
    {
        ProfileFile profile;
        EXPECT_TRUE(profile.Open(dir.Text(), "orin.ini", true, true));
        EXPECT_EQ(profile.Path(), path);
        EXPECT_TRUE(std::filesystem::exists(Utf8::Path(path)));
        EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE", "x"), "x");
    }
    EXPECT_EQ(ScratchDir::Read(path), "");
}

#ifndef _WIN32 // pipes, and folders closed by their mode bits
TEST(ProfileFileOpen, PipeFolderOrHugeFileIsNotReadAndNeverWritten) {
    ScratchDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe.ini").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.Path() / "folder.ini");
    const std::string huge =
        std::string(ProfileFile::MaxSize, ';') + "\n[MAIN]\nLANGUAGE=Chinese\n";
    dir.Write("huge.ini", huge);
    for (const char* name : {"pipe.ini", "folder.ini", "huge.ini"}) {
        ProfileFile profile;
        // A pipe used to hold the program at start-up for ever.
        EXPECT_FALSE(profile.Open(dir.Text(), name, true, true)) << name;
        EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE", "none"), "none");
        profile.SetValue("MAIN", "LANGUAGE", "English");
        EXPECT_FALSE(profile.IsDirty());
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe.ini")));
    EXPECT_EQ(ScratchDir::Read(dir.File("huge.ini")), huge);
}
#endif

#ifndef _WIN32 // pipes, and folders closed by their mode bits
TEST(ProfileFileSave, WritableFileInAFolderClosedToTheUserKeepsTheChoice) {
    ScratchDir dir;
    const std::filesystem::path folder = dir.Path() / "program";
    std::filesystem::create_directory(folder);
    const std::string path = dir.Write("program/MAIN.ini", "[MAIN]\nLANGUAGE=English\n");
    std::filesystem::permissions(path, std::filesystem::perms::all);
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                    std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    EXPECT_TRUE(AsUnprivilegedUser([&] {
        ProfileFile profile;
        if (!profile.Open(folder.string(), "MAIN.ini", false, true)) {
            return false;
        }
        profile.SetValue("MAIN", "LANGUAGE", "Chinese");
        return profile.Save();
    }));
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(ScratchDir::Read(path), "[MAIN]\nLANGUAGE=Chinese\n");
}
#endif

TEST(ProfileFileOpen, UnopenableFileLeavesAnInertObject) {
    ScratchDir dir;
    ProfileFile profile;
    EXPECT_FALSE(profile.Open(dir.File("no/such/folder"), "orin.ini", true, true));
    EXPECT_EQ(profile.Path(), "");
    profile.SetValue("MAIN", "LANGUAGE", "English");
    EXPECT_FALSE(profile.IsDirty());
    EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE", " def "), " def ");
}

TEST(ProfileFileGetValue, LooksUpWithoutCaseAndCutsTheCommentKeepingBlanksBeforeIt) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "[MAIN]\nLANGUAGE = Chinese   // chosen by hand\n");
    EXPECT_EQ(profile.GetValue("main", "language", ""), "Chinese   ");
}

TEST(ProfileFileGetValue, CutsAtTabSemicolonAndAtSlashStar) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "[S]\nA=one\t; note\nB=two /* note */\nC=semi;colon\nD=a/b\n");
    EXPECT_EQ(profile.GetValue("S", "A", ""), "one");
    EXPECT_EQ(profile.GetValue("S", "B", ""), "two ");
    EXPECT_EQ(profile.GetValue("S", "C", ""), "semi;colon");
    EXPECT_EQ(profile.GetValue("S", "D", ""), "a/b");
}

TEST(ProfileFileGetValue, LastOfARepeatedKeyWins) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "[MAIN]\nLANGUAGE=English\nLANGUAGE=Chinese\n");
    EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE", ""), "Chinese");
}

TEST(ProfileFileGetValue, DefaultsComeBackUnchangedOrStripped) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "[MAIN]\nX=1\n");
    EXPECT_EQ(profile.GetValue("OTHER", "X", "  d  "), "  d  "); // missing section
    EXPECT_EQ(profile.GetValue("MAIN", "Y", "  d  "), "d");      // missing key
}

TEST(ProfileFileGetValue, CaseCountsWhenCaseInsensitivityIsOff) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "[MAIN]\nKey=v\n", false, false);
    EXPECT_EQ(profile.GetValue("MAIN", "Key", "d"), "v");
    EXPECT_EQ(profile.GetValue("main", "Key", "d"), "d");
    EXPECT_EQ(profile.GetValue("MAIN", "KEY", "d"), "d");
}

TEST(ProfileFileParsing, HeadersKeepInnerBlanksAndEntriesBeforeThemBelongToSectionZero) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "TOP=1\n[ MAIN ]\nLANGUAGE=English\n  [MAIN]  \nLANGUAGE=Chinese\n");
    EXPECT_EQ(profile.GetValue("", "TOP", ""), "1");
    EXPECT_EQ(profile.GetValue(" MAIN ", "LANGUAGE", ""), "English");
    EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE", ""), "Chinese");
}

TEST(ProfileFileParsing, LineWithoutEqualsIsAKeyWithAnEmptyValue) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "[S]\n  FLAG  \r\nK = a = b \r\n");
    EXPECT_EQ(profile.GetValue("S", "FLAG", "d"), "");
    EXPECT_EQ(profile.GetValue("S", "K", "d"), "a = b");
}

TEST(ProfileFileParsing, CommentsBlankLinesAndEmptyKeysAreDroppedAndNotWrittenBack) {
    ScratchDir dir;
    {
        ProfileFile profile;
        OpenWith(profile, dir,
                 "; one\n* two\n/ three\n\\ four\n\n=five\n[MAIN]\n;LANGUAGE=x\nA=1\n");
        EXPECT_EQ(profile.GetValue("MAIN", ";LANGUAGE", "d"), "d");
        profile.SetValue("MAIN", "B", "2");
    }
    EXPECT_EQ(ScratchDir::Read(dir.File("orin.ini")), "[MAIN]\nA=1\nB=2\n");
}

TEST(ProfileFileSetValue, ChangesTheLastEntryOfARepeatedKey) {
    ScratchDir dir;
    {
        ProfileFile profile;
        OpenWith(profile, dir, "[MAIN]\nLANGUAGE=English\nLANGUAGE=Chinese\n");
        profile.SetValue("main", "language", "English");
        EXPECT_TRUE(profile.IsDirty());
    }
    EXPECT_EQ(ScratchDir::Read(dir.File("orin.ini")),
              "[MAIN]\nLANGUAGE=English\nLANGUAGE=English\n");
}

TEST(ProfileFileSetValue, ACaseOnlyChangeIsNotDirtyButIsKeptInMemory) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "[MAIN]\nLANGUAGE=English\n", false);
    profile.SetValue("MAIN", "LANGUAGE", "english");
    EXPECT_FALSE(profile.IsDirty());
    EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE", ""), "english");
}

TEST(ProfileFileSetValue, NewSectionAndKeyAreAppendedInOrder) {
    ScratchDir dir;
    {
        ProfileFile profile;
        OpenWith(profile, dir, "TOP=1\n[A]\nX=1\n");
        profile.SetValue("MAIN", "LANGUAGE_FORCE", "1");
        profile.SetValue("MAIN", "LANGUAGE", "Chinese");
        profile.SetValue("A", "Y", "2");
    }
    EXPECT_EQ(ScratchDir::Read(dir.File("orin.ini")),
              "TOP=1\n[A]\nX=1\nY=2\n[MAIN]\nLANGUAGE_FORCE=1\nLANGUAGE=Chinese\n");
}

TEST(ProfileFileSetValue, NoValueAddsALineAndEachReadsBackAsItWasSet) {
    const struct {
        std::string value;
        bool bQuoted;
    } cases[] = {
        {"radio\n[MAIN]\nLANGUAGE=Chinese", true},
        {"radio\r\n[MAIN]\rLANGUAGE=Chinese", true},
        {" padded.sin ", true},
        {"/home/me//radio.sin", true},
        {"/home/me/a/*b.sin", true},
        {"tab\t;semicolon.sin", true},
        {"\"quoted\" 100% /x", true},
        {"/home/me/radio 100%.sin", false},
        {"C:\\Users\\me\\radio.sin", false},
        {"", false},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        {
            ProfileFile profile;
            OpenWith(profile, dir, "[MAIN]\nLANGUAGE=English\n");
            profile.SetValue("Recent File List", "File1", c.value);
        }
        const std::string text = ScratchDir::Read(dir.File("orin.ini"));
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4) << text;
        EXPECT_EQ(text.find("File1=\"") != std::string::npos, c.bQuoted) << text;
        ProfileFile again;
        ASSERT_TRUE(again.Open(dir.Path().string(), "orin.ini", false, true));
        EXPECT_EQ(again.GetValue("Recent File List", "File1", "none"), c.value) << text;
        EXPECT_EQ(again.GetValue("MAIN", "LANGUAGE", "none"), "English") << text;
    }
}

TEST(ProfileFileSave, NothingIsWrittenWithoutSaveOnClose) {
    ScratchDir dir;
    {
        ProfileFile profile;
        OpenWith(profile, dir, "; keep me\n[MAIN]\n", false);
        profile.SetValue("MAIN", "LANGUAGE", "Chinese");
    }
    EXPECT_EQ(ScratchDir::Read(dir.File("orin.ini")), "; keep me\n[MAIN]\n");
}

TEST(ProfileFileSave, ShorterContentsLeaveNoOldBytesOrZerosBehind) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "[MAIN]\nLANGUAGE=Chinese\n; a long comment that makes the file long\n");
    profile.SetValue("MAIN", "LANGUAGE", "X");
    ASSERT_TRUE(profile.Save());
    EXPECT_FALSE(profile.IsDirty());
    EXPECT_EQ(ScratchDir::Read(dir.File("orin.ini")), "[MAIN]\nLANGUAGE=X\n");
    EXPECT_EQ(ScratchDir::Names(dir.Path()), std::vector<std::string>{"orin.ini"});
}

TEST(ProfileFileSave, FailedWriteLeavesTheOldFileWholeAndStaysDirty) {
    ScratchDir dir;
    ProfileFile profile;
    OpenWith(profile, dir, "[MAIN]\nLANGUAGE=Chinese\n", false);
    profile.SetValue("MAIN", "LANGUAGE", "English");
    // A file made read-only after it was opened is not replaced.
    std::filesystem::permissions(Utf8::Path(profile.Path()), std::filesystem::perms::owner_read);
    EXPECT_FALSE(profile.Save());
    EXPECT_TRUE(profile.IsDirty());
    EXPECT_EQ(ScratchDir::Read(dir.File("orin.ini")), "[MAIN]\nLANGUAGE=Chinese\n");
}

TEST(ProfileFileOpen, ReopeningSavesTheFirstFileAndStartsAfresh) {
    ScratchDir dir;
    dir.Write("b.ini", "[MAIN]\nLANGUAGE=English\n");
    ProfileFile profile;
    OpenWith(profile, dir, "[MAIN]\n", true);
    profile.SetValue("MAIN", "LANGUAGE", "Chinese");
    ASSERT_TRUE(profile.Open(dir.Text(), "b.ini", false, true));
    EXPECT_EQ(ScratchDir::Read(dir.File("orin.ini")), "[MAIN]\nLANGUAGE=Chinese\n");
    EXPECT_FALSE(profile.IsDirty());
    EXPECT_EQ(profile.GetValue("MAIN", "LANGUAGE", ""), "English");
}
