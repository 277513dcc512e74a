#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The small settings file of sections and key=value lines next to the program.
// Loaded whole into memory, written back whole on Save or at destruction.
class ProfileFile {
public:
    // Settings files are a few lines; anything larger is not one of ours.
    static constexpr std::size_t MaxSize = 1 << 20;

    ProfileFile() = default;
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    // Opens fileName in directory (the program's folder); creates the file empty
    // when it does not exist. Returns true when the file was read; a folder,
    // pipe or device in its place, or a file over MaxSize, is not read.
    bool Open(const std::string& directory, const std::string& fileName, bool saveOnClose,
              bool caseInsensitive);

    // Replaces the loaded entries with those of text, by the rules Open reads
    // a file with (no file is attached by this).
    void LoadText(std::string_view text);
    // The file as Save writes it.
    std::string Text() const;

    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
    void SetValue(const std::string& section, const std::string& key, const std::string& value);

    // Writes the file back when something changed: to a temporary file that is
    // renamed over the settings file, so a failed write leaves the old file whole.
    bool Save();

    const std::string& Path() const { return m_Path; }
    bool IsDirty() const { return m_bDirty; }

private:
    struct Section {
        std::string name;
        std::vector<std::string> keys;
        std::vector<std::string> values;
    };
    int FindSection(const std::string& name) const;
    bool Equal(const std::string& a, const std::string& b) const;
    void Clear();

    std::string m_Path;
    std::vector<Section> m_Sections;
    bool m_bSaveOnClose = false;
    bool m_bCaseInsensitive = true;
    bool m_bDirty = false;
};
