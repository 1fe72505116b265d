#pragma once
// What the editor decides before its window exists: the program directory, the data drive and the
// category list of the catalogue.
#include "platform/Paths.h"
#include "platform/Result.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace salon {

// The program directory trimmed, with "\" appended when longer than 3 characters (a drive root such
// as "C:\" already ends in one). Native directories ending in '/' are kept as they are.
std::string programDirString(std::string_view dir);

// The command line as the program sees it: the arguments after the program name joined by blanks.
std::string joinCommandLine(std::span<const std::string> args);

// The data drive: the first drive of the table whose root holds the category file, then replaced by
// the command line when that is exactly a slash and a letter ("/e" names E). Empty when none.
std::string chooseDataDrive(std::string_view commandLine, const DriveTable& drives);

// The text to tell a person who has no data drive: which drives were searched and how to name one.
std::string noDataDriveMessage(const DriveTable& drives);

struct Category {
    std::string name;       // trimmed, UTF-8
    std::string directory;  // trimmed
    std::string prefix;     // trimmed
};

// The category file: length \ 32 records of 32 bytes; a shorter tail is ignored.
std::vector<Category> parseCategoryFile(std::span<const uint8_t> bytes);
Result<std::vector<Category>> readCategoryFile(std::string_view dataDrive);

// The lines of the catalogue's list: " " first, then each trimmed name followed by three blanks.
std::vector<std::string> categoryListItems(const std::vector<Category>& categories);

// 8-bit text of the data files (Central European code page) as UTF-8; text that already is valid
// UTF-8 passes unchanged, so data written by UTF-8 tools still reads well.
std::string textFromDataFile(std::string_view bytes);

// Blanks trimmed on both sides (as the system trims fixed fields).
std::string trimBlanks(std::string_view s);

} // namespace salon
