#include "image/NativeFile.h"
#include "image/SystemErrorText.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr int MaxLinkHops = 40; // as the kernel's own limit for a path
constexpr int MaxNameTries = 100;

NativeFile::Kind KindOf(mode_t mode) {
    return S_ISREG(mode) ? NativeFile::Kind::Regular : NativeFile::Kind::Other;
}

// Opens path with flags (new files get the default permissions): the
// descriptor of a regular file, or -1 with error set.
int OpenRegular(const std::string& path, int flags, int& error) {
    const int fd = ::open(path.c_str(), flags, 0666);
    error = fd < 0 ? errno : 0;
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || KindOf(st.st_mode) != NativeFile::Kind::Regular)) {
        ::close(fd);
        error = EINVAL;
        return -1;
    }
    return fd;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The system's rule for links in world-writable sticky folders (/tmp and the
// like): another user's link there is followed only when the folder's owner
// made it. This program follows links itself, so it keeps the rule itself.
bool TrustedLink(const std::string& path, const struct stat& link) {
    if (link.st_uid == ::geteuid()) {
        return true;
    }
    const std::string folder = FolderOf(path);
    struct stat st {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &st) != 0) {
        return false;
    }
    const bool bShared = (st.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !bShared || st.st_uid == link.st_uid;
}

bool InGroup(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(0, ::getgroups(0, nullptr))));
    const int n = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return n > 0 && std::find(groups.begin(), groups.begin() + n, group) != groups.begin() + n;
}

// Where a chain of symbolic links ends, without touching the files.
bool FollowLinks(std::string& path, int& error, bool& bForeign) {
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return true;
        }
        if (!TrustedLink(path, st)) {
            bForeign = true;
            error = EACCES;
            return false;
        }
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n < 0) {
            error = errno;
            return false;
        }
        const std::string next(target, static_cast<std::size_t>(n));
        path = next.front() == '/' ? next : FolderOf(path) + next;
    }
    error = ELOOP;
    return false;
}

std::string RandomSuffix() {
    static std::atomic<unsigned> counter{0};
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::mt19937 random(device() ^ (counter++ * 2654435761u) ^ static_cast<unsigned>(::getpid()));
    std::string suffix(8, 'a');
    for (char& c : suffix) {
        c = Letters[random() % (sizeof Letters - 1)];
    }
    return suffix;
}

} // namespace

NativeFile::Target NativeFile::Inspect(const std::string& path) {
    Target target;
    target.path = path;
    if (!FollowLinks(target.path, target.error, target.bForeignLink)) {
        return target;
    }
    struct stat st {};
    if (::stat(target.path.c_str(), &st) != 0) {
        if (errno != ENOENT) {
            target.error = errno;
        }
        return target;
    }
    target.kind = KindOf(st.st_mode);
    target.permissions = static_cast<unsigned>(st.st_mode & 07777);
    target.owner = st.st_uid;
    target.group = st.st_gid;
    target.bOthers = st.st_uid != ::geteuid();
    target.bWritable = target.kind == Kind::Regular && (st.st_mode & S_IWUSR) != 0 &&
                       ::access(target.path.c_str(), W_OK) == 0;
    return target;
}

bool NativeFile::ForeignLinkOnPath(const std::string& path) {
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string part = path.substr(0, end);
        struct stat st {};
        if (!part.empty() && ::lstat(part.c_str(), &st) == 0 && S_ISLNK(st.st_mode) &&
            st.st_uid != ::geteuid() && st.st_uid != 0) {
            return true;
        }
        if (end == std::string::npos) {
            return false;
        }
    }
}

NativeFile NativeFile::CreateUnique(const std::string& prefix, std::optional<unsigned> permissions,
                                    std::string& createdPath) {
    NativeFile file;
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        const std::string name = prefix + RandomSuffix();
        // O_EXCL makes the call fail on anything already there, a link included.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              permissions ? S_IRUSR | S_IWUSR : 0666);
        if (fd < 0) {
            file.m_Error = errno;
            if (errno == EEXIST) {
                continue;
            }
            return file;
        }
        file.m_Handle = fd;
        if (permissions && ::fchmod(fd, static_cast<mode_t>(*permissions & 0777)) != 0) {
            file.m_Error = errno;
            file.Close();
            ::unlink(name.c_str());
            return file;
        }
        createdPath = name;
        return file;
    }
    return file;
}

std::size_t NativeFile::NameMax(const std::string& path) {
    const std::string folder = FolderOf(path);
    const long max = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return max > 0 ? static_cast<std::size_t>(max) : NAME_MAX;
}

NativeFile NativeFile::CreateNew(const std::string& path) {
    NativeFile file;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    file.m_Handle = fd;
    file.m_Error = fd < 0 ? errno : 0;
    return file;
}

NativeFile NativeFile::OpenExistingForWriting(const std::string& path) {
    NativeFile file;
    // Non-blocking, so that a pipe put in the file's place cannot hold the open.
    file.m_Handle =
        OpenRegular(path, O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, file.m_Error);
    return file;
}

NativeFile NativeFile::OpenForAppending(const std::string& path, bool& bCreated) {
    NativeFile file;
    // Never through a link: the caller names the file itself.
    const int flags = O_WRONLY | O_APPEND | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC;
    file.m_Handle = OpenRegular(path, flags | O_CREAT | O_EXCL, file.m_Error);
    bCreated = file.m_Handle >= 0;
    if (!bCreated && file.m_Error == EEXIST) {
        file.m_Handle = OpenRegular(path, flags, file.m_Error);
    }
    return file;
}

NativeFile NativeFile::OpenForReading(const std::string& path, Kind& kind) {
    NativeFile file;
    kind = Kind::Missing;
    // O_NONBLOCK: opening a pipe with no writer, or a modem line without
    // carrier, would otherwise wait for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        file.m_Error = errno;
        if (errno == EISDIR || errno == ENXIO) {
            kind = Kind::Other;
        }
        return file;
    }
    file.m_Handle = fd;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        file.m_Error = errno;
        file.Close();
        return file;
    }
    kind = KindOf(st.st_mode);
    if (kind != Kind::Regular) {
        file.Close();
        file.m_Error = EINVAL;
        return file;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    return file;
}

std::optional<std::uint64_t> NativeFile::Size() {
    struct stat st {};
    if (m_Handle < 0 || ::fstat(static_cast<int>(m_Handle), &st) != 0) {
        m_Error = errno;
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(st.st_size);
}

long long NativeFile::Read(char* buffer, std::size_t n) {
    for (;;) {
        const ssize_t r = ::read(static_cast<int>(m_Handle), buffer, n);
        if (r >= 0) {
            return r;
        }
        if (errno != EINTR) {
            m_Error = errno;
            return -1;
        }
    }
}

bool NativeFile::WriteAll(std::string_view data) {
    while (!data.empty()) {
        const ssize_t r = ::write(static_cast<int>(m_Handle), data.data(), data.size());
        if (r < 0) {
            if (errno == EINTR) {
                continue;
            }
            m_Error = errno;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(r));
    }
    return true;
}

bool NativeFile::Truncate(std::uint64_t size) {
    if (::ftruncate(static_cast<int>(m_Handle), static_cast<off_t>(size)) != 0) {
        m_Error = errno;
        return false;
    }
    return true;
}

bool NativeFile::Adopt(const Target& target) {
    const int fd = static_cast<int>(m_Handle);
    // Root may give the file back to its owner; anyone may hand it to a group
    // of theirs. Otherwise the saver owns the new file.
    const bool bRoot = ::geteuid() == 0;
    const uid_t owner = bRoot ? static_cast<uid_t>(target.owner) : static_cast<uid_t>(-1);
    const gid_t group = bRoot || InGroup(static_cast<gid_t>(target.group))
                            ? static_cast<gid_t>(target.group)
                            : static_cast<gid_t>(-1);
    if (::fchown(fd, owner, group) != 0 && bRoot) {
        m_Error = errno;
        return false;
    }
    // After the owner: a change of owner clears the set-id bits.
    if (::fchmod(fd, static_cast<mode_t>(target.permissions & 07777)) != 0) {
        m_Error = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        m_Error = errno;
        return false;
    }
    const unsigned setId = target.permissions & (S_ISUID | S_ISGID);
    const bool bKept = (st.st_mode & (S_ISUID | S_ISGID)) == setId &&
                       (!(setId & S_ISUID) || st.st_uid == target.owner) &&
                       (!(setId & S_ISGID) || st.st_gid == target.group);
    if (!bKept) {
        m_Error = EPERM;
        return false;
    }
    return true;
}

bool NativeFile::Flush() {
    if (::fsync(static_cast<int>(m_Handle)) != 0) {
        m_Error = errno;
        return false;
    }
    return true;
}

bool NativeFile::Close() {
    if (m_Handle < 0) {
        return true;
    }
    const int fd = static_cast<int>(std::exchange(m_Handle, -1));
    if (::close(fd) != 0 && errno != EINTR) {
        m_Error = errno;
        return false;
    }
    return true;
}

bool NativeFile::Replace(const std::string& from, const std::string& to, int& error) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        error = errno;
        return false;
    }
    return true;
}

void NativeFile::Remove(const std::string& path) {
    ::unlink(path.c_str());
}

std::string NativeFile::Describe(int error, Lang lang) {
    const std::string chinese = lang == Lang::Chinese ? ChineseSystemError(error) : std::string();
    return chinese.empty() ? std::string(std::strerror(error)) : chinese;
}
