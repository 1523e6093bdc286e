// Page arithmetic of a thumbnail strip: a row of k slots that shows album
// images page·k .. page·k + k - 1, paged with an up-down control.
#pragma once

#include <string>

namespace pictra {

struct StripTurn {
    int page = 0;         // the strip page after the turn
    int spinPosition = 0; // where the up-down control is put back
    bool turned = false;  // the page changed
    friend bool operator==(const StripTurn&, const StripTurn&) = default;
};

struct StripPages {
    int slotCount = 1;     // k, slots in the strip
    int imageCount = 0;

    // At least one page, so an empty album shows "1/1".
    int pageCount() const;
    // The page that shows album image `index` (0 for a negative index).
    int pageOf(int index) const;
    // The album image in slot `slot` of page `page`, or -1 past the album's end.
    int imageAt(int page, int slot) const;
    // "page+1/pages".
    std::string label(int page) const;
    // The up-down control moved to `requested` while `page` is shown (its
    // up arrow goes to the earlier page): the strip turns when that page
    // shows an image; else the control steps back (never below 0).
    StripTurn turn(int page, int requested) const;
};

} // namespace pictra
