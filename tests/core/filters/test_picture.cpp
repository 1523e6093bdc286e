// Filter test pictures with sentinel padding.
#include "test_picture.h"

#include "support/synthetic_image.h"

namespace pictra::test {

TestPicture::TestPicture(int width, int height, std::uint32_t seed, std::size_t spareBytes)
    : m_buffers(static_cast<std::size_t>((width * 3 + 3) / 4 * 4) * height + spareBytes)
{
    fillRecord(makePhotoLike(width, height, seed), m_buffers);
    ImageRecord& rec = record();
    for (int y = 0; y < height; ++y)
        for (std::size_t i = static_cast<std::size_t>(width) * 3; i < rec.stride(); ++i)
            rec.row(y)[i] = kPaddingSentinel;
}

Bgr TestPicture::pixel(int x, int y) const
{
    const std::uint8_t* p = record().row(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

void TestPicture::setPixel(int x, int y, Bgr value)
{
    std::uint8_t* p = record().row(y) + 3 * x;
    p[0] = value.b;
    p[1] = value.g;
    p[2] = value.r;
}

std::vector<Bgr> TestPicture::pixels() const
{
    std::vector<Bgr> out;
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            out.push_back(pixel(x, y));
    return out;
}

bool TestPicture::paddingIntact() const
{
    const ImageRecord& rec = record();
    for (int y = 0; y < height(); ++y)
        for (std::size_t i = static_cast<std::size_t>(width()) * 3; i < rec.stride(); ++i)
            if (rec.row(y)[i] != kPaddingSentinel)
                return false;
    return true;
}

} // namespace pictra::test
