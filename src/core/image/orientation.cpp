// Exif orientations. Value v says where the stored rows belong: 2 mirrored,
// 3 half turn, 4 upside down, 5 transposed, 6 a quarter turn clockwise to
// show, 7 transposed the other way, 8 a quarter turn anticlockwise.
#include "core/image/orientation.h"

#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace pictra {
namespace {

struct Source {
    int x;
    int y;
};

// Stored pixel (top-down) shown at upright pixel (x, y); sw × sh is the stored size.
Source sourceOf(int orientation, int x, int y, int sw, int sh)
{
    switch (orientation) {
    case 2: return {sw - 1 - x, y};
    case 3: return {sw - 1 - x, sh - 1 - y};
    case 4: return {x, sh - 1 - y};
    case 5: return {y, x};
    case 6: return {y, sh - 1 - x};
    case 7: return {sw - 1 - y, sh - 1 - x};
    case 8: return {sw - 1 - y, x};
    default: return {x, y};
    }
}

} // namespace

Status applyOrientation(ImageRecord& record, int orientation)
{
    if (orientation < 2 || orientation > 8 || record.bitCount() != 24)
        return Status::Ok;
    const int sw = record.width();
    const int sh = record.height();
    const int uw = swapsSides(orientation) ? sh : sw;
    const int uh = swapsSides(orientation) ? sw : sh;
    const std::size_t oldStride = record.stride();
    const std::size_t newStride = bitmapRowBytes24(static_cast<std::size_t>(uw));
    std::vector<std::uint8_t> turned(newStride * static_cast<std::size_t>(uh), 0);
    for (int y = 0; y < uh; ++y) {
        std::uint8_t* dst = turned.data() + newStride * static_cast<std::size_t>(uh - 1 - y);
        for (int x = 0; x < uw; ++x) {
            const Source s = sourceOf(orientation, x, y, sw, sh);
            const std::uint8_t* src = record.pixels.data() + oldStride * static_cast<std::size_t>(sh - 1 - s.y) +
                                      3 * static_cast<std::size_t>(s.x);
            std::memcpy(dst + 3 * static_cast<std::size_t>(x), src, 3);
        }
    }
    const BitmapInfoHeader info = record.infoHeader;
    if (record.setup24(uw, uh) != Status::Ok) {
        record.clearHeaders();
        return Status::TooLarge;
    }
    if (swapsSides(orientation)) {
        record.infoHeader.xPelsPerMeter = info.yPelsPerMeter;
        record.infoHeader.yPelsPerMeter = info.xPelsPerMeter;
    } else {
        record.infoHeader.xPelsPerMeter = info.xPelsPerMeter;
        record.infoHeader.yPelsPerMeter = info.yPelsPerMeter;
    }
    std::copy(turned.begin(), turned.end(), record.pixels.begin());
    return Status::Ok;
}

} // namespace pictra
