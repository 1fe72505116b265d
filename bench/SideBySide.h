// Timing for the side-by-side comparisons with OpenCV (opencv_compare*.cpp).
//
// Times are the calling thread's processor time, so that other processes on a shared machine do
// not count. Each figure is the fastest of nine batches of about 30 ms, ours alternating with
// OpenCV's so that cache and clock effects hit both sides alike.
#pragma once

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace salon::bench {

// The picture named on the command line, else the astronaut portrait of python3-skimage; empty,
// with a message on stderr, when it cannot be read. OpenCV is held to one thread, as our pixel
// code runs on one.
inline cv::Mat comparisonPicture(int argc, char** argv)
{
    const std::string source = argc > 1 ? argv[1] : "/usr/lib/python3/dist-packages/skimage/data/astronaut.png";
    cv::Mat picture = cv::imread(source, cv::IMREAD_COLOR);
    if (picture.empty())
        std::fprintf(stderr, "cannot read %s (python3-skimage ships the default picture)\n", source.c_str());
    cv::setNumThreads(1);
    return picture;
}

inline double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

inline double perCall(const std::function<void()>& f, int iterations)
{
    const double t0 = threadSeconds();
    for (int i = 0; i < iterations; ++i) f();
    return (threadSeconds() - t0) / iterations;
}

// Enough calls for a batch of about 30 ms, after one call that warms caches and lazy set-up.
inline int iterationsFor(const std::function<void()>& f)
{
    f();
    int n = 1;
    while (perCall(f, n) * n < 0.03 && n < (1 << 20)) n *= 2;
    return n;
}

struct Row {
    std::string name;
    double ours, theirs;
    bool counts;  // false: no exact OpenCV counterpart, shown for information only
};

inline Row compare(const std::string& name, const std::function<void()>& ours, const std::function<void()>& theirs,
                   bool counts = true)
{
    const int nOurs = iterationsFor(ours), nTheirs = iterationsFor(theirs);
    double best[2] = {1e30, 1e30};
    for (int round = 0; round < 9; ++round) {
        best[0] = std::min(best[0], perCall(ours, nOurs));
        best[1] = std::min(best[1], perCall(theirs, nTheirs));
    }
    return {name, best[0], best[1], counts};
}

// Prints the table and returns the program's exit status: 0 when every counted row is within
// `limit` times OpenCV's time, 2 otherwise.
inline int report(const char* heading, int nameWidth, const std::vector<Row>& rows, const char* openCvVersion,
                  int openCvThreads, double limit = 1.5)
{
    std::printf("%-*s %10s %12s %7s\n", nameWidth, heading, "ours (ms)", "OpenCV (ms)", "ratio");
    bool allWithin = true;
    for (const Row& r : rows) {
        const double ratio = r.ours / r.theirs;
        const bool over = r.counts && ratio > limit;
        allWithin = allWithin && !over;
        std::printf("%-*s %10.3f %12.3f %7.2f%s\n", nameWidth, r.name.c_str(), r.ours * 1e3, r.theirs * 1e3, ratio,
                    over ? "  over" : "");
    }
    std::printf("OpenCV %s, %d thread(s)\n", openCvVersion, openCvThreads);
    return allWithin ? 0 : 2;
}

} // namespace salon::bench
