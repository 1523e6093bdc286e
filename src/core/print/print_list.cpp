#include "core/print/print_list.h"

#include "core/print/print_pages.h"

#include <algorithm>

namespace pictra {

int PrintList::last() const
{
    return lastSheet(count(), m_cellsPerSheet);
}

bool PrintList::add(std::string_view path)
{
    if (full() || path.empty())
        return false;
    m_paths.emplace_back(path);
    m_displayed = last();
    return true;
}

bool PrintList::move(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count())
        return false;
    std::string moved = std::move(m_paths[static_cast<std::size_t>(from)]);
    m_paths.erase(m_paths.begin() + from);
    m_paths.insert(m_paths.begin() + to, std::move(moved));
    return true;
}

bool PrintList::remove(int entry)
{
    if (entry < 0 || entry >= count())
        return false;
    m_paths.erase(m_paths.begin() + entry);
    if (m_cellsPerSheet == 1 && m_displayed > 0)
        --m_displayed;
    clampDisplayed();
    return true;
}

void PrintList::clear()
{
    m_paths.clear();
    m_displayed = 0;
}

void PrintList::setCellsPerSheet(int cellsPerSheet)
{
    const bool toOne = m_cellsPerSheet > 1 && cellsPerSheet <= 1;
    m_cellsPerSheet = std::max(cellsPerSheet, 1);
    if (toOne)
        m_displayed = last();
    clampDisplayed();
}

void PrintList::setDisplayed(int sheet)
{
    m_displayed = sheet;
    clampDisplayed();
}

void PrintList::clampDisplayed()
{
    m_displayed = std::clamp(m_displayed, 0, last());
}

} // namespace pictra
