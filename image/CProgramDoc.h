#pragma once

#include <string>

#include "base/Lang.h"
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
class CProgramDoc {
public:
    CProgramDoc();

    MemoryImage& Image() { return m_Image; }
    const MemoryImage& Image() const { return m_Image; }

    // Replaces the image with the new-document contents.
    void OnNewDocument();

    // Reads the first 4096 bytes of a channel file into the image. A file that
    // is shorter, or cannot be read, is refused and the image stays as it was.
    FileOutcome LoadFile(const std::string& path);

    // Writes the 4096 image bytes to a temporary file beside the target and
    // renames it over the target, so a failed save never damages the old file.
    FileOutcome SaveFile(const std::string& path) const;

private:
    MemoryImage m_Image;
};
