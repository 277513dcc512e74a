#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A file read into memory, with the two guards every input file needs: only a
// regular file is read (a pipe or a device would make the program wait for
// ever or read without end), and never more than a given number of bytes.
struct FileContents {
    enum class Failure {
        None,
        Missing,    // nothing at the path, or it cannot be opened
        NotRegular, // a folder, a device or a pipe
        TooLarge,   // longer than the limit, when longer files are refused
        ReadError,
    };
    // What happens to the bytes after the limit.
    enum class Excess { Ignore, Refuse };

    Failure failure = Failure::None;
    std::string data;
    std::uint64_t size = 0;    // the file's size when it was opened
    std::string reason;        // the system's words for Missing and ReadError
    std::string reasonChinese; // the same in Chinese, where there are Chinese words

    bool Ok() const { return failure == Failure::None; }

    // Reads at most limit bytes of the file at path.
    static FileContents Read(const std::string& path, std::size_t limit, Excess excess);

private:
    void Explain(int error);
};
