#include "image/AtomicFileWriter.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

AtomicFileWriter::AtomicFileWriter(std::string path) : m_Path(std::move(path)) {}

std::string AtomicFileWriter::TemporaryPath() const {
    return m_Path + ".saving";
}

bool AtomicFileWriter::Write(std::string_view data) {
    namespace fs = std::filesystem;
    const std::string temp = TemporaryPath();
    std::error_code ec;
    const auto fail = [&](Failure failure) {
        fs::remove(temp, ec);
        m_Failure = failure;
        return false;
    };
    const fs::file_status target = fs::status(m_Path, ec);
    const bool targetExists = !ec && fs::exists(target);
    if (targetExists && fs::is_regular_file(target) &&
        (target.permissions() & fs::perms::owner_write) == fs::perms::none) {
        m_Failure = Failure::ReadOnly;
        return false;
    }
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            return fail(Failure::Create);
        }
        std::string_view part = data;
        if (m_InterruptAfter && *m_InterruptAfter < data.size()) {
            part = data.substr(0, *m_InterruptAfter);
        }
        out.write(part.data(), static_cast<std::streamsize>(part.size()));
        out.flush();
        const bool interrupted = part.size() != data.size();
        m_InterruptAfter.reset();
        if (!out || interrupted) {
            return fail(Failure::Write);
        }
        out.close();
        if (!out) {
            return fail(Failure::Write);
        }
    }
    if (targetExists) {
        fs::permissions(temp, target.permissions(), ec); // best effort
    }
    fs::rename(temp, m_Path, ec);
    if (ec) {
        return fail(Failure::Replace);
    }
    m_Failure = Failure::None;
    return true;
}
