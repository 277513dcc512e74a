#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Replaces a whole file so that it holds either its old contents or the new,
// never a mix: the data goes to a temporary file beside the target, which is
// renamed over the target only when every byte has been written. A failed or
// interrupted write leaves the target as it was and removes the temporary file.
// Renaming would get around a read-only target's protection, so a target that
// is not writable is refused; an existing target's permissions are kept.
class AtomicFileWriter {
public:
    enum class Failure { None, ReadOnly, Create, Write, Replace };

    explicit AtomicFileWriter(std::string path);

    bool Write(std::string_view data);

    Failure LastFailure() const { return m_Failure; }
    const std::string& Path() const { return m_Path; }
    std::string TemporaryPath() const;

    // Makes the next Write stop after this many bytes, as a full disk or a
    // crash would; lets tests check what such a write leaves behind.
    void InterruptAfter(std::size_t bytes) { m_InterruptAfter = bytes; }

private:
    std::string m_Path;
    Failure m_Failure = Failure::None;
    std::optional<std::size_t> m_InterruptAfter;
};
