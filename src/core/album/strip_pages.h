// Page arithmetic of the thumbnail strips in dialogs (a row of k cells over
// a list of files, turned with an up-down control whose up arrow goes to the
// earlier page): the "n/m" label and whether a turn is allowed.
#pragma once

#include <string>

namespace pictra {

// "page+1/⌈count/cells⌉", with at least one page: "1/1" for an empty list.
std::string stripPageLabel(int page, int count, int cellsPerStrip);

struct StripTurn {
    int page = 0;         // the strip page after the turn
    int spinPosition = 0; // where the up-down control is put back
    bool turned = false;  // the page changed
    friend bool operator==(const StripTurn&, const StripTurn&) = default;
};

// The up-down control moved to `requested` while the strip shows `page`:
// the strip turns when that page has an item; else the control goes back
// one step (never below 0) and the page stays.
StripTurn turnStrip(int page, int requested, int count, int cellsPerStrip);

// The list index shown in cell `cell` of strip page `page`, or -1 when the
// cell is past the end of the list.
int stripItem(int page, int cell, int count, int cellsPerStrip);

} // namespace pictra
