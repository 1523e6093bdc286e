// libtiff over a file held in memory, with its messages kept to itself.
#include "core/codecs/tiff/libtiff_reader.h"

#include "core/codecs/alpha_on_white.h"
#include "core/colour/embedded_profile.h"
#include "core/util/pixel_bytes.h"

#include <tiffio.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace pictra {
namespace {

// libtiff's own buffers (a strip, a tile) are never larger than this.
constexpr tmsize_t kMaxLibtiffAllocation = tmsize_t{256} << 20;

struct MemoryFile {
    ByteSpan data;
    toff_t position = 0;
};

tmsize_t readProc(thandle_t handle, void* buffer, tmsize_t size)
{
    auto* file = static_cast<MemoryFile*>(handle);
    if (size <= 0 || file->position >= file->data.size())
        return 0;
    const auto n = static_cast<std::size_t>(std::min<toff_t>(static_cast<toff_t>(size), file->data.size() - file->position));
    std::memcpy(buffer, file->data.data() + file->position, n);
    file->position += n;
    return static_cast<tmsize_t>(n);
}

tmsize_t writeProc(thandle_t, void*, tmsize_t) { return 0; }

toff_t seekProc(thandle_t handle, toff_t offset, int whence)
{
    auto* file = static_cast<MemoryFile*>(handle);
    const toff_t base = whence == SEEK_CUR ? file->position : whence == SEEK_END ? file->data.size() : 0;
    if (offset > UINT64_MAX - base)
        return static_cast<toff_t>(-1);
    file->position = base + offset; // reads past the end give 0 bytes
    return file->position;
}

int closeProc(thandle_t) { return 0; }
toff_t sizeProc(thandle_t handle) { return static_cast<MemoryFile*>(handle)->data.size(); }
int mapProc(thandle_t, void**, toff_t*) { return 0; }
void unmapProc(thandle_t, void*, toff_t) {}

// Returning 1 keeps libtiff from printing to stderr.
int quiet(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct OptionsFree {
    void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};
struct TiffClose {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

std::unique_ptr<TIFF, TiffClose> openMemory(MemoryFile& file)
{
    std::unique_ptr<TIFFOpenOptions, OptionsFree> options(TIFFOpenOptionsAlloc());
    if (!options)
        return nullptr;
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxLibtiffAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), quiet, nullptr);
    return std::unique_ptr<TIFF, TiffClose>(TIFFClientOpenExt("memory", "rm", &file, readProc, writeProc, seekProc,
                                                              closeProc, sizeProc, mapProc, unmapProc,
                                                              options.get()));
}

// The RGBA reader premultiplies colour pictures by their alpha, but hands
// grey ones with unassociated alpha over as stored.
bool premultiplied(TIFF* tiff)
{
    std::uint16_t photometric = 0;
    std::uint16_t extraCount = 0;
    std::uint16_t* extra = nullptr;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    const bool grey = photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE;
    const bool unassociated = TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extra) == 1 &&
                              extraCount > 0 && extra && extra[0] == EXTRASAMPLE_UNASSALPHA;
    return !(grey && unassociated);
}

// The colour profile libtiff found in the directory; empty when none. The
// RGBA reader has already turned CMYK into RGB, so a CMYK profile does not
// match the pixels and changes nothing.
std::span<const std::uint8_t> embeddedProfile(TIFF* tiff)
{
    std::uint32_t size = 0;
    void* bytes = nullptr;
    if (TIFFGetField(tiff, TIFFTAG_ICCPROFILE, &size, &bytes) != 1 || !bytes)
        return {};
    return {static_cast<const std::uint8_t*>(bytes), size};
}

Status decode(ByteSpan data, ImageRecord& record)
{
    MemoryFile file{data};
    const auto tiff = openMemory(file);
    if (!tiff)
        return Status::Corrupt;
    char why[1024] = {};
    if (TIFFRGBAImageOK(tiff.get(), why) == 0)
        return Status::Unsupported;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) != 1 ||
        TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) != 1 || width == 0 || height == 0 ||
        width > INT32_MAX || height > INT32_MAX)
        return Status::Corrupt;
    if (const Status status = record.setup24(static_cast<int>(width), static_cast<int>(height)); status != Status::Ok)
        return status;
    std::vector<std::uint32_t> raster;
    try {
        raster.resize(static_cast<std::size_t>(width) * height);
    } catch (const std::bad_alloc&) {
        return Status::TooLarge;
    }
    if (TIFFReadRGBAImageOriented(tiff.get(), width, height, raster.data(), ORIENTATION_BOTLEFT, 1) == 0)
        return Status::Corrupt;
    const AlphaKind kind = premultiplied(tiff.get()) ? AlphaKind::Premultiplied : AlphaKind::Straight;
    const std::uint32_t* src = raster.data();
    for (std::uint32_t y = 0; y < height; ++y) {
        std::uint8_t* dst = record.row(static_cast<int>(y));
        for (std::uint32_t x = 0; x < width; ++x, ++src, dst += 3) {
            const std::uint32_t a = TIFFGetA(*src);
            dst[0] = onWhite(TIFFGetB(*src), a, kind);
            dst[1] = onWhite(TIFFGetG(*src), a, kind);
            dst[2] = onWhite(TIFFGetR(*src), a, kind);
        }
        std::fill(dst, record.row(static_cast<int>(y)) + record.stride(), std::uint8_t{0});
    }
    convertToSrgb(embeddedProfile(tiff.get()), record);
    return Status::Ok;
}

} // namespace

Status decodeTiffWithLibtiff(ByteSpan data, ImageRecord& record)
{
    const Status status = decode(data, record);
    if (status != Status::Ok)
        record.clearHeaders();
    return status;
}

} // namespace pictra
