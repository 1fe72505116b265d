// What every command answers to --version.
#include "platform/Version.h"

#include <gtest/gtest.h>

#include <regex>

using namespace salon;

TEST(Version, OneLineInTheFormManPageToolsRead)
{
    const std::string line = versionLine("frizet01");
    EXPECT_TRUE(std::regex_match(line, std::regex(R"(frizet01 \(salon\) [0-9]+\.[0-9]+(\.[0-9]+)*\n)"))) << line;
    EXPECT_NE(line.find(std::string(suiteVersion())), std::string::npos);
}

TEST(Version, AskedOnlyByTheFirstArgument)
{
    const char* version[] = {"pixol", "--version", nullptr};
    const char* later[] = {"pixol", "info", "--version", nullptr};
    const char* none[] = {"pixol", nullptr};
    const char* similar[] = {"pixol", "--versions", nullptr};
    EXPECT_TRUE(asksForVersion(2, version));
    EXPECT_FALSE(asksForVersion(3, later)) << "a subcommand's own option";
    EXPECT_FALSE(asksForVersion(1, none));
    EXPECT_FALSE(asksForVersion(0, none));
    EXPECT_FALSE(asksForVersion(2, similar));
}
