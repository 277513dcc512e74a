#include "image/FileContents.h"

#include "image/NativeFile.h"

void FileContents::Explain(int error) {
    reason = NativeFile::Describe(error);
    reasonChinese = NativeFile::Describe(error, Lang::Chinese);
}

FileContents FileContents::Read(const std::string& path, std::size_t limit, Excess excess) {
    FileContents result;
    NativeFile::Kind kind = NativeFile::Kind::Missing;
    NativeFile file = NativeFile::OpenForReading(path, kind);
    if (!file.IsOpen()) {
        result.failure = kind == NativeFile::Kind::Other ? Failure::NotRegular : Failure::Missing;
        result.Explain(file.Error());
        return result;
    }
    result.size = file.Size().value_or(0);
    if (excess == Excess::Refuse && result.size > limit) {
        result.failure = Failure::TooLarge;
        return result;
    }
    // The size is only a hint: the file may grow while it is read, so the
    // limit is kept by the loop, one byte past it telling "too large".
    const std::size_t want = excess == Excess::Refuse ? limit + 1 : limit;
    result.data.resize(want);
    std::size_t got = 0;
    while (got < want) {
        const long long n = file.Read(result.data.data() + got, want - got);
        if (n < 0) {
            result.failure = Failure::ReadError;
            result.Explain(file.Error());
            result.data.clear();
            return result;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    if (got > limit) {
        result.failure = Failure::TooLarge;
        result.data.clear();
        return result;
    }
    result.data.resize(got);
    return result;
}
