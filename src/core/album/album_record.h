// AlbumRecord: everything one album window shows, in one fixed-size record
// (about 2.2 MB, so it lives on the heap inside AlbumTable). Windows of kind
// SingleImage and SlideShow use the same record.
#pragma once

#include "core/album/image_entry.h"
#include "core/image/image_record.h"
#include "core/settings/settings_sanitize.h"

#include <array>
#include <cstdint>

namespace pictra {

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool contains(std::int32_t x, std::int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class AlbumKind : std::uint8_t {
    Album = 0,
    SingleImage = 1,
    SlideShow = 2,
};

// Zoom state of an enlarged view, mirrored into its record.
struct ZoomState {
    std::int32_t toolMode = 0;    // 0 none, or the zoom command while picking a rectangle
    std::uint8_t firstCorner = 0; // 1 once the first corner of the rubber band is set
    PointD first{};               // rubber-band corners, client coordinates
    PointD second{};
    std::uint8_t zoomed = 0;      // 1 while a zoomed part is shown
};

struct AlbumRecord {
    std::array<char, kPathBytes> path{}; // album file; for a single-image window the image
    AlbumKind kind = AlbumKind::Album;
    std::uint8_t hasFocus = 0;           // 1 = a cell of the page has the focus
    std::int32_t focusIndex = 0;         // focused cell on the page
    Rect focusRect{};
    ZoomState zoom{};
    std::int32_t currentPage = 0;        // from 0; for kinds 1 and 2: slot of the source album
    std::uint64_t viewId = 0;            // the ui's identity of the view showing this record (0 = none)
    std::uint8_t layoutComputed = 0;     // 1 = cells below are valid
    std::uint8_t columns = 0;
    std::uint8_t rows = 0;
    std::array<Rect, kMaxPageCells> cells{};
    std::int32_t imageCount = 0;         // 0..kMaxAlbumImages
    std::array<ImageEntry, kMaxAlbumImages> images{};
    // Unsaved changes (album_changes.h); not part of the album file.
    std::uint8_t changed = 0;            // 1 = the album differs from its file
    std::uint32_t changeSerial = 0;      // raised by every change, so a watcher sees each one
};

// Resets every field to its zero value without a 2 MB temporary on the stack.
void resetAlbumRecord(AlbumRecord& record);

} // namespace pictra
