// Our pixel steps side by side with OpenCV's nearest equivalents, on the same pictures, in one run:
//
//   opencv_compare [picture]     (default: the astronaut portrait of python3-skimage)
//
// Prints, per operation, our time, OpenCV's and the ratio ours / OpenCV. Both sides run on one
// thread (the editor's pixel work runs on its one UI thread). Results differ in the last bit -
// ours keeps the system's rounding rules - so only speed is compared (timing: bench/SideBySide.h).
#include "bench/SideBySide.h"
#include "editor/engine/Engine.h"
#include "editor/engine/FaceTransform.h"
#include "editor/engine/PixelBuffer.h"
#include "library/Pixolf.h"
#include "library/imaging/Transforms.h"
#include "platform/PictureFile.h"
#include "platform/Region.h"
#include "platform/Surface.h"
#include "platform/Ui.h"

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace salon;

namespace {

using bench::compare;
using bench::Row;

// A Bitmap (24-bit, rows padded to 4 bytes) and a cv::Mat (CV_8UC3, BGR) of the same pixels.
Bitmap toBitmap(const cv::Mat& m)
{
    Bitmap b = Bitmap::rgb24(m.cols, m.rows);
    for (int y = 0; y < m.rows; ++y) std::memcpy(b.row(y), m.ptr(y), size_t(m.cols) * 3);
    return b;
}

Surface toSurface(const cv::Mat& m)
{
    Surface s(m.cols, m.rows);
    s.image() = toBitmap(m);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    const cv::Mat portrait = bench::comparisonPicture(argc, argv);
    if (portrait.empty()) return 1;

    // The pictures of the editor's day: a large photo, the photo reduced to the working size
    // (360 x 480) and the model-sized composite (512 x 560).
    cv::Mat photo, face, model, other;
    cv::resize(portrait, photo, cv::Size(1600, 1200), 0, 0, cv::INTER_CUBIC);
    cv::resize(portrait, face, cv::Size(360, 480), 0, 0, cv::INTER_AREA);
    cv::resize(portrait, model, cv::Size(512, 560), 0, 0, cv::INTER_AREA);
    cv::flip(model, other, 0);

    const auto jpegPath = std::filesystem::temp_directory_path() / "salon-compare-photo.jpg";
    {
        const auto bytes = encodeJpeg(toBitmap(photo), 90);
        if (!writeFileAtomically(jpegPath, bytes).ok()) {
            std::fprintf(stderr, "cannot write %s\n", jpegPath.string().c_str());
            return 1;
        }
    }

    std::vector<Row> rows;

    {  // Area averaging: the large photo down to the working size, and the face up to the model.
        const Surface big = toSurface(photo), small = toSurface(face);
        Surface down(360, 480), up(512, 560);
        down.stretchMode = up.stretchMode = StretchMode::Halftone;
        cv::Mat cvDown, cvUp;
        rows.push_back(compare(
            "stretch 1600x1200 -> 360x480", [&] { stretchBlt(down, 0, 0, 360, 480, big, 0, 0, 1600, 1200, RasterOp::SrcCopy); },
            [&] { cv::resize(photo, cvDown, cv::Size(360, 480), 0, 0, cv::INTER_AREA); }));
        rows.push_back(compare(
            "stretch 360x480 -> 512x560", [&] { stretchBlt(up, 0, 0, 512, 560, small, 0, 0, 360, 480, RasterOp::SrcCopy); },
            [&] { cv::resize(face, cvUp, cv::Size(512, 560), 0, 0, cv::INTER_AREA); }));
    }

    {  // Bilinear rotation of the working photo.
        const PixelBuffer buffer = PixelBuffer::fromBitmap(toBitmap(face));
        const float angle = 17.0f;
        cv::Mat rotated;
        const cv::Mat m = cv::getRotationMatrix2D(cv::Point2f((360 + 1) / 2.0f, (360 + 1) / 2.0f), -angle, 1.0);
        rows.push_back(compare(
            "rotate 360x480 by 17 deg (RotatePixels)",
            [&] {
                PixelBuffer out = RotatedPixels(buffer, angle);
                if (out.Data.empty()) std::abort();
            },
            [&] { cv::warpAffine(face, rotated, m, face.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT); }));
    }

    {  // Mirror of the working photo, as the mirror command runs it.
        ScriptedUi ui;
        Engine engine(ui);
        engine.PhotoW = 360;
        engine.PhotoH = 480;
        engine.Surfaces[WorkingPhoto] = toSurface(face);
        cv::Mat flipped;
        rows.push_back(compare("mirror 360x480 (MirrorPhoto)", [&] { engine.MirrorPhoto(); },
                               [&] { cv::flip(face, flipped, 1); }));
    }

    {  // The raster steps of composing a result on the 512 x 560 composite.
        const Surface src = toSurface(other);
        Surface dst = toSurface(model);
        cv::Mat a = model.clone(), copy;
        rows.push_back(compare("xor 512x560 (SRCINVERT)",
                               [&] { bitBlt(dst, 0, 0, 512, 560, src, 0, 0, RasterOp::SrcInvert); },
                               [&] { cv::bitwise_xor(a, other, a); }));
        rows.push_back(compare("copy 512x560 (SRCCOPY)", [&] { bitBlt(dst, 0, 0, 512, 560, src, 0, 0, RasterOp::SrcCopy); },
                               [&] { other.copyTo(a); }));
        rows.push_back(compare("fill 512x560 (BLACKNESS)", [&] { patBlt(dst, 0, 0, 512, 560, RasterOp::Blackness); },
                               [&] { a.setTo(cv::Scalar::all(0)); }));
        // The outside of an oval cut-out, as a region and as a mask.
        std::vector<Point> oval;
        for (int i = 0; i < 720; ++i) {
            const double t = i * 3.14159265358979 / 360.0;
            oval.push_back(Point{int32_t(256 + 150 * std::cos(t)), int32_t(260 + 200 * std::sin(t))});
        }
        const Region outside = Region::rect(0, 0, 512, 560).subtracted(Region::polygon(oval, FillRule::EvenOdd));
        cv::Mat mask(560, 512, CV_8UC1, cv::Scalar(0));
        for (const Rect& r : outside.rects()) mask(cv::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top)) = 255;
        rows.push_back(compare("fill outside of cut-out 512x560", [&] { dst.fillRegion(outside, 0); },
                               [&] { a.setTo(cv::Scalar::all(0), mask); }));
    }

    {  // The library's geometric transforms on the 512 x 560 composite. The Pixolf rows are whole
       // calls: the surface's rows read out, transformed and written back (and, for a result smaller
       // than the object, the background cleared around it); the rows marked "kernel" time the pixel
       // step alone on a bitmap or pixel array, as OpenCV's does on a Mat.
        pixol::Pixolf lib;
        const float angle = 17.0f * 3.14159265f / 180.0f;
        Surface obj = toSurface(model);
        const Bitmap bitmap = toBitmap(model);
        cv::Mat out;

        pixol::transforms::Rotated r;
        pixol::transforms::rotatePixels(bitmap, angle, r);
        const int32_t nw = r.pixels.width, nh = r.pixels.height;
        // Our rotation turns about the origin and moves the result by (dX, dY); the same map for OpenCV.
        cv::Mat m = (cv::Mat_<double>(2, 3) << std::cos(angle), -std::sin(angle), r.dX, std::sin(angle),
                     std::cos(angle), r.dY);
        rows.push_back(compare(
            "kernel rotatePixels 512x560 17deg (" + std::to_string(nw) + "x" + std::to_string(nh) + ")",
            [&] {
                pixol::transforms::Rotated o;
                if (!pixol::transforms::rotatePixels(bitmap, angle, o)) std::abort();
            },
            [&] { cv::warpAffine(model, out, m, cv::Size(nw, nh), cv::INTER_LINEAR, cv::BORDER_CONSTANT); }));
        // Kept at W x H, the rotated picture centred: OpenCV rotates about the centre into W x H.
        const cv::Mat mc = cv::getRotationMatrix2D(cv::Point2f(255.5f, 279.5f), -17.0, 1.0);
        rows.push_back(compare(
            "PsObrRotace 512x560 17deg keep size (surface rows in+out)",
            [&] {
                float dX, dY;
                if (!lib.PsObrRotace(obj, angle, dX, dY, false)) std::abort();
            },
            [&] { cv::warpAffine(model, out, mc, model.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT); }));

        for (const float f : {0.7f, 1.3f}) {
            const int32_t sw = int32_t(std::nearbyint(512 * f)), sh = int32_t(std::nearbyint(560 * f));
            const std::string size = std::to_string(sw) + "x" + std::to_string(sh);
            rows.push_back(compare(
                "kernel stretchHalftone 512x560 -> " + size,
                [&] {
                    if (stretchHalftone(bitmap, Rect{0, 0, 512, 560}, sw, sh).isNull()) std::abort();
                },
                [&] { cv::resize(model, out, cv::Size(sw, sh), 0, 0, cv::INTER_AREA); }));
            Surface s = toSurface(model);
            rows.push_back(compare(
                "PsObrScale 512x560 x" + std::string(f < 1 ? "0.7" : "1.3") + " keep size (surface rows in+out)",
                [&] {
                    int32_t dX, dY;
                    if (!lib.PsObrScale(s, dX, dY, f, f, false)) std::abort();
                },
                [&] { cv::resize(model, out, cv::Size(sw, sh), 0, 0, cv::INTER_AREA); }));
            pixol::ByteArray pole, pola;
            int32_t bx = 0, by = 0;
            Surface source = toSurface(model);
            if (!lib.CreateObrPole(source, bx, by, pole, 3)) std::abort();
            rows.push_back(compare(
                "PsObrZmena 512x560 -> " + size + " (pixel array)",
                [&] {
                    int32_t bmX = 512, bmY = 560, nmX = sw, nmY = sh;
                    if (!lib.PsObrZmena(bmX, bmY, nmX, nmY, pole, pola)) std::abort();
                },
                [&] { cv::resize(model, out, cv::Size(sw, sh), 0, 0, cv::INTER_AREA); }));
        }

        const struct {
            const char* name;
            bool x, y;
            int code;
        } flips[] = {{"left-right", true, false, 1}, {"top-bottom", false, true, 0}, {"both", true, true, -1}};
        for (const auto& f : flips)
            rows.push_back(compare(
                std::string("PsObrFlip 512x560 ") + f.name + " (surface rows in+out)",
                [&] {
                    if (!lib.PsObrFlip(obj, f.x, f.y)) std::abort();
                },
                [&] { cv::flip(model, out, f.code); }));

        // Turned in place: the object alternates 512 x 560 and 560 x 512, as OpenCV's result is.
        cv::Mat turned = model.clone();
        rows.push_back(compare(
            "PsObrRotR 512x560 (surface rows in+out)",
            [&] {
                int32_t dX, dY;
                if (!lib.PsObrRotR(obj, dX, dY)) std::abort();
            },
            [&] { cv::rotate(model, out, cv::ROTATE_90_CLOCKWISE); }));
        rows.push_back(compare(
            "PsObrRotL 512x560 (surface rows in+out)",
            [&] {
                int32_t dX, dY;
                if (!lib.PsObrRotL(obj, dX, dY)) std::abort();
            },
            [&] { cv::rotate(model, out, cv::ROTATE_90_COUNTERCLOCKWISE); }));
    }

    {  // Loading a 1600 x 1200 JPEG photo from disk.
        rows.push_back(compare(
            "JPEG load 1600x1200",
            [&] {
                auto p = loadPicture(jpegPath);
                if (!p.ok()) std::abort();
            },
            [&] {
                cv::Mat m = cv::imread(jpegPath.string(), cv::IMREAD_COLOR);
                if (m.empty()) std::abort();
            }));
    }
    std::filesystem::remove(jpegPath);

    return bench::report("operation", 56, rows, CV_VERSION, cv::getNumThreads());
}
