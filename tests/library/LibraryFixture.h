#pragma once
// A scratch folder per test, which is also the library's system directory (PIXOL_SYSDIR), so each
// test decides which text files the library finds.
#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace pixol::test {

class LibraryTest : public ::testing::Test {
protected:
    std::filesystem::path dir;

    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() / (std::string("pixol-") + info->test_suite_name() + "-" +
                                                        info->name() + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        ::setenv("PIXOL_SYSDIR", dir.c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("PIXOL_SYSDIR");
        std::filesystem::remove_all(dir);
    }

    std::string file(const std::string& name) const { return (dir / name).string(); }
    void writeFile(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                           std::streamsize(bytes.size()));
    }
    // The built text file of a language (1 Czech .. 5 Spanish) copied into the system directory.
    void installTexts(int language, const std::string& as = "") const
    {
        const std::string name = "Pixol00" + std::to_string(language) + ".STX";
        std::filesystem::copy_file(std::filesystem::path(SALON_BINARY_DIR) / "library" / name,
                                   dir / (as.empty() ? name : as),
                                   std::filesystem::copy_options::overwrite_existing);
    }
};

// English texts, a scripted Ui answering the library's dialogs and questions, and a scratch drive W.
template <class Drive>
class LibraryWithUi : public LibraryTest {
protected:
    Drive drive{'W'};
    salon::ScriptedUi ui;
    Pixolf lib;
    void SetUp() override
    {
        LibraryTest::SetUp();
        installTexts(4);
        ASSERT_EQ(1, lib.SuSettingsP(4, "/srv/app"));
        lib.useUi(&ui);
    }
    void TearDown() override
    {
        lib.useUi(nullptr);
        LibraryTest::TearDown();
    }
};

} // namespace pixol::test
