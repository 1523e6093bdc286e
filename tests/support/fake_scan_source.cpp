// FakeScanSource.
#include "support/fake_scan_source.h"

#include <cstdlib>

namespace pictra::test {

PackedBitmap solidBitmap(const FakePicture& p)
{
    const std::size_t stride = (static_cast<std::size_t>(p.width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(p.height), 0);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            std::uint8_t* px = rows.data() + stride * static_cast<std::size_t>(y) + 3 * static_cast<std::size_t>(x);
            px[0] = p.blue;
            px[1] = p.green;
            px[2] = p.red;
        }
    }
    BitmapInfoHeader info;
    info.size = kBitmapInfoHeaderBytes;
    info.width = p.width;
    info.height = p.height;
    info.planes = 1;
    info.bitCount = 24;
    auto block = IKCopyImage(BitmapView{info, {}, rows});
    if (!block)
        std::abort();
    return std::move(*block);
}

ScanError FakeScanSource::acquire(const ScanRequest& request, const ScanEvents& events)
{
    ++acquireCalls;
    lastRequest = request;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (events.cancelled && events.cancelled())
            return ScanError::Cancelled;
        if (beforePicture)
            beforePicture(static_cast<int>(i));
        if (events.progress)
            events.progress(static_cast<int>(i) + 1, 100);
        if (events.picture && !events.picture(solidBitmap(pictures[i])))
            return ScanError::None;
    }
    return endWith;
}

} // namespace pictra::test
