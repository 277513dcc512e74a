#include "image/NativeFile.h"
#include "image/SystemErrorText.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>
#include <utility>

#include "base/WinText.h"

// The Windows side of NativeFile. Paths are UTF-8, as everywhere in the
// program, and reach the system as UTF-16. Error numbers stay errno values
// where the code above tests for one (access denied, missing, existing); any
// other Windows error is kept as WindowsErrorBase + its code, so that Describe
// gives the system's own words for it.
namespace {

constexpr int WindowsErrorBase = 0x10000;
constexpr int MaxNameTries = 100;

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

int ErrorNumber(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return WindowsErrorBase + static_cast<int>(error);
    }
}

int LastError() {
    return ErrorNumber(GetLastError());
}

// The names Windows gives to devices in every folder (NUL, CON, COM1, ...)
// and paths into the device namespace: never files to read or replace.
bool IsDeviceName(const std::string& path) {
    if (path.rfind("\\\\.\\", 0) == 0 || path.rfind("\\\\?\\GLOBALROOT", 0) == 0) {
        return true;
    }
    const std::size_t slash = path.find_last_of("\\/:");
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    name = name.substr(0, name.find('.'));
    for (char& c : name) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    while (!name.empty() && name.back() == ' ') {
        name.pop_back();
    }
    if (name == "CON" || name == "PRN" || name == "AUX" || name == "NUL" || name == "CONIN$" ||
        name == "CONOUT$") {
        return true;
    }
    return name.size() == 4 && (name.rfind("COM", 0) == 0 || name.rfind("LPT", 0) == 0) &&
           name[3] >= '0' && name[3] <= '9';
}

std::string RandomSuffix() {
    static std::atomic<unsigned> counter{0};
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::mt19937 random(device() ^ (counter++ * 2654435761u) ^
                        static_cast<unsigned>(GetCurrentProcessId()));
    std::string suffix(8, 'a');
    for (char& c : suffix) {
        c = Letters[random() % (sizeof Letters - 1)];
    }
    return suffix;
}

// Where a symbolic link (or junction) leads: the file the system would open.
bool FinalPath(std::string& path, int& error) {
    const HANDLE h = CreateFileW(WinText::Wide(path).c_str(), 0,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = LastError();
        return false;
    }
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetFinalPathNameByHandleW(h, buffer, sizeof buffer / sizeof buffer[0],
                                              FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(h);
    if (n == 0 || n >= sizeof buffer / sizeof buffer[0]) {
        error = LastError();
        return false;
    }
    std::string resolved = WinText::Utf8(std::wstring(buffer, n));
    if (resolved.rfind("\\\\?\\", 0) == 0 && resolved.rfind("\\\\?\\UNC\\", 0) != 0) {
        resolved.erase(0, 4); // "\\?\C:\..." is C:\...
    }
    path = resolved;
    return true;
}

// A handle that is open on a regular file on a disk, not a folder or a device.
bool IsRegularFile(HANDLE h) {
    if (GetFileType(h) != FILE_TYPE_DISK) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(h, &info) &&
           (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Opens a regular file that is no device name: its handle as a number, or -1
// with error set.
std::intptr_t OpenRegular(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                          int& error) {
    error = EINVAL;
    if (IsDeviceName(path)) {
        return -1;
    }
    const HANDLE h = CreateFileW(WinText::Wide(path).c_str(), access, share, nullptr, disposition,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = LastError();
        return -1;
    }
    if (!IsRegularFile(h)) {
        CloseHandle(h);
        return -1;
    }
    error = 0;
    return reinterpret_cast<std::intptr_t>(h);
}

} // namespace

NativeFile::Target NativeFile::Inspect(const std::string& path) {
    Target target;
    target.path = path;
    if (IsDeviceName(path)) {
        target.kind = Kind::Other;
        return target;
    }
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(WinText::Wide(path).c_str(), GetFileExInfoStandard, &data)) {
        const int error = LastError();
        if (error != ENOENT) {
            target.error = error;
        }
        return target;
    }
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        if (!FinalPath(target.path, target.error)) {
            return target;
        }
        if (!GetFileAttributesExW(WinText::Wide(target.path).c_str(), GetFileExInfoStandard,
                                  &data)) {
            target.error = LastError();
            return target;
        }
    }
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        target.kind = Kind::Other;
        return target;
    }
    target.kind = Kind::Regular;
    const bool bReadOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    target.permissions = bReadOnly ? 0444 : 0666;
    if (!bReadOnly) {
        // The read-only flag is not the whole story: the file's access list may
        // forbid writing too. Opening for writing (and closing again) asks.
        const HANDLE h = CreateFileW(WinText::Wide(target.path).c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            CloseHandle(h);
            target.bWritable = true;
        } else {
            target.bWritable = GetLastError() != ERROR_ACCESS_DENIED;
        }
    }
    return target;
}

NativeFile NativeFile::CreateUnique(const std::string& prefix, std::optional<unsigned> permissions,
                                    std::string& createdPath) {
    NativeFile file;
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        const std::string name = prefix + RandomSuffix();
        // CREATE_NEW fails on anything already there, a link included. The new
        // file takes the folder's access list, as any new file there would;
        // of the old permissions only the read-only flag exists here, and a
        // read-only target is never replaced.
        const HANDLE h = CreateFileW(WinText::Wide(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            file.m_Error = LastError();
            if (file.m_Error == EEXIST) {
                continue;
            }
            return file;
        }
        (void)permissions;
        file.m_Handle = reinterpret_cast<std::intptr_t>(h);
        createdPath = name;
        return file;
    }
    return file;
}

NativeFile NativeFile::CreateNew(const std::string& path) {
    NativeFile file;
    const HANDLE h = CreateFileW(WinText::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        file.m_Error = LastError();
        return file;
    }
    file.m_Handle = reinterpret_cast<std::intptr_t>(h);
    return file;
}

NativeFile NativeFile::OpenExistingForWriting(const std::string& path) {
    NativeFile file;
    file.m_Handle = OpenRegular(path, GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING, file.m_Error);
    return file;
}

NativeFile NativeFile::OpenForAppending(const std::string& path, bool& bCreated) {
    NativeFile file;
    // Append access alone: the system puts every write at the end in one piece.
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    file.m_Handle = OpenRegular(path, FILE_APPEND_DATA, share, CREATE_NEW, file.m_Error);
    bCreated = file.m_Handle >= 0;
    if (!bCreated && file.m_Error == EEXIST) {
        file.m_Handle = OpenRegular(path, FILE_APPEND_DATA, share, OPEN_EXISTING, file.m_Error);
    }
    return file;
}

NativeFile NativeFile::OpenForReading(const std::string& path, Kind& kind) {
    NativeFile file;
    kind = Kind::Missing;
    // Opening a device (a serial port, the console) could take it from its
    // owner or wait for it: such names are refused before any open.
    if (IsDeviceName(path)) {
        kind = Kind::Other;
        file.m_Error = EINVAL;
        return file;
    }
    // FILE_FLAG_BACKUP_SEMANTICS lets a folder open, so that it is told apart
    // from a missing file.
    const HANDLE h = CreateFileW(WinText::Wide(path).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        file.m_Error = LastError();
        return file;
    }
    file.m_Handle = reinterpret_cast<std::intptr_t>(h);
    if (!IsRegularFile(h)) {
        kind = Kind::Other;
        file.Close();
        file.m_Error = EISDIR;
        return file;
    }
    kind = Kind::Regular;
    return file;
}

std::optional<std::uint64_t> NativeFile::Size() {
    LARGE_INTEGER size{};
    if (m_Handle == -1 || !GetFileSizeEx(AsHandle(m_Handle), &size)) {
        m_Error = LastError();
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

long long NativeFile::Read(char* buffer, std::size_t n) {
    const DWORD chunk = n > 0x40000000u ? 0x40000000u : static_cast<DWORD>(n);
    DWORD got = 0;
    if (!ReadFile(AsHandle(m_Handle), buffer, chunk, &got, nullptr)) {
        m_Error = LastError();
        return -1;
    }
    return got;
}

bool NativeFile::WriteAll(std::string_view data) {
    while (!data.empty()) {
        const DWORD chunk =
            data.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(data.size());
        DWORD written = 0;
        if (!WriteFile(AsHandle(m_Handle), data.data(), chunk, &written, nullptr)) {
            m_Error = LastError();
            return false;
        }
        data.remove_prefix(written);
    }
    return true;
}

bool NativeFile::Truncate(std::uint64_t size) {
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(AsHandle(m_Handle), position, nullptr, FILE_BEGIN) ||
        !SetEndOfFile(AsHandle(m_Handle))) {
        m_Error = LastError();
        return false;
    }
    return true;
}

bool NativeFile::Adopt(const Target&) {
    // The read-only flag, all there is of the old permissions here, was
    // given at creation; owners and set-id bits do not exist.
    return true;
}

std::size_t NativeFile::NameMax(const std::string&) {
    return 255;
}

bool NativeFile::Flush() {
    if (!FlushFileBuffers(AsHandle(m_Handle))) {
        m_Error = LastError();
        return false;
    }
    return true;
}

bool NativeFile::Close() {
    if (m_Handle == -1) {
        return true;
    }
    const HANDLE h = AsHandle(std::exchange(m_Handle, -1));
    if (!CloseHandle(h)) {
        m_Error = LastError();
        return false;
    }
    return true;
}

bool NativeFile::Replace(const std::string& from, const std::string& to, int& error) {
    // As QSaveFile does on Windows: one rename that replaces the old file.
    if (!MoveFileExW(WinText::Wide(from).c_str(), WinText::Wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = LastError();
        return false;
    }
    return true;
}

bool NativeFile::ForeignLinkOnPath(const std::string&) {
    // Making a symbolic link takes an administrator or developer mode here,
    // and a user's profile folders are closed to other users.
    return false;
}

void NativeFile::Remove(const std::string& path) {
    DeleteFileW(WinText::Wide(path).c_str());
}

std::string NativeFile::Describe(int error, Lang lang) {
    const std::string chinese = lang == Lang::Chinese && error < WindowsErrorBase
                                    ? ChineseSystemError(error)
                                    : std::string();
    if (!chinese.empty()) {
        return chinese;
    }
    if (error < WindowsErrorBase) {
        return std::strerror(error);
    }
    return WinText::ErrorText(static_cast<unsigned long>(error - WindowsErrorBase));
}
