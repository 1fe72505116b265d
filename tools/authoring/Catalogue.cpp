#include "tools/authoring/Catalogue.h"

#include "platform/BinaryFile.h"
#include "platform/Numbers.h"
#include "library/formats/ModelConsistency.h"
#include "tools/authoring/DriveUpdate.h"
#include "tools/authoring/Files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace salon::tools {

namespace fs = std::filesystem;

namespace {

bool plainName(const std::string& s)
{
    return !s.empty() && s.size() <= 4 &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isalnum(c); });
}

std::string padded(const std::string& s, size_t width)
{
    std::string r = s.substr(0, width);
    r.resize(width, ' ');
    return r;
}

} // namespace

std::string checkCategories(const std::vector<Category>& categories)
{
    std::string problems;
    auto add = [&](const std::string& s) { problems += (problems.empty() ? "" : "\n") + s; };
    if (categories.empty()) add("no category given");
    if (categories.size() > 100) add("at most 100 categories fit the two-digit contents file names");
    for (size_t k = 0; k < categories.size(); ++k) {
        const Category& c = categories[k];
        std::string where = "category " + std::to_string(k) + " (\"" + c.name + "\")";
        if (c.name.empty() || c.name.size() > 24) add(where + ": the name must have 1 to 24 characters");
        if (c.name.find_first_not_of(' ') == std::string::npos) add(where + ": the name is blank");
        if (!plainName(c.dir)) add(where + ": the directory \"" + c.dir + "\" must be 1 to 4 letters or digits");
        if (!plainName(c.prefix)) add(where + ": the prefix \"" + c.prefix + "\" must be 1 to 4 letters or digits");
        if (c.models.size() < size_t(MinModelsPerCategory) || c.models.size() > size_t(MaxModelsPerCategory))
            add(where + ": it has " + std::to_string(c.models.size()) + " model(s); a category needs " +
                std::to_string(MinModelsPerCategory) + " to " + std::to_string(MaxModelsPerCategory));
        for (size_t j = 0; j < k; ++j) {
            auto same = [](const std::string& a, const std::string& b) {
                return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                    return std::toupper((unsigned char)x) == std::toupper((unsigned char)y);
                });
            };
            // The drive is matched without regard to case: two categories writing the same
            // file names into one directory would overwrite each other's models.
            if (same(categories[j].dir, c.dir) && same(categories[j].prefix, c.prefix))
                add(where + ": directory and prefix are already used by category " + std::to_string(j));
        }
    }
    return problems;
}

std::vector<uint8_t> categoryList(const std::vector<Category>& categories)
{
    std::string out;
    for (const Category& c : categories) out += padded(c.name, 24) + padded(c.dir, 4) + padded(c.prefix, 4);
    return {out.begin(), out.end()};
}

Bitmap makePreview(const dsl::Model& model)
{
    const int32_t w = model.width, h = model.height;
    // The largest 3:4 rectangle, centred across, from the top down; with a cut-out, a closer one
    // around the face, so that the hairstyle fills the small box.
    double cropW = w, cropH = h;
    if (double(w) * PreviewHeight > double(h) * PreviewWidth) cropW = double(h) * PreviewWidth / PreviewHeight;
    else cropH = double(w) * PreviewHeight / PreviewWidth;
    double left = (w - cropW) / 2.0, top = 0.0;
    if (!model.set1.points.empty()) {
        // Real numbers: outline points may lie anywhere a Long reaches, and their sums and
        // differences must not wrap.
        double x0 = w, x1 = 0, y0 = h, y1 = 0;
        for (const auto& [x, y] : model.set1.points) {
            x0 = std::min<double>(x0, x); x1 = std::max<double>(x1, x);
            y0 = std::min<double>(y0, y); y1 = std::max<double>(y1, y);
        }
        const double closeH = std::min(cropH, std::max(2.6 * (y1 - y0), 1.0));
        const double closeW = closeH * PreviewWidth / PreviewHeight;
        cropW = closeW;
        cropH = closeH;
        left = std::clamp((x0 + x1) / 2.0 - closeW / 2.0, 0.0, w - closeW);
        top = std::clamp((y0 + y1) / 2.0 - 0.48 * closeH, 0.0, h - closeH);
    }
    const double sx = cropW / PreviewWidth, sy = cropH / PreviewHeight;
    const int32_t rb = rowBytes24(w);

    Bitmap out = Bitmap::rgb24(PreviewWidth, PreviewHeight);
    for (int32_t py = 0; py < PreviewHeight; ++py) {
        double y0 = top + py * sy, y1 = y0 + sy;
        for (int32_t px = 0; px < PreviewWidth; ++px) {
            double x0 = left + px * sx, x1 = x0 + sx;
            double acc[3] = {0, 0, 0}, area = 0;
            for (int32_t y = int32_t(y0); y < h && y < y1; ++y) {
                double wy = std::min<double>(y + 1, y1) - std::max<double>(y, y0);
                for (int32_t x = int32_t(x0); x < w && x < x1; ++x) {
                    double wx = std::min<double>(x + 1, x1) - std::max<double>(x, x0);
                    const uint8_t* p = model.picture1.data() + size_t(y) * rb + size_t(x) * 3;
                    for (int c = 0; c < 3; ++c) acc[c] += p[c] * wx * wy;
                    area += wx * wy;
                }
            }
            uint8_t* q = out.row(py) + size_t(px) * 3;
            for (int c = 0; c < 3; ++c) q[c] = area > 0 ? uint8_t(roundHalfEven(acc[c] / area)) : 0;
        }
    }
    return out;
}

std::vector<uint8_t> contentsFile(const std::vector<Bitmap>& previews)
{
    const int32_t n = int32_t(previews.size());
    ByteWriter f;
    f.text(1, "IWRG");
    f.long32(9, n);
    auto field = [&](int item, int k) { return 13 + 4 * (int64_t(k) * n + item); };  // item from 0
    int64_t pos = 13 + 52 * int64_t(n);
    for (int32_t i = 0; i < n; ++i) {
        const Bitmap& p = previews[size_t(i)];
        const int32_t rb = rowBytes24(p.width);
        const int32_t bytes = rb * p.height;
        const int32_t header[10] = {40, p.width, p.height, 1 | (24 << 16), 0, bytes, 2834, 2834, 0, 0};
        f.long32(field(i, 0), bytes + 54);
        f.long32(field(i, 1), 0);
        for (int k = 0; k < 10; ++k) f.long32(field(i, 2 + k), header[k]);
        f.long32(field(i, 12), int32_t(pos));
        // Positive height: the rows go in bottom-up, as the header says.
        std::vector<uint8_t> rows(size_t(bytes), 0);
        for (int32_t y = 0; y < p.height; ++y)
            std::copy_n(p.row(p.height - 1 - y), size_t(p.width) * 3, rows.begin() + ptrdiff_t(y) * rb);
        f.bytes(pos, rows);
        pos += bytes;
    }
    f.long32(5, int32_t(f.data().size()));
    return f.data();
}

std::string contentsFileName(int category)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "obsdsl%02d.irw", category);
    return buf;
}

std::string modelFileName(const std::string& prefix, int item)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%03d", item);
    return prefix + buf + ".DSL";
}

Result<bool> buildCatalogue(const std::vector<Category>& categories, const fs::path& drive)
{
    if (std::string problems = checkCategories(categories); !problems.empty()) return Error{problems};

    // Read every model first, then write the whole catalogue as one change of the drive.
    std::vector<DriveFile> outputs;
    for (size_t k = 0; k < categories.size(); ++k) {
        const Category& c = categories[k];
        std::vector<Bitmap> previews;
        for (size_t i = 0; i < c.models.size(); ++i) {
            auto bytes = readWholeFile(c.models[i]);
            if (!bytes) return Error{c.models[i].string() + ": " + bytes.error()};
            auto model = dsl::parse(bytes.value(), dsl::EditorMagic, false);
            if (!model) model = dsl::parse(bytes.value(), dsl::LibraryMagic, true);
            if (!model) return Error{c.models[i].string() + ": not a model file: " + model.error()};
            // The editor refuses such a model; a catalogue that offers it would only fail there.
            if (auto wrong = dsl::contradiction(model.value()))
                return Error{c.models[i].string() + ": not a usable model: " + *wrong};
            if (dsl::cutOutMissesPicture(model.value()))
                return Error{c.models[i].string() + ": not a usable model: its cut-out covers none of its picture"};
            previews.push_back(makePreview(model.value()));
            outputs.push_back({fs::path(c.dir) / modelFileName(c.prefix, int(i) + 1),
                               dsl::serialize(model.value(), dsl::EditorMagic)});
        }
        outputs.push_back({fs::path("orvella") / contentsFileName(int(k)), contentsFile(previews)});
    }
    // The category list last: until it is in, the drive's old list names the old categories.
    outputs.push_back({"dslob00.aob", categoryList(categories)});
    return replaceDriveFiles(drive, outputs);
}

} // namespace salon::tools
