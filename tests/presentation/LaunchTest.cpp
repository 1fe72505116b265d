// The editor is started as a real process with an argument list: a stand-in frizet01 records what it got.
#include "presentation/EditorLaunch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace prevu::test {

namespace fs = std::filesystem;

struct LaunchTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("prevu-launch-" + std::to_string(::getpid()));
    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir / "with space");
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path standIn(const fs::path& where)
    {
        fs::path program = where / "frizet01";
        std::ofstream(program) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >> \"$(dirname \"$0\")/started\"\n"
                                  "echo end >> \"$(dirname \"$0\")/started\"\n";
        fs::permissions(program, fs::perms::owner_all);
        return program;
    }
    static std::string waitFor(const fs::path& file)
    {
        for (int i = 0; i < 200; ++i) {
            std::ifstream in(file);
            std::stringstream s;
            s << in.rdbuf();
            if (s.str().find("end\n") != std::string::npos) return s.str();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return {};
    }
};

TEST_F(LaunchTest, stand_in_editor_is_started_once_with_the_drive_argument)
{
    fs::path program = standIn(dir / "with space");
    ASSERT_TRUE(startProgram(program.string(), {"/E"}));
    EXPECT_EQ(waitFor(dir / "with space" / "started"), "/E\nend\n");
}

TEST_F(LaunchTest, arguments_are_never_read_by_a_shell)
{
    fs::path program = standIn(dir);
    ASSERT_TRUE(startProgram(program.string(), {"/E; touch pwned $(id)"}));
    EXPECT_EQ(waitFor(dir / "started"), "/E; touch pwned $(id)\nend\n");
    EXPECT_FALSE(fs::exists(dir / "pwned"));
}

TEST_F(LaunchTest, a_missing_program_reports_failure)
{
    EXPECT_FALSE(startProgram((dir / "frizet01").string(), {"/D"}));
}

} // namespace prevu::test
