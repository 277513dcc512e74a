#pragma once

#include <string>

#include "base/Lang.h"
#include "image/AtomicFileWriter.h"
#include "image/MemoryImage.h"

// The outcome of a file operation: on failure a message for the user in both
// languages, naming the file and what went wrong.
struct FileOutcome {
    bool ok = true;
    std::string englishMessage;
    std::string chineseMessage;
    const std::string& Message(Lang lang) const {
        return lang == Lang::Chinese ? chineseMessage : englishMessage;
    }
};

// The one document: owns the memory image for the whole run.
class ChannelFile {
public:
    ChannelFile();

    MemoryImage& Image() { return m_Image; }
    const MemoryImage& Image() const { return m_Image; }

    // Replaces the image with the new-document contents.
    void MakeNew();

    // Reads a channel file, exactly 4096 bytes, into the image. A file of
    // another size, one that cannot be read or no regular file (a folder, a
    // device, a pipe) is refused and the image stays as it was.
    FileOutcome LoadFile(const std::string& path);

    // Writes the 4096 image bytes by AtomicFileWriter: a failed save never
    // damages the old file, and the message says what became of it.
    FileOutcome SaveFile(const std::string& path) const;
    // Whether SaveFile could write path, checked without changing anything:
    // a file of 4096 bytes is written beside it and removed, so that a full
    // disk is found out before a long job.
    static FileOutcome CheckSavable(const std::string& path);

private:
    static FileOutcome SaveFailure(const AtomicFileWriter& writer);

    MemoryImage m_Image;
};
