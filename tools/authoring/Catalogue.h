#pragma once
// The catalogue files on a data drive:
//
//   <drive>/dslob00.aob              32-byte records: name (24), directory (4), prefix (4), blank-padded
//   <drive>/orvella/obsdslNN.irw     "IWRG", length, N, 13 x N Longs stored field by field, previews
//   <drive>/<DIR>/<PFX>III.DSL       the models, III = item number with at least three digits
//
// Previews are 90 x 120 pictures (a 3:4 crop of picture 1 around the cut-out, area-averaged)
// described by a 40-byte bitmap information header with a positive height, so their rows run
// bottom-up.
#include "library/formats/ModelFile.h"
#include "platform/Bitmap.h"
#include "platform/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace salon::tools {

inline constexpr int32_t PreviewWidth = 90;
inline constexpr int32_t PreviewHeight = 120;
inline constexpr int32_t MinModelsPerCategory = 2;    // the editor refuses smaller contents files
inline constexpr int32_t MaxModelsPerCategory = 999;  // item numbers keep three digits

struct Category {
    std::string name;    // up to 24 8-bit characters
    std::string dir;     // 1 to 4 letters or digits
    std::string prefix;  // 1 to 4 letters or digits
    std::vector<std::filesystem::path> models;  // model files, "JSDL" or "JDSL"
};

// Problems with names, sizes and counts, one a line; empty when the list is fine.
std::string checkCategories(const std::vector<Category>& categories);

std::vector<uint8_t> categoryList(const std::vector<Category>& categories);

// Area average of picture 1 over a 3:4 crop, as a 24-bit bitmap of PreviewWidth x PreviewHeight:
// 2.6 cut-out heights tall with the cut-out's centre at 48 % of the height, or, without a
// cut-out, the largest such crop from the top.
Bitmap makePreview(const dsl::Model& model);

// The contents file for the previews of one category, in item order.
std::vector<uint8_t> contentsFile(const std::vector<Bitmap>& previews);

// "obsdsl07.irw", "DA007.DSL": the names the editor builds.
std::string contentsFileName(int category);
std::string modelFileName(const std::string& prefix, int item);

// Writes the whole catalogue into `drive` (created when missing). Model files are copied under
// their catalogue names with the editor's magic. Nothing is written unless every model reads and
// is one the editor accepts, and the files go in together (replaceDriveFiles): after a failure
// the drive holds its old catalogue.
Result<bool> buildCatalogue(const std::vector<Category>& categories, const std::filesystem::path& drive);

} // namespace salon::tools
