#include "LibraryState.h"

#include <filesystem>
#include <system_error>

namespace pixol {

LibraryState::LibraryState()
{
    for (int i = 0; i < int(work.size()); ++i) shrinkWork(i);
}

LibraryState::~LibraryState()
{
    if (!settings.scratchFile.empty()) {
        std::error_code ec;
        std::filesystem::remove(settings.scratchFile, ec);
    }
}

void LibraryState::shrinkWork(int index)
{
    salon::Surface& s = work.at(size_t(index));
    s.clearPicture();
    s.setSize(5, 5);
}

LibraryState& state()
{
    thread_local LibraryState s;
    return s;
}

} // namespace pixol
