#include "PictureContents.h"

#include "library/frame/FileServices.h"
#include "library/frame/LibraryState.h"
#include "library/imaging/PictureBasics.h"
#include "platform/PictureFile.h"

#include <fstream>
#include <sys/stat.h>

namespace pixol {

namespace {

struct FileStamp {
    uint64_t size;
    int64_t modified;  // nanoseconds
};

std::optional<FileStamp> stampOf(const std::filesystem::path& p)
{
    struct stat st{};
    if (::stat(p.c_str(), &st) != 0) return std::nullopt;
    return FileStamp{uint64_t(st.st_size), int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::optional<std::vector<uint8_t>> readRange(const std::filesystem::path& p, uint64_t offset, uint64_t length)
{
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    in.seekg(std::streamoff(offset));
    if (length > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(length))) return std::nullopt;
    return bytes;
}

// Copies the w x h block at (sx, sy) of the picture to (dx, dy) of the object.
void drawBlock(salon::Surface& obj, const salon::Bitmap& picture, int32_t dx, int32_t dy, int32_t sx, int32_t sy,
               int32_t w, int32_t h)
{
    salon::Surface source;
    source.setPicture(picture, true);
    salon::bitBlt(obj, dx, dy, w, h, source, sx, sy, salon::RasterOp::SrcCopy);
}

// The placement along one direction of a picture of `size` in a box of `box`: the source offset,
// the destination offset and the extent copied. The whole picture is copied, its last row and
// column included.
struct Span {
    int32_t source, target, extent;
};
Span place(int32_t size, int32_t box)
{
    if (size > box) return {(size - box) / 2, 0, box};
    return {0, (box - size) / 2, size};
}

} // namespace

int32_t SuCtiObsah(salon::Surface& Obj, const std::string& ObName, int32_t CObr, int32_t& XMax, int32_t& YMax,
                   int32_t& CMax, std::string& SiText, std::string& SiName, uint8_t ObTyp)
{
    auto& cache = state().contentsCache;
    try {
        if (!files::FsExist(ObName)) throw std::runtime_error("no such file");
        const auto native = *files::resolve(ObName);
        const auto stamp = stampOf(native);
        if (!stamp) throw std::runtime_error("cannot stat");
        if (cache.path != ObName || cache.size != stamp->size || cache.modified != stamp->modified) {
            cache.path.clear();
            const auto head = readRange(native, 0, std::min<uint64_t>(stamp->size, formats::ContentsHeaderBytes));
            if (!head) throw std::runtime_error("cannot read");
            auto header = formats::parseContentsHeader(*head, stamp->size);
            if (!header.ok()) throw std::runtime_error(header.error());
            cache.header = std::move(header).value();
            cache.size = stamp->size;
            cache.modified = stamp->modified;
            cache.path = ObName;
        }
        const formats::ContentsHeader& h = cache.header;
        if (CObr >= 1 && CObr <= h.count && ObTyp <= 2) {
            const auto entry = h.index[size_t(CObr - 1)];
            const auto bytes = readRange(native, uint64_t(entry.position - 1), uint64_t(entry.length));
            if (!bytes) throw std::runtime_error("cannot read the picture");
            auto decoded = salon::decodePicture(*bytes);
            if (!decoded.ok()) throw std::runtime_error(decoded.error());
            const salon::Bitmap& picture = decoded.value();
            if (ObTyp == 0) {
                Obj.setPicture(picture, true);
            } else {
                const int32_t boxW = ObTyp == 1 ? h.cellWidth : XMax, boxH = ObTyp == 1 ? h.cellHeight : YMax;
                Obj.backColour = 0xFFFFFF;
                if (!clearToSize(Obj, boxW, boxH)) throw std::runtime_error("cannot size the picture object");
                if (ObTyp == 1) {
                    drawBlock(Obj, picture, (boxW - picture.width) / 2, (boxH - picture.height) / 2, 0, 0, picture.width,
                              picture.height);
                } else {
                    const Span x = place(picture.width, boxW), y = place(picture.height, boxH);
                    drawBlock(Obj, picture, x.target, y.target, x.source, y.source, x.extent, y.extent);
                }
            }
        }
        XMax = h.cellWidth;
        YMax = h.cellHeight;
        CMax = h.count;
        SiText = h.title;
        SiName = h.shortName;
        return 1;
    } catch (...) {
        cache.path.clear();
        return 0;
    }
}

} // namespace pixol
