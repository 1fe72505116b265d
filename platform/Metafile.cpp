#include "Metafile.h"

#include <cairo.h>
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace salon {

namespace {

constexpr int64_t MaxPixels = int64_t(64) << 20;
constexpr int32_t MaxSide = 1 << 15;

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

Error failure(const std::string& what) { return Error{what}; }

} // namespace

bool looksLikeWmf(std::span<const uint8_t> d)
{
    if (d.size() >= 4 && le32(d.data()) == 0x9AC6CDD7u) return true;  // placeable header
    return d.size() >= 18 && (le16(d.data()) == 1 || le16(d.data()) == 2) && le16(d.data() + 2) == 9 &&
           (le16(d.data() + 4) == 0x0100 || le16(d.data() + 4) == 0x0300);
}

// libwmf sizes its record buffer from the header's largest-record field (in 16-bit words) before
// it reads any record, so a damaged header would have it ask for gigabytes. No record can be
// longer than the file that holds it.
bool wmfRecordSizeFits(std::span<const uint8_t> d)
{
    const size_t at = le32(d.data()) == 0x9AC6CDD7u ? 22 : 0;
    if (d.size() < at + 18) return false;
    return 2 * uint64_t(le32(d.data() + at + 12)) <= uint64_t(d.size() - at);
}

bool looksLikeEmf(std::span<const uint8_t> d)
{
    return d.size() >= 88 && le32(d.data()) == 1 && std::memcmp(d.data() + 40, " EMF", 4) == 0;
}

Result<Bitmap> renderSvg(const std::string& svg, int32_t width, int32_t height)
{
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), gsize(svg.size()), &error);
    if (!handle) {
        std::string why = error ? error->message : "unknown";
        if (error) g_error_free(error);
        return failure("The drawing cannot be read: " + why);
    }
    std::unique_ptr<RsvgHandle, void (*)(RsvgHandle*)> owner(handle, [](RsvgHandle* h) { g_object_unref(h); });
    if (width <= 0 || height <= 0) {
        gdouble w = 0, h = 0;
        if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &w, &h)) {
            RsvgRectangle ink{}, logical{};
            if (!rsvg_handle_get_geometry_for_layer(handle, nullptr, nullptr, &ink, &logical, nullptr))
                return failure("The drawing has no size.");
            w = logical.width;
            h = logical.height;
        }
        if (!(w >= 1 && h >= 1 && w <= MaxSide && h <= MaxSide)) return failure("The drawing's size is out of range.");
        width = int32_t(std::lround(w));
        height = int32_t(std::lround(h));
    }
    if (width > MaxSide || height > MaxSide || int64_t(width) * height > MaxPixels) return failure("The picture is too large.");

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surfaceOwner(surface, cairo_surface_destroy);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) return failure("No memory for the picture.");
    cairo_t* cr = cairo_create(surface);
    std::unique_ptr<cairo_t, void (*)(cairo_t*)> crOwner(cr, cairo_destroy);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    const RsvgRectangle viewport{0, 0, double(width), double(height)};
    if (!rsvg_handle_render_document(handle, cr, &viewport, &error)) {
        std::string why = error ? error->message : "unknown";
        if (error) g_error_free(error);
        return failure("The drawing cannot be drawn: " + why);
    }
    cairo_surface_flush(surface);

    Bitmap out = Bitmap::rgb24(width, height);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t p = row[x];  // 0x00RRGGBB
            out.setPixel(x, y, ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16));
        }
    }
    return out;
}

Result<Bitmap> decodeWmf(std::span<const uint8_t> data)
{
    if (!looksLikeWmf(data)) return failure("Not a WMF file.");
    if (!wmfRecordSizeFits(data)) return failure("The WMF file's largest record is longer than the file.");
    wmfAPI* api = nullptr;
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    if (wmf_api_create(&api, WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG, &options) != wmf_E_None) {
        if (api) wmf_api_destroy(api);
        return failure("The WMF reader cannot start.");
    }
    std::unique_ptr<wmfAPI, void (*)(wmfAPI*)> owner(api, [](wmfAPI* a) { wmf_api_destroy(a); });
    // libwmf reads from a buffer it does not change, but takes it without const.
    std::vector<uint8_t> copy(data.begin(), data.end());
    if (wmf_mem_open(api, copy.data(), long(copy.size())) != wmf_E_None) return failure("The WMF file cannot be read.");
    wmfD_Rect bbox{};
    if (wmf_scan(api, 0, &bbox) != wmf_E_None) return failure("The WMF file is damaged.");
    unsigned int width = 0, height = 0;
    if (wmf_display_size(api, &width, &height, 96, 96) != wmf_E_None || width == 0 || height == 0 ||
        width > unsigned(MaxSide) || height > unsigned(MaxSide))
        return failure("The WMF picture has no usable size.");
    // The scan's box is the extent of what is drawn; a placeable file names its own frame, which
    // is the picture (the player's device units are points: 72 per inch).
    if (le32(data.data()) == 0x9AC6CDD7u && data.size() >= 22) {
        const double inch = le16(data.data() + 14);
        if (inch > 0) {
            const auto at = [&](size_t off) { return double(int16_t(le16(data.data() + off))) * 72.0 / inch; };
            bbox.TL.x = float(std::min(at(6), at(10)));
            bbox.TL.y = float(std::min(at(8), at(12)));
            bbox.BR.x = float(std::max(at(6), at(10)));
            bbox.BR.y = float(std::max(at(8), at(12)));
        }
    }
    wmf_svg_t* svg = WMF_SVG_GetData(api);
    svg->out = wmf_stream_create(api, nullptr);
    svg->Description = const_cast<char*>("pixol");
    svg->bbox = bbox;
    svg->width = width;
    svg->height = height;
    const wmf_error_t played = wmf_play(api, 0, &bbox);
    char* text = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(api, svg->out, &text, &length);
    // The text belongs to the reader's memory pool and goes with it.
    std::string document = text ? std::string(text, length) : std::string();
    if (played != wmf_E_None || document.empty()) return failure("The WMF file cannot be drawn.");
    return renderSvg(document, int32_t(width), int32_t(height));
}

Result<Bitmap> decodeEmf(std::span<const uint8_t> data)
{
    if (!looksLikeEmf(data)) return failure("Not an EMF file.");
    // The header's bounds (device pixels, inclusive) give the picture's size.
    const int32_t left = int32_t(le32(data.data() + 8)), top = int32_t(le32(data.data() + 12)),
                  right = int32_t(le32(data.data() + 16)), bottom = int32_t(le32(data.data() + 20));
    const int64_t width = int64_t(right) - left + 1, height = int64_t(bottom) - top + 1;
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide) return failure("The EMF picture has no usable size.");
    generatorOptions options{};
    options.nameSpace = const_cast<char*>("");
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = double(width);
    options.imgHeight = double(height);
    std::vector<char> copy(data.begin(), data.end());
    char* out = nullptr;
    size_t length = 0;
    const int ok = emf2svg(copy.data(), copy.size(), &out, &length, &options);
    std::string document = out ? std::string(out, length) : std::string();
    std::free(out);
    if (!ok || document.empty()) return failure("The EMF file cannot be drawn.");
    return renderSvg(document, int32_t(width), int32_t(height));
}

} // namespace salon
