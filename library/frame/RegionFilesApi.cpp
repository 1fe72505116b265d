#include "RegionFilesApi.h"

#include "library/formats/RegionFiles.h"
#include "library/frame/FileServices.h"
#include "library/frame/LibraryState.h"
#include "platform/PictureFile.h"

namespace pixol {

namespace {

// Region files hold at most a few million rectangles; anything larger is not one of ours.
constexpr uint64_t MaxFileBytes = 256u << 20;

std::optional<std::vector<uint8_t>> readRegionFile(const std::string& name, const char* ext)
{
    if (!files::hasExtension(name, ext) || !files::FsExist(name)) return std::nullopt;
    auto bytes = salon::readFileBytes(*files::resolve(name), MaxFileBytes);
    if (!bytes.ok()) return std::nullopt;
    return std::move(bytes).value();
}

// The data block of a region worth storing: a valid region with at least one rectangle.
std::optional<std::vector<int32_t>> storableData(int32_t handle)
{
    const salon::Region* r = state().regions.find(uint32_t(handle));
    if (!r || !r->isValid()) return std::nullopt;
    std::vector<int32_t> data = r->data();
    if (4 * data.size() < 36) return std::nullopt;
    return data;
}

bool writeWithQuestion(const std::string& name, const std::vector<uint8_t>& bytes, bool Dotaz,
                       const std::string& question)
{
    if (Dotaz && files::FsExist(name) && !files::askYesNo(question, true)) return false;
    const auto native = files::resolve(name);
    return native && salon::writeFileAtomically(*native, bytes).ok();
}

} // namespace

int32_t SuCtiNLG(const std::string& JmeSou, int32_t SrX, int32_t SrY)
{
    const auto bytes = readRegionFile(JmeSou, "NLG");
    if (!bytes) return 0;
    const auto file = formats::parseNlg(*bytes);
    if (!file.ok()) return 0;
    const auto& f = file.value();
    salon::Region r = formats::regionFromData(f.data, 4 * int64_t(f.data.size()),
                                              formats::referenceScale(f.refWidth, f.refHeight, SrX, SrY));
    return r.isValid() ? int32_t(state().regions.add(std::move(r))) : 0;
}

int32_t SuPisNLG(const std::string& JmeSou, int32_t Hrgn, bool Dotaz, int32_t SrX, int32_t SrY,
                 const std::string& overwriteQuestion)
{
    if (!files::hasExtension(JmeSou, "NLG")) return 0;
    const auto data = storableData(Hrgn);
    if (!data) return 0;
    return writeWithQuestion(JmeSou, formats::encodeNlg(*data, SrX, SrY), Dotaz, overwriteQuestion) ? 1 : 0;
}

int32_t SuCtiNSG(const std::string& JmeSou, salon::LongArray& SadaHrgn, int32_t SrX, int32_t SrY)
{
    const auto bytes = readRegionFile(JmeSou, "NSG");
    if (!bytes) return 0;
    const auto file = formats::parseNsg(*bytes);
    if (!file.ok()) return 0;
    const auto& f = file.value();
    const auto map = formats::referenceScale(f.refWidth, f.refHeight, SrX, SrY);
    // Built aside first, so that nothing is left in the table if a region cannot be added.
    std::vector<salon::Region> made;
    made.reserve(f.regions.size());
    for (const auto& block : f.regions)
        made.push_back(block.empty() ? salon::Region::invalid()
                                     : formats::regionFromData(block, 4 * int64_t(block.size()), map));
    salon::LongArray out;
    out.redim(1, int32_t(made.size()));
    try {
        for (size_t k = 0; k < made.size(); ++k)
            if (made[k].isValid()) out.values[k] = int32_t(state().regions.add(std::move(made[k])));
    } catch (...) {
        for (int32_t h : out.values)
            if (h) state().regions.remove(uint32_t(h));
        throw;
    }
    SadaHrgn = std::move(out);
    return 1;
}

int32_t SuPisNSG(const std::string& JmeSou, const salon::LongArray& SadaHrgn, bool Dotaz, int32_t SrX, int32_t SrY,
                 const std::string& overwriteQuestion)
{
    if (!files::hasExtension(JmeSou, "NSG")) return 0;
    formats::NsgContents contents;
    contents.refWidth = SrX;
    contents.refHeight = SrY;
    for (int32_t h : SadaHrgn.values) {
        auto data = storableData(h);
        contents.regions.push_back(data ? std::move(*data) : std::vector<int32_t>{});
    }
    return writeWithQuestion(JmeSou, formats::encodeNsg(contents), Dotaz, overwriteQuestion) ? 1 : 0;
}

} // namespace pixol
