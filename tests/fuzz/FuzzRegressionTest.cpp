// Replays every kept input of every fuzz target: each must run to its end. A crash, a sanitizer
// report or a failed check in the target ends this program and fails the test of that file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#define SALON_FUZZ_TARGET(name) extern "C" int fuzzTarget_##name(const uint8_t* data, size_t size);
#include "FuzzTargets.inc"
#undef SALON_FUZZ_TARGET

namespace {

namespace fs = std::filesystem;
using Entry = int (*)(const uint8_t*, size_t);

struct Target {
    const char* name;
    Entry entry;
};

const Target targets[] = {
#define SALON_FUZZ_TARGET(name) {#name, fuzzTarget_##name},
#include "FuzzTargets.inc"
#undef SALON_FUZZ_TARGET
};

struct Input {
    const Target* target;
    fs::path file;
};

// How a kept input is named in test listings.
void PrintTo(const Input& input, std::ostream* os)
{
    *os << input.target->name << ": " << input.file.parent_path().parent_path().filename().string() << "/" << input.file.filename().string();
}

std::vector<Input> keptInputs()
{
    std::vector<Input> inputs;
    const fs::path fuzz = fs::path(SALON_SOURCE_DIR) / "fuzz";
    for (const Target& t : targets) {
        for (const char* kind : {"regressions", "seeds"}) {
            const fs::path dir = fuzz / kind / t.name;
            if (!fs::is_directory(dir)) continue;
            std::vector<fs::path> files;
            for (const auto& e : fs::directory_iterator(dir))
                if (e.is_regular_file() && e.path().filename().string()[0] != '.') files.push_back(e.path());
            std::sort(files.begin(), files.end());
            for (auto& f : files) inputs.push_back({&t, f});
        }
    }
    return inputs;
}

std::string testName(const testing::TestParamInfo<Input>& info)
{
    std::string name = std::string(info.param.target->name) + "_" + info.param.file.parent_path().parent_path().filename().string() +
                       "_" + info.param.file.filename().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name + "_" + std::to_string(info.index);
}

class KeptInput : public testing::TestWithParam<Input> {};

TEST_P(KeptInput, RunsToItsEndWithoutAFinding)
{
    std::ifstream in(GetParam().file, std::ios::binary);
    ASSERT_TRUE(in) << GetParam().file;
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(GetParam().target->entry(bytes.data(), bytes.size()), 0);
}

INSTANTIATE_TEST_SUITE_P(Fuzz, KeptInput, testing::ValuesIn(keptInputs()), testName);

// The seeds are the fuzzers' starting point: a target without any has lost its corpus.
TEST(FuzzCorpus, EveryTargetHasSeeds)
{
    for (const Target& t : targets) {
        const fs::path dir = fs::path(SALON_SOURCE_DIR) / "fuzz" / "seeds" / t.name;
        EXPECT_TRUE(fs::is_directory(dir) && !fs::is_empty(dir)) << t.name;
    }
}

} // namespace
