#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Lang.h"

// The few file calls whose safe form differs between operating systems, behind
// one small class so that each system has its own implementation file beside
// the others (NativeFilePosix.cpp, NativeFileWindows.cpp; NativeFile.cpp holds
// what they share). Everything above it, the safe save and the bounded reads,
// is written once.
class NativeFile {
public:
    enum class Kind { Missing, Regular, Other };

    // What is at a path, seen through its symbolic links.
    struct Target {
        std::string path; // the file itself: where the path's links lead
        Kind kind = Kind::Missing;
        bool bWritable = false;   // a regular file this program may change
        bool bOthers = false;     // it belongs to another user
        unsigned permissions = 0; // permission bits of a regular file, set-id bits included
        unsigned owner = 0;       // its owner and group, where the system has them
        unsigned group = 0;
        // A link another user made in a shared folder (world-writable and
        // sticky, as /tmp): not followed, as the system's own protection of
        // such folders would not follow it.
        bool bForeignLink = false;
        int error = 0; // nonzero when the path cannot be examined
    };
    static Target Inspect(const std::string& path);
    // Whether any part of path, the last one included, is a symbolic link
    // that neither this user nor the system made: for files that are this
    // user's own (logs, backups), which no other user's link may redirect.
    static bool ForeignLinkOnPath(const std::string& path);

    // How long a name in the folder of path may be, in bytes.
    static std::size_t NameMax(const std::string& path);
    // Where the folder part of a path ends: the separators of this system.
#ifdef _WIN32
    static constexpr const char* Separators = "/\\";
#else
    static constexpr const char* Separators = "/";
#endif

    NativeFile() = default;
    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&& other) noexcept;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;
    ~NativeFile();

    // A new file with a name that starts with prefix and that nobody else can
    // have made: created exclusively, never through an existing name or link.
    // With permissions, the file gets them; without, the system's default for
    // new files. createdPath receives the name.
    static NativeFile CreateUnique(const std::string& prefix, std::optional<unsigned> permissions,
                                   std::string& createdPath);
    // A new, empty file at path; fails when anything exists there already.
    static NativeFile CreateNew(const std::string& path);
    // An existing regular file, for writing in place; not truncated.
    static NativeFile OpenExistingForWriting(const std::string& path);
    // A regular file for adding to its end, made when missing (bCreated then
    // says so). Every write lands at the end as one piece, so lines that two
    // programs add at the same time are all kept, none cut into another.
    static NativeFile OpenForAppending(const std::string& path, bool& bCreated);
    // A regular file for reading. Never waits: a pipe, a device or a folder is
    // refused (kind tells which it was) instead of being opened.
    static NativeFile OpenForReading(const std::string& path, Kind& kind);

    bool IsOpen() const {
        return m_Handle >= 0;
    }
    // The system's error number of the last call that failed.
    int Error() const {
        return m_Error;
    }

    std::optional<std::uint64_t> Size();
    // Up to n bytes; 0 at the end of the file, -1 on an error.
    long long Read(char* buffer, std::size_t n);
    bool WriteAll(std::string_view data);
    bool Truncate(std::uint64_t size);
    // Gives this new file the owner, group and permission bits of target, as
    // far as this user may set them. False when set-id bits would survive on
    // a file of another owner or group, or could not be kept at all.
    bool Adopt(const Target& target);
    // Waits until the data is on the disk.
    bool Flush();
    bool Close();

    // Renames from over to within one folder, replacing to in one step.
    static bool Replace(const std::string& from, const std::string& to, int& error);
    static void Remove(const std::string& path);
    // The system's words for an error number; for Chinese, the Chinese words
    // where there are any.
    static std::string Describe(int error, Lang lang = Lang::English);

private:
    explicit NativeFile(std::intptr_t handle) : m_Handle(handle) {}

    std::intptr_t m_Handle = -1;
    int m_Error = 0;
};
