#include "image/ChannelFile.h"

#include <algorithm>

#include "image/AtomicFileWriter.h"
#include "image/FileContents.h"
#include "image/ImageMap.h"
#include "image/Utf8.h"

namespace {

FileOutcome Failed(std::string english, std::string chinese) {
    return FileOutcome{false, std::move(english), std::move(chinese)};
}

std::string Quoted(const std::string& path) {
    return "\"" + Utf8::ShownPath(path) + "\"";
}
std::string QuotedZh(const std::string& path) {
    return "“" + Utf8::ShownPath(path) + "”";
}

// A file too short or too long: one message for both, with the count.
FileOutcome WrongSize(const std::string& path, const std::string& count,
                      const std::string& countZh) {
    const std::string need = std::to_string(MemoryImage::Size);
    return Failed("The file " + Quoted(path) + " holds " + count +
                      " bytes, but a channel data file holds exactly " + need +
                      " bytes. Nothing was loaded.",
                  "文件" + QuotedZh(path) + countZh + " 字节，频道数据文件应正好有 " + need +
                      " 字节。未载入任何数据。");
}

} // namespace

ChannelFile::ChannelFile() : m_Image(ImageMap::NewDocumentImage()) {}

void ChannelFile::MakeNew() {
    m_Image = ImageMap::NewDocumentImage();
}

FileOutcome ChannelFile::LoadFile(const std::string& path) {
    // A channel file is the image and nothing else: a file of another size is
    // some other file, and saving it again would cut it to 4096 bytes.
    const FileContents file =
        FileContents::Read(path, MemoryImage::Size, FileContents::Excess::Refuse);
    const std::string need = std::to_string(MemoryImage::Size);
    switch (file.failure) {
    case FileContents::Failure::None:
        break;
    case FileContents::Failure::TooLarge: {
        // The size the system reports, unless it reports too little (as for
        // files under /proc and /sys).
        const std::string count =
            file.size > MemoryImage::Size ? std::to_string(file.size) : "more than " + need;
        const std::string countZh =
            file.size > MemoryImage::Size ? "有 " + std::to_string(file.size) : "有超过 " + need;
        return WrongSize(path, count, countZh);
    }
    case FileContents::Failure::Missing:
        return Failed("Cannot open the file " + Quoted(path) + " (" + file.reason + ").",
                      "无法打开文件" + QuotedZh(path) + "（" + file.reasonChinese + "）。");
    case FileContents::Failure::NotRegular:
        return Failed("The file " + Quoted(path) +
                          " is a folder, a device or a pipe, not a channel data file. Nothing "
                          "was loaded.",
                      QuotedZh(path) + "是文件夹、设备或管道，不是频道数据文件。未载入任何数据。");
    case FileContents::Failure::ReadError:
        return Failed("Reading the file " + Quoted(path) + " failed (" + file.reason +
                          "). Nothing was loaded.",
                      "读取文件" + QuotedZh(path) + "失败（" + file.reasonChinese +
                          "）。未载入任何数据。");
    }
    // A short file leaves the image exactly as it was, not half replaced. The
    // count is what was read: a size the system reports may be wrong (as for
    // files under /sys, which all claim 4096 bytes).
    if (file.data.size() < MemoryImage::Size) {
        const std::string count = std::to_string(file.data.size());
        return WrongSize(path, count, "只有 " + count);
    }
    MemoryImage::Bytes staged{};
    std::copy(file.data.begin(), file.data.end(), reinterpret_cast<char*>(staged.data()));
    m_Image = MemoryImage(staged);
    return {};
}

FileOutcome ChannelFile::SaveFile(const std::string& path) const {
    AtomicFileWriter writer(path);
    const std::string_view bytes(reinterpret_cast<const char*>(m_Image.data()), m_Image.size());
    return writer.Write(bytes) ? FileOutcome{} : SaveFailure(writer);
}

FileOutcome ChannelFile::CheckSavable(const std::string& path) {
    AtomicFileWriter writer(path);
    return writer.Probe(MemoryImage::Size) ? FileOutcome{} : SaveFailure(writer);
}

FileOutcome ChannelFile::SaveFailure(const AtomicFileWriter& writer) {
    using Failure = AtomicFileWriter::Failure;
    const std::string& path = writer.Path();
    const std::string why = writer.Reason().empty() ? "" : " (" + writer.Reason() + ")";
    const std::string whyZh = writer.Reason().empty() ? "" : "（" + writer.ReasonChinese() + "）";
    // What became of the file on disk: a save that failed before replacing
    // anything leaves an existing file as it was and creates no new one.
    const std::string kept =
        writer.TargetExisted() ? " The file was left as it was before." : " No file was created.";
    const std::string keptZh = writer.TargetExisted() ? "原文件保持不变。" : "未创建任何文件。";
    switch (writer.LastFailure()) {
    case Failure::ReadOnly:
        return Failed("The file " + Quoted(path) + " is read-only. The file was not saved.",
                      "文件" + QuotedZh(path) + "是只读文件。文件未保存。");
    case Failure::Forbidden:
        return Failed("The file " + Quoted(path) +
                          " belongs to another user, who does not let you write it. The file "
                          "was not saved.",
                      "文件" + QuotedZh(path) + "属于其他用户，该用户不允许您写入。文件未保存。");
    case Failure::ForeignLink:
        return Failed("The name " + Quoted(path) +
                          " is a symbolic link that another user made in a shared folder; it is "
                          "not followed. The file was not saved.",
                      QuotedZh(path) +
                          "是其他用户在共享文件夹中建立的符号链接，不予跟随。文件未保存。");
    case Failure::Unreachable:
        return Failed("The file " + Quoted(path) + " cannot be reached" + why +
                          ". The file was not saved.",
                      "无法访问文件" + QuotedZh(path) + whyZh + "。文件未保存。");
    case Failure::SetId:
        return Failed(
            "The file " + Quoted(path) +
                " has the set-user-ID or set-group-ID bit, which a save by this user "
                "cannot keep. The file was left as it was before.",
            "文件" + QuotedZh(path) +
                "带有 set-user-ID 或 set-group-ID 位，当前用户保存时无法保留。原文件保持不变。");
    case Failure::NotRegular:
        return Failed("The file " + Quoted(path) +
                          " is a folder, a device or a pipe, not a regular file. The file was "
                          "not saved.",
                      QuotedZh(path) + "是文件夹、设备或管道，不是普通文件。文件未保存。");
    case Failure::Create:
        return Failed("Cannot create a file in the folder of " + Quoted(path) + why +
                          ". The file was not saved.",
                      "无法在" + QuotedZh(path) + "所在的文件夹中创建文件" + whyZh +
                          "。文件未保存。");
    case Failure::InPlace:
        return Failed("Saving the file " + Quoted(path) + " failed part-way" + why +
                          ": the file may now be incomplete. Save it again, or under another "
                          "name.",
                      "保存文件" + QuotedZh(path) + "中途失败" + whyZh +
                          "，文件可能已不完整。请再次保存，或以其他文件名保存。");
    case Failure::None:
    case Failure::Write:
    case Failure::Replace:
        break;
    }
    return Failed("Saving the file " + Quoted(path) + " failed" + why + "." + kept,
                  "保存文件" + QuotedZh(path) + "失败" + whyZh + "。" + keptZh);
}
