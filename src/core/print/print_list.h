// The print list of the normal print dialog: the image paths to print, in
// order, and which sheet of them the preview shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// The list's count is one byte in the dialog's record: 255 entries at most.
inline constexpr int kMaxPrintEntries = 255;

class PrintList {
public:
    int count() const { return static_cast<int>(m_paths.size()); }
    bool empty() const { return m_paths.empty(); }
    bool full() const { return count() >= kMaxPrintEntries; }
    const std::string& path(int entry) const { return m_paths[static_cast<std::size_t>(entry)]; }
    const std::vector<std::string>& paths() const { return m_paths; }

    // The sheet the preview shows and the last sheet (both 0 when empty).
    int displayed() const { return m_displayed; }
    int last() const;
    int cellsPerSheet() const { return m_cellsPerSheet; }

    // Appends a path and shows the sheet it lands on. False (nothing
    // changes) when the list is full or the path is empty.
    bool add(std::string_view path);
    // Takes entry `from` out and puts it at position `to` (the others keep
    // their order). False when either index is outside the list.
    bool move(int from, int to);
    // Removes an entry. With one image per sheet the preview goes back one
    // sheet; with several it stays unless its sheet no longer exists.
    bool remove(int entry);
    void clear();

    // Several images per sheet (cellsPerSheet > 1) or one; the displayed
    // sheet then follows: the last sheet when switching from several to one
    // image, else kept (a new paper or grid) unless past the end.
    void setCellsPerSheet(int cellsPerSheet);
    // Shows sheet `sheet`, kept within 0..last.
    void setDisplayed(int sheet);

private:
    void clampDisplayed();

    std::vector<std::string> m_paths;
    int m_displayed = 0;
    int m_cellsPerSheet = 1;
};

} // namespace pictra
