#include "image/CProgramDoc.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "image/AtomicFileWriter.h"
#include "image/ImageMap.h"

namespace {

FileOutcome Failed(std::string english, std::string chinese) {
    return FileOutcome{false, std::move(english), std::move(chinese)};
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}
std::string QuotedZh(const std::string& path) {
    return "“" + path + "”";
}

} // namespace

CProgramDoc::CProgramDoc() : m_Image(ImageMap::NewDocumentImage()) {}

void CProgramDoc::OnNewDocument() {
    m_Image = ImageMap::NewDocumentImage();
}

FileOutcome CProgramDoc::LoadFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::ifstream in;
    if (!fs::is_directory(path, ec)) {
        in.open(path, std::ios::binary);
    }
    if (!in) {
        return Failed("Cannot open the file " + Quoted(path) + ".",
                      "无法打开文件" + QuotedZh(path) + "。");
    }
    // Read into a staging copy: a short file must leave the image exactly as
    // it was, not half replaced.
    MemoryImage::Bytes staged{};
    in.read(reinterpret_cast<char*>(staged.data()), static_cast<std::streamsize>(staged.size()));
    const auto got = static_cast<std::uintmax_t>(in.gcount());
    if (got < MemoryImage::Size) {
        std::uintmax_t size = fs::file_size(path, ec);
        if (ec) {
            size = got;
        }
        const std::string count = std::to_string(size);
        const std::string need = std::to_string(MemoryImage::Size);
        return Failed("The file " + Quoted(path) + " holds " + count +
                          " bytes, but a channel data file holds " + need +
                          " bytes. Nothing was loaded.",
                      "文件" + QuotedZh(path) + "只有 " + count + " 字节，频道数据文件应有 " +
                          need + " 字节。未载入任何数据。");
    }
    // Anything after the first 4096 bytes is ignored.
    m_Image = MemoryImage(staged);
    return {};
}

FileOutcome CProgramDoc::SaveFile(const std::string& path) const {
    AtomicFileWriter writer(path);
    const std::string_view bytes(reinterpret_cast<const char*>(m_Image.data()), m_Image.size());
    if (writer.Write(bytes)) {
        return {};
    }
    if (writer.LastFailure() == AtomicFileWriter::Failure::ReadOnly) {
        return Failed("The file " + Quoted(path) + " is read-only. The file was not saved.",
                      "文件" + QuotedZh(path) + "是只读文件。文件未保存。");
    }
    if (writer.LastFailure() == AtomicFileWriter::Failure::Create) {
        return Failed("Cannot create the file " + Quoted(writer.TemporaryPath()) + " to save " +
                          Quoted(path) + ". The file was not saved.",
                      "无法创建文件" + QuotedZh(writer.TemporaryPath()) + "以保存" +
                          QuotedZh(path) + "。文件未保存。");
    }
    return Failed("Saving the file " + Quoted(path) +
                      " failed. The file was left as it was before.",
                  "保存文件" + QuotedZh(path) + "失败。原文件保持不变。");
}
