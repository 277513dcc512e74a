#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "image/NativeFile.h"

// Replaces a whole file so that it holds either its old contents or the new,
// never a mix, in the way of QSaveFile: the data goes to a new file of a unique
// name beside the target, created exclusively (so nothing planted under that
// name can be written through), which is renamed over the target only when
// every byte has been written. Every failure removes it again.
//
// The name the user gave may be a symbolic link: the file it leads to is the
// one saved, and the link stays. Only regular files are replaced; a folder,
// device or pipe is refused. Renaming would get around a read-only target's
// protection, so a target that is not writable is refused; an existing
// target's permissions are kept, and its owner and group where this user may
// set them (as root, or a group of the user's); set-id bits are kept only on
// a file of the same owner and group, else the save is refused. A new file
// gets the system's default. A writable file in a folder this program cannot
// write is written in place. A link another user planted in a shared sticky
// folder (/tmp) is not followed. A new file that a killed save left beside
// the target is removed by the next save of that target.
class AtomicFileWriter {
public:
    static constexpr std::size_t RandomLength = 8; // what CreateUnique appends
    // A new file untouched for this long is a killed save's, not one in progress.
    static constexpr std::chrono::minutes LeftoverAge{1};

    enum class Failure {
        None,
        ReadOnly,    // the target is there but may not be written
        Forbidden,   // the target belongs to another user who does not let us write it
        ForeignLink, // a link another user made in a shared folder
        Unreachable, // the path cannot be followed (a loop of links, say)
        SetId,       // the target's set-id bits could not be kept
        NotRegular,  // the target is a folder, a device or a pipe
        Create,      // no file could be made beside the target: nothing changed
        Write,       // writing the new file failed: the target is unchanged
        Replace,     // the new file could not take the target's place
        InPlace,     // writing the target in place failed part-way
    };

    // Which symbolic links on the way to the file are followed: those a save
    // of the user's own choice follows, or, for files that are this user's
    // own (logs, backups), none that another user made anywhere on the path.
    enum class Links { AsSaved, OwnOnly };

    explicit AtomicFileWriter(std::string path, Links links = Links::AsSaved);

    // Writes data to a new file named like path with random letters before
    // its extension ("out-k3v9x2qa.sin" for "out.sin"), created exclusively
    // as mkstemp does: nobody can foresee the name, so nothing planted in a
    // shared folder can take the data's place. Returns the name, or nothing.
    static std::optional<std::string> WriteNewFile(const std::string& path, std::string_view data);

    bool Write(std::string_view data);
    // Tells, without changing anything, whether Write could save the file:
    // lets a long job check its output before it starts.
    // With bytes, a file of that many bytes is written and removed again, so
    // that a full disk is found out too.
    bool Probe(std::size_t bytes = 0);

    Failure LastFailure() const { return m_Failure; }
    // Whether a file was at the path when the last Write began.
    bool TargetExisted() const { return m_bTargetExisted; }
    // The system's reason for the last failure, when it gave one.
    const std::string& Reason() const { return m_Reason; }
    const std::string& ReasonChinese() const { return m_ReasonChinese; }
    const std::string& Path() const { return m_Path; }

    // Makes the next Write stop after this many bytes, as a full disk or a
    // crash would; lets tests check what such a write leaves behind.
    void InterruptAfter(std::size_t bytes) { m_InterruptAfter = bytes; }

private:
    bool Examine(NativeFile::Target& target);
    bool Fail(Failure failure, int error);
    bool WriteInPlace(const std::string& target, std::string_view data);
    std::string_view Portion(std::string_view data);
    static std::string TemporaryPrefix(const std::string& target);
    static void RemoveLeftovers(const std::string& prefix);

    std::string m_Path;
    Links m_Links;
    Failure m_Failure = Failure::None;
    bool m_bTargetExisted = false;
    std::string m_Reason;
    std::string m_ReasonChinese;
    std::optional<std::size_t> m_InterruptAfter;
};
