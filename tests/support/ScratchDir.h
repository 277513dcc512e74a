#pragma once

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "image/Utf8.h"

// A fresh directory under the system's temporary folder, removed with its
// contents when the object goes. Its paths are UTF-8, as the program's are
// (the temporary folder of a user named in Chinese has Chinese in it).
class ScratchDir {
public:
    ScratchDir() {
        static std::atomic<int> counter{0};
        std::random_device rd;
        m_Path = std::filesystem::temp_directory_path() /
                 ("orin-test-" + std::to_string(rd()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(m_Path);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_Path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return m_Path; }
    std::string Text() const { return Utf8::PathText(m_Path); }
    std::string File(const std::string& name) const {
        return Utf8::PathText(m_Path / Utf8::Path(name));
    }

    std::string Write(const std::string& name, std::string_view data) const {
        const std::string path = File(name);
        std::ofstream(Utf8::Path(path), std::ios::binary)
            .write(data.data(), static_cast<std::streamsize>(data.size()));
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(Utf8::Path(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The names in a folder, sorted: what a failed save must not leave behind.
    static std::vector<std::string> Names(const std::filesystem::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(Utf8::PathText(entry.path().filename()));
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path m_Path;
};
