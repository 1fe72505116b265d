#pragma once
// A scratch directory per test, mounted as a drive letter of the drive table so that the library's
// Windows-style paths reach it. Removed with the test.
#include "platform/Paths.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace pixol::testing {

class TempDrive {
public:
    explicit TempDrive(char letter = 'W') : m_letter(letter)
    {
        static int serial = 0;
        m_root = std::filesystem::temp_directory_path() /
                 ("pixol-files-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(m_root);
        salon::DriveTable::current().set(letter, m_root);
    }
    ~TempDrive()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    const std::filesystem::path& root() const { return m_root; }
    // "W:\" + relative, with '\' separators.
    std::string path(const std::string& relative) const { return std::string(1, m_letter) + ":\\" + relative; }
    std::filesystem::path native(const std::string& relative) const
    {
        std::string r = relative;
        for (char& c : r)
            if (c == '\\') c = '/';
        return m_root / r;
    }
    void write(const std::string& relative, const std::string& bytes) const
    {
        auto p = native(relative);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::string read(const std::string& relative) const
    {
        std::ifstream in(native(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    char m_letter;
    std::filesystem::path m_root;
};

} // namespace pixol::testing
