// The category list "dslob00.aob" on any bytes: every whole record becomes a category whose name is
// displayable text and whose model paths stay on the data drive, whatever the fields hold.
#include "fuzz/FuzzSupport.h"

#include "editor/shell/CatalogueForm.h"
#include "editor/shell/StartUp.h"
#include "platform/Paths.h"

#include <algorithm>
#include <iterator>

namespace {

bool validUtf8(const std::string& s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = uint8_t(s[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((uint8_t(s[i + k]) >> 6) != 2) return false;
        i += n;
    }
    return true;
}

// Inside root, once "." and ".." are taken literally as the file system will.
bool under(const std::filesystem::path& root, const std::filesystem::path& p)
{
    const auto r = root.lexically_normal(), q = p.lexically_normal();
    auto mismatch = std::mismatch(r.begin(), r.end(), q.begin(), q.end());
    return mismatch.first == r.end() || (std::next(mismatch.first) == r.end() && mismatch.first->empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace salon;
    const auto categories = parseCategoryFile(std::span<const uint8_t>(data, size));
    fuzz::check(categories.size() == size / 32, "a category record was lost or invented");
    const auto items = categoryListItems(categories);
    fuzz::check(items.size() == categories.size() + 1, "the list lines do not match the categories");
    for (const auto& line : items) fuzz::check(validUtf8(line), "a category name is not displayable text");

    static const std::filesystem::path root = [] {
        auto r = fuzz::scratchDir() / "drive";
        std::filesystem::create_directories(r);
        DriveTable::current().set('Q', r);
        return r;
    }();
    for (const auto& c : categories) {
        for (int32_t item : {1, 42, 999}) {
            const auto native = nativePath(modelFilePath("Q", c, item));
            if (native) fuzz::check(under(root, *native), "a category's model path leaves the data drive");
        }
    }
    return 0;
}
