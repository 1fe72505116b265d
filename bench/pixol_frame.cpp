// The library object's start and its texts. Each figure is read against a baseline of the same run:
// reading the whole text file once (for the settings) and opening and closing it (for a text), so
// the ratios say what the library adds to the file system's own cost.
#include "library/Pixolf.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string SysDir = std::string(SALON_BINARY_DIR) + "/library";

void useBuiltTexts() { ::setenv("PIXOL_SYSDIR", SysDir.c_str(), 1); }

void Baseline_ReadTextFileWhole(benchmark::State& state)
{
    for (auto _ : state) {
        std::ifstream in(SysDir + "/Pixol001.STX", std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(Baseline_ReadTextFileWhole);

void Baseline_OpenSeekReadClose(benchmark::State& state)
{
    for (auto _ : state) {
        std::ifstream in(SysDir + "/Pixol001.STX", std::ios::binary);
        in.seekg(9000);
        char buf[32];
        in.read(buf, sizeof buf);
        benchmark::DoNotOptimize(buf);
    }
}
BENCHMARK(Baseline_OpenSeekReadClose);

void CreateAndLoadSettings(benchmark::State& state)
{
    useBuiltTexts();
    for (auto _ : state) {
        pixol::Pixolf lib;
        benchmark::DoNotOptimize(lib.SuSettingsP(1, "/srv/app"));
    }
}
BENCHMARK(CreateAndLoadSettings);

void ReadOneText(benchmark::State& state)
{
    useBuiltTexts();
    pixol::Pixolf lib;
    lib.SuSettingsP(1, "/srv/app");
    for (auto _ : state) benchmark::DoNotOptimize(lib.StSTX(68));
}
BENCHMARK(ReadOneText);

void SystemInformation(benchmark::State& state)
{
    useBuiltTexts();
    pixol::Pixolf lib;
    lib.SuSettingsP(1, "/srv/app");
    pixol::LongArray values;
    pixol::StringArray labels;
    for (auto _ : state) benchmark::DoNotOptimize(lib.SysData2(values, labels));
}
BENCHMARK(SystemInformation);

} // namespace
