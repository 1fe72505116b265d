#pragma once
// The file-choice dialog every file command goes through, and the editor's file messages.
//
// Kinds 0 to 7 (table below in ChooseFile.cpp) fix the dialog's title text (500 + kind), whether it
// opens or saves, its options and the size of its name buffer; kinds 10 to 17 behave as 0 to 7 but
// keep the dialog's own title. Paths the user picks come back as the dialog gives them (native
// paths); proposed names may be Windows-style or native.
#include "platform/Ui.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace salon {

struct ChooseFileKind {
    int32_t titleId = 0;         // 0: the dialog's default title
    FileDialogKind dialog = FileDialogKind::Open;
    bool multiSelect = false;
    bool fileMustExist = false;  // open kinds: path and file must exist
    bool readOnlyChecked = false;
    bool overwritePrompt = false;
    int32_t nameBuffer = 260;    // characters of the joined answer the dialog can hand back
};

// The kind's row, or none for an unknown kind.
std::optional<ChooseFileKind> chooseFileKind(int32_t kind);

// "601,607" -> the texts 601 and 607 followed by the all-files choice (text 600). Unknown ids add
// nothing.
std::string buildFileFilter(std::string_view filterIds);

// The proposed name split at its last separator into the initial directory (with its separator) and
// the name. Without a directory part (no separator, or one before the third character) the
// directory is "c:\".
struct ProposedName {
    std::string directory;
    std::string name;
};
ProposedName splitProposedName(std::string_view proposed);

// Returns non-zero when the user confirmed; `chosen` then holds the file (first) and, with multiple
// selection, the others. A missing file is questioned (kind 4: text 570) or refused (kind 3: text
// 571); an existing file with warning attributes is confirmed first (confirmFileAction).
// defaultExtension (without the dot): added to a chosen name that has no extension, before the
// checks, so "vysledek" is saved - and questioned - as "vysledek.bmp".
int32_t ChooseFile(Ui& ui, int32_t kind, const std::string& fileName, const std::string& filterIds,
                   std::vector<std::string>& chosen, const std::string& defaultExtension = {});

// The 1-based filter of a "label|pattern|..." list an open dialog starts on in `directory`: the
// first whose pattern names a file there, else 1 (the "all files" entry at the end is never chosen
// by its files alone).
int32_t filterIndexForFolder(const std::string& filter, const std::string& directory);

// Attributes that earn a warning before a file is touched. Linux has no system or hidden flag: a
// name starting with '.' counts as hidden, anything that is not a regular file or directory (a
// device, a pipe, a socket) as a system file, no write permission bit as read-only.
struct FileWarnings {
    bool system = false;
    bool hidden = false;
    bool readOnly = false;
    bool any() const { return system || hidden || readOnly; }
};
FileWarnings fileWarnings(const std::filesystem::path& native);

enum class FileAction { Open, Overwrite, Delete, Rename };
// Asks before an action on an existing file with warning attributes (texts 546 to 557); true when
// the action may go on (also for files without such attributes, or that do not exist).
bool confirmFileAction(Ui& ui, FileAction action, const std::string& fileName);

// The run-time error number of a failed file operation for a system error code (errno).
int32_t fileErrorNumber(int errnoValue);
// The message chosen by the error number, in an exclamation box; for 71 (drive not ready) with the
// request to insert the medium and the file name, in an OK / Cancel box. Returns the answer.
MsgAnswer showFileError(Ui& ui, int32_t errorNumber, const std::string& fileName);
// The text showFileError shows.
std::string fileErrorText(int32_t errorNumber, const std::string& fileName);

} // namespace salon
