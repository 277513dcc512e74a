#include "image/AtomicFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>

#include "image/NativeFile.h"

AtomicFileWriter::AtomicFileWriter(std::string path, Links links)
    : m_Path(std::move(path)), m_Links(links) {}

bool AtomicFileWriter::Fail(Failure failure, int error) {
    m_Failure = failure;
    m_Reason = error != 0 ? NativeFile::Describe(error) : std::string();
    m_ReasonChinese = error != 0 ? NativeFile::Describe(error, Lang::Chinese) : std::string();
    return false;
}

std::string_view AtomicFileWriter::Portion(std::string_view data) {
    std::string_view part = data;
    if (m_InterruptAfter && *m_InterruptAfter < data.size()) {
        part = data.substr(0, *m_InterruptAfter);
    }
    m_InterruptAfter.reset();
    return part;
}

namespace {

namespace fs = std::filesystem;

// Paths are UTF-8 inside the program; std::filesystem reads a plain string in
// the system's code page on Windows, so they go through char8_t.
fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}
std::string Utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

std::optional<std::string> AtomicFileWriter::WriteNewFile(const std::string& path,
                                                          std::string_view data) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of(NativeFile::Separators);
    const bool bExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = bExtension ? path.substr(0, dot) : path;
    const std::string extension = bExtension ? path.substr(dot) : std::string();
    std::string created;
    NativeFile file = NativeFile::CreateUnique(stem + "-", std::nullopt, created);
    if (!file.IsOpen()) {
        return std::nullopt;
    }
    if (!file.WriteAll(data) || !file.Flush() || !file.Close()) {
        file.Close();
        NativeFile::Remove(created);
        return std::nullopt;
    }
    // The extension comes after the random part, so that name is unforeseen
    // too; should it be taken all the same, the file keeps its first name.
    int error = 0;
    if (!extension.empty() &&
        NativeFile::Inspect(created + extension).kind == NativeFile::Kind::Missing &&
        NativeFile::Replace(created, created + extension, error)) {
        created += extension;
    }
    return created;
}

void AtomicFileWriter::RemoveLeftovers(const std::string& prefix) {
    // A save that was killed between creating its new file and renaming it
    // leaves that file behind. Only a name this writer makes (the prefix and
    // RandomLength letters or digits) and only one nobody has touched for a
    // while: another window may be saving the same file right now.
    const std::string folderText =
        prefix.substr(0, prefix.find_last_of(NativeFile::Separators) + 1);
    const fs::path folder = PathOf(folderText.empty() ? "." : folderText);
    const std::string namePrefix = prefix.substr(folderText.size());
    const auto cutoff = fs::file_time_type::clock::now() - LeftoverAge;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = Utf8Of(it->path().filename());
        const bool bOurs =
            name.size() == namePrefix.size() + RandomLength && name.starts_with(namePrefix) &&
            std::all_of(name.begin() + static_cast<long>(namePrefix.size()), name.end(),
                        [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
        std::error_code ignored;
        if (bOurs && it->is_regular_file(ignored) && !it->is_symlink(ignored) &&
            it->last_write_time(ignored) < cutoff) {
            NativeFile::Remove(Utf8Of(it->path()));
        }
    }
}

std::string AtomicFileWriter::TemporaryPrefix(const std::string& target) {
    constexpr std::string_view Marker = ".saving-";
    const std::size_t slash = target.find_last_of(NativeFile::Separators);
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t max = NativeFile::NameMax(target);
    const std::size_t room =
        max > Marker.size() + RandomLength + 1 ? max - Marker.size() - RandomLength : 1;
    // A long name is cut, at a character's start, to leave room for the rest.
    std::size_t end = std::min(target.size(), start + room);
    while (end > start + 1 && end < target.size() &&
           (static_cast<unsigned char>(target[end]) & 0xC0) == 0x80) {
        --end;
    }
    return target.substr(0, end) + std::string(Marker);
}

bool AtomicFileWriter::Examine(NativeFile::Target& target) {
    m_Failure = Failure::None;
    m_Reason.clear();
    m_ReasonChinese.clear();
    target = NativeFile::Inspect(m_Path);
    m_bTargetExisted = target.kind != NativeFile::Kind::Missing;
    if (target.bForeignLink ||
        (m_Links == Links::OwnOnly && NativeFile::ForeignLinkOnPath(m_Path))) {
        return Fail(Failure::ForeignLink, 0);
    }
    if (target.error != 0) {
        return Fail(Failure::Unreachable, target.error);
    }
    if (target.kind == NativeFile::Kind::Other) {
        return Fail(Failure::NotRegular, 0);
    }
    if (target.kind == NativeFile::Kind::Regular && !target.bWritable) {
        // Only a file no one may write is read-only; another user's file
        // that its mode lets its owner write is closed to us, not read-only.
        const bool bOwnerMayWrite = (target.permissions & 0200) != 0;
        return Fail(target.bOthers && bOwnerMayWrite ? Failure::Forbidden : Failure::ReadOnly, 0);
    }
    return true;
}

bool AtomicFileWriter::Probe(std::size_t bytes) {
    NativeFile::Target target;
    if (!Examine(target)) {
        return false;
    }
    std::string temp;
    NativeFile out = NativeFile::CreateUnique(TemporaryPrefix(target.path), std::nullopt, temp);
    if (out.IsOpen()) {
        const bool ok = bytes == 0 || (out.WriteAll(std::string(bytes, '\0')) && out.Flush());
        const int error = out.Error();
        out.Close();
        NativeFile::Remove(temp);
        return ok || Fail(Failure::Write, error);
    }
    const int error = out.Error();
    if (m_bTargetExisted && (error == EACCES || error == EPERM) &&
        NativeFile::OpenExistingForWriting(target.path).IsOpen()) {
        return true;
    }
    return Fail(Failure::Create, error);
}

bool AtomicFileWriter::Write(std::string_view data) {
    NativeFile::Target target;
    if (!Examine(target)) {
        return false;
    }
    const std::optional<unsigned> permissions =
        m_bTargetExisted ? std::optional<unsigned>(target.permissions) : std::nullopt;
    std::string temp;
    NativeFile out = NativeFile::CreateUnique(TemporaryPrefix(target.path), permissions, temp);
    if (!out.IsOpen()) {
        const int error = out.Error();
        if (m_bTargetExisted && (error == EACCES || error == EPERM)) {
            // The folder is closed to us but the file is not: keeping the
            // user's change matters more than the all-or-nothing replacement.
            return WriteInPlace(target.path, data);
        }
        return Fail(Failure::Create, error);
    }
    if (m_bTargetExisted && !out.Adopt(target)) {
        const int error = out.Error();
        out.Close();
        NativeFile::Remove(temp);
        const bool bSetId = (target.permissions & 06000) != 0;
        return Fail(bSetId ? Failure::SetId : Failure::Create, bSetId ? 0 : error);
    }
    const std::string_view part = Portion(data);
    if (!out.WriteAll(part) || part.size() != data.size() || !out.Flush() || !out.Close()) {
        const int error = out.Error();
        out.Close();
        NativeFile::Remove(temp);
        return Fail(Failure::Write, error);
    }
    int error = 0;
    if (!NativeFile::Replace(temp, target.path, error)) {
        NativeFile::Remove(temp);
        return Fail(Failure::Replace, error);
    }
    RemoveLeftovers(TemporaryPrefix(target.path));
    return true;
}

bool AtomicFileWriter::WriteInPlace(const std::string& target, std::string_view data) {
    NativeFile out = NativeFile::OpenExistingForWriting(target);
    if (!out.IsOpen()) {
        return Fail(Failure::Create, out.Error());
    }
    const std::string_view part = Portion(data);
    if (!out.WriteAll(part) || part.size() != data.size() || !out.Truncate(data.size()) ||
        !out.Flush() || !out.Close()) {
        return Fail(Failure::InPlace, out.Error());
    }
    return true;
}
