// FileNameList limits.
#include "core/album/file_name_list.h"

namespace pictra {

bool FileNameList::add(std::string_view path)
{
    if (full() || path.size() >= kPathBytes)
        return false;
    m_paths.emplace_back(path);
    return true;
}

} // namespace pictra
