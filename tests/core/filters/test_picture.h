// Pictures for the filter tests: 24-bit records whose row padding holds a
// sentinel byte that no filter may change, with pixel access by (x, y),
// y counted bottom-up as stored.
#pragma once

#include "core/image/image_record.h"

#include <cstdint>
#include <vector>

namespace pictra::test {

inline constexpr std::uint8_t kPaddingSentinel = 0xA5;

struct Bgr {
    std::uint8_t b = 0;
    std::uint8_t g = 0;
    std::uint8_t r = 0;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};

class TestPicture {
public:
    // A photo-like picture (seeded) with sentinel padding, in a pixel buffer
    // of exactly its size plus `spareBytes`.
    TestPicture(int width, int height, std::uint32_t seed = 1, std::size_t spareBytes = 0);

    ImageRecord& record() { return m_buffers.record(); }
    const ImageRecord& record() const { return m_buffers.record(); }
    int width() const { return record().width(); }
    int height() const { return record().height(); }

    Bgr pixel(int x, int y) const;
    void setPixel(int x, int y, Bgr value);
    // Every pixel, row by row from the bottom.
    std::vector<Bgr> pixels() const;
    // True when every padding byte still holds the sentinel.
    bool paddingIntact() const;

private:
    ImageBuffers m_buffers;
};

} // namespace pictra::test
