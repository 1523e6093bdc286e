// Selection list and clipboard bookkeeping.
#include "core/album/selection_block.h"

#include <algorithm>

namespace pictra {

bool isSelected(const SelectionBlock& block, std::int32_t stamp)
{
    return std::any_of(block.selection.begin(), block.selection.end(),
                       [stamp](const ImageEntry& e) { return e.stamp == stamp; });
}

bool addToSelection(SelectionBlock& block, const ImageEntry& entry)
{
    if (static_cast<int>(block.selection.size()) >= kMaxSelection || isSelected(block, entry.stamp))
        return false;
    block.selection.push_back(entry);
    return true;
}

void selectOnly(SelectionBlock& block, const ImageEntry& entry)
{
    block.selection.assign(1, entry);
}

void clearSelection(SelectionBlock& block) { block.selection.clear(); }

void clearSelectionBlock(SelectionBlock& block)
{
    block.clipboardFilled = false;
    block.selection.clear();
    block.clipboard.clear();
    block.clipboardAlbum.clear();
}

} // namespace pictra
