#include "image/AtomicFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include "image/NativeFile.h"

AtomicFileWriter::AtomicFileWriter(std::string path) : m_Path(std::move(path)) {}

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

std::string AtomicFileWriter::TemporaryPrefix(const std::string& target) {
    constexpr std::string_view Marker = ".saving-";
    constexpr std::size_t RandomLength = 8; // what CreateUnique appends
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
    if (target.bForeignLink) {
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
