// The library's area transforms side by side with OpenCV's nearest equivalents on the model-sized
// composite (512 x 560), in one run:
//
//   opencv_compare_area [picture]     (default: the astronaut portrait of python3-skimage)
//
// Prints, per operation, our time, OpenCV's and the ratio ours / OpenCV. Both sides work in place
// on one thread, as the library's calls do; results differ in the last bit (ours keeps the
// library's rounding rules), so only speed is compared (timing: bench/SideBySide.h). Rows marked
// "(info)" have no exact OpenCV counterpart and do not count towards the exit status.
#include "bench/SideBySide.h"
#include "library/Pixolf.h"
#include "platform/Numbers.h"

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using salon::bench::compare;
using salon::bench::Row;

constexpr int32_t W = 512, H = 560;

// The library's pixel array (rows top first, padded to 4 bytes) of a CV_8UC3 picture.
pixol::ByteArray toPole(const cv::Mat& m)
{
    pixol::ByteArray a;
    const int32_t stride = salon::rowBytes24(m.cols);
    a.redim(0, stride - 1, 0, m.rows - 1);
    for (int y = 0; y < m.rows; ++y) std::memcpy(a.values.data() + size_t(y) * size_t(stride), m.ptr(y), size_t(m.cols) * 3);
    return a;
}

void require(int32_t result)
{
    if (result != 1) std::abort();
}

} // namespace

int main(int argc, char** argv)
{
    const cv::Mat portrait = salon::bench::comparisonPicture(argc, argv);
    if (portrait.empty()) return 1;
    cv::Mat model, other, third;
    cv::resize(portrait, model, cv::Size(W, H), 0, 0, cv::INTER_AREA);
    cv::flip(model, other, 0);
    cv::flip(model, third, 1);

    pixol::Pixolf lib;
    pixol::ByteArray pole = toPole(model);
    const pixol::ByteArray pole2 = toPole(other), pole3 = toPole(third);
    cv::Mat a = model.clone(), grey, out;
    int32_t le = 0, te = 0, w = 0, h = 0;
    std::vector<Row> rows;

    auto filterA = [&](int32_t typ, int32_t d1, int32_t d2, int32_t d3, int32_t d4) {
        return [&, typ, d1, d2, d3, d4] {
            int32_t x1 = d1, x2 = d2, x3 = d3, x4 = d4;
            require(lib.PaZmenaA(typ, pole, W, H, le, te, w, h, 0, x1, x2, x3, x4));
        };
    };

    rows.push_back(compare("grey (PaZmenaA 1 / cvtColor to grey and back)", filterA(1, 0, 0, 0, 0), [&] {
        cv::cvtColor(a, grey, cv::COLOR_BGR2GRAY);
        cv::cvtColor(grey, a, cv::COLOR_GRAY2BGR);
    }));
    // Contrast +30 about the pivot 128 and brightness +10: c 1.3 + (10 - 38.4).
    rows.push_back(compare("contrast, brightness (PaZmenaA 2 / convertTo)", filterA(2, 10, 30, 128, 0),
                           [&] { a.convertTo(a, -1, 1.3, 10 - 38.4); }));
    rows.push_back(compare("colour balance (PaZmenaA 3 / multiply by scalar)", filterA(3, 20, 0, -20, 0),
                           [&] { cv::multiply(a, cv::Scalar(0.8, 1.0, 1.2), a); }));
    rows.push_back(compare("lighten (PaZmenaA 7 / convertTo)", filterA(7, 60, 0, 0, 0),
                           [&] { a.convertTo(a, -1, 195.0 / 255.0, 60); }));
    const cv::Mat cross = (cv::Mat_<float>(3, 3) << 0, 0.2f, 0, 0.2f, 0.2f, 0.2f, 0, 0.2f, 0);
    rows.push_back(compare("smoothing 5-point (PaZmenaA 10 / filter2D cross)", filterA(10, 1, 0, 0, 0),
                           [&] { cv::filter2D(a, out, -1, cross, cv::Point(-1, -1), 0, cv::BORDER_REPLICATE); }));
    rows.push_back(compare("smoothing 5-point (PaZmenaA 10 / blur 3x3) (info)", filterA(10, 1, 0, 0, 0),
                           [&] { cv::blur(a, out, cv::Size(3, 3), cv::Point(-1, -1), cv::BORDER_REPLICATE); },
                           false));

    {  // Lookup tables, threshold and posterise.
        pixol::LongArray t;
        t.redim(0, 255);
        cv::Mat lut(1, 256, CV_8UC3);
        for (int v = 0; v < 256; ++v) {
            t(v) = 255 - v;
            lut.at<cv::Vec3b>(0, v) = cv::Vec3b(uint8_t(255 - v), uint8_t(255 - v), uint8_t(255 - v));
        }
        auto filterG = [&](int32_t typ, int32_t d1) {
            return [&, typ, d1] { require(lib.PaZmenaG(typ, pole, W, H, t, t, t, le, te, w, h, 0, d1)); };
        };
        rows.push_back(compare("lookup tables (PaZmenaG 1 / LUT)", filterG(1, 0), [&] { cv::LUT(a, lut, a); }));
        rows.push_back(compare("threshold (PaZmenaG 3 / threshold)", filterG(3, 128),
                               [&] { cv::threshold(a, a, 127, 255, cv::THRESH_BINARY); }));
        rows.push_back(compare("posterise 4 levels (PaZmenaG 4 / LUT)", filterG(4, 4), [&] { cv::LUT(a, lut, a); }));
    }

    {  // Blends of a second (and third) picture onto the first.
        cv::Mat b = other.clone(), c = third.clone();
        rows.push_back(compare(
            "blend 50% (PaZmenaB 1 / addWeighted)",
            [&] { require(lib.PaZmenaB(1, pole, pole2, W, H, W, H, 0, 0, le, te, w, h, 0, 50)); },
            [&] { cv::addWeighted(a, 0.498, b, 0.5, 0, a); }));
        // Colour transfer (factors 1.5, 1, 0.75) multiplied into the first picture, mixed at 80%:
        // in OpenCV a multiply by the factors, a multiply of the pictures and a weighted sum.
        cv::Mat t;
        rows.push_back(compare(
            "colour transfer multiplied in, 80% (PaZmenaB 7 / multiply x2, addWeighted)",
            [&] { require(lib.PaZmenaB(7, pole, pole2, W, H, W, H, 0, 0, le, te, w, h, 0, 80, 20, 8, 0xC08060, 0x808080)); },
            [&] {
                cv::multiply(b, cv::Scalar(1.5, 1.0, 0.75), t);
                cv::multiply(a, t, t, 1.0 / 255);
                cv::addWeighted(a, 0.2 * 0.996, t, 0.8, 0, a);
            }));
        rows.push_back(compare(
            "multiply mode of two onto one (PaZmenaC 1 / multiply)",
            [&] { require(lib.PaZmenaC(1, pole, pole2, pole3, W, H, W, H, W, H, 0, 0, le, te, w, h, 0, 100)); },
            [&] { cv::multiply(b, c, a, 1.0 / 255); }));
        rows.push_back(compare(
            "screen mode of two onto one at 60% (PaZmenaC 2 / multiply+addWeighted) (info)",
            [&] { require(lib.PaZmenaC(2, pole, pole2, pole3, W, H, W, H, W, H, 0, 0, le, te, w, h, 0, 60)); },
            [&] {
                cv::multiply(255 - b, 255 - c, out, 1.0 / 255);
                cv::addWeighted(a, 0.4, 255 - out, 0.6, 0, a);
            },
            false));
    }

    return salon::bench::report("operation on 512x560", 80, rows, CV_VERSION, cv::getNumThreads());
}
