#include "image/AtomicFileWriter.h"

#include <cerrno>
#include <utility>

#include "image/NativeFile.h"

AtomicFileWriter::AtomicFileWriter(std::string path) : m_Path(std::move(path)) {}

bool AtomicFileWriter::Fail(Failure failure, int error) {
    m_Failure = failure;
    m_Reason = error != 0 ? NativeFile::Describe(error) : std::string();
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

bool AtomicFileWriter::Examine(NativeFile::Target& target) {
    m_Failure = Failure::None;
    m_Reason.clear();
    target = NativeFile::Inspect(m_Path);
    m_bTargetExisted = target.kind != NativeFile::Kind::Missing;
    if (target.error != 0) {
        return Fail(Failure::Create, target.error);
    }
    if (target.kind == NativeFile::Kind::Other) {
        return Fail(Failure::NotRegular, 0);
    }
    if (target.kind == NativeFile::Kind::Regular && !target.bWritable) {
        return Fail(Failure::ReadOnly, 0);
    }
    return true;
}

bool AtomicFileWriter::Probe() {
    NativeFile::Target target;
    if (!Examine(target)) {
        return false;
    }
    std::string temp;
    NativeFile out = NativeFile::CreateUnique(target.path + ".saving-", std::nullopt, temp);
    if (out.IsOpen()) {
        out.Close();
        NativeFile::Remove(temp);
        return true;
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
    NativeFile out = NativeFile::CreateUnique(target.path + ".saving-", permissions, temp);
    if (!out.IsOpen()) {
        const int error = out.Error();
        if (m_bTargetExisted && (error == EACCES || error == EPERM)) {
            // The folder is closed to us but the file is not: keeping the
            // user's change matters more than the all-or-nothing replacement.
            return WriteInPlace(target.path, data);
        }
        return Fail(Failure::Create, error);
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
