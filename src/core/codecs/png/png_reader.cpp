// PNG reading: libpng expands every colour type and depth to 8-bit RGBA rows,
// which are put over white into the record's rows. libpng reports errors by
// longjmp, so the steps it may jump out of touch only the plain PngJob
// below; buffers and handles belong to the calling frame.
#include "core/codecs/png/png_file.h"

#include "core/codecs/alpha_on_white.h"
#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"
#include "core/colour/embedded_profile.h"
#include "core/util/pixel_bytes.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <new>
#include <optional>
#include <type_traits>
#include <vector>

namespace pictra {
namespace {

// Deflate cannot expand data more than about 1032 times, so a file shorter
// than its rows divided by this cannot hold them: refused before any row is decoded.
constexpr std::size_t kMaxDeflateRatio = 1032;
// Compressed rows are fed to libpng in pieces of this size, so a file cut
// short still yields the rows before the cut.
constexpr std::size_t kDataPieceBytes = 1024;
// The largest chunk libpng may inflate for us (an ICC profile).
constexpr png_alloc_size_t kMaxChunkBytes = png_alloc_size_t{16} << 20;
constexpr int kRgbaBytes = 4;

struct PngJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ByteSpan data;
    std::size_t at = 0;
    bool ranOut = false;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int channels = 0;
    bool interlaced = false;
    png_bytep profile = nullptr;
    png_uint_32 profileBytes = 0;
    ImageRecord* record = nullptr;
    std::uint8_t* rgba = nullptr; // one row, or every row of an interlaced picture
    png_uint_32 rowsDone = 0;
};
static_assert(std::is_trivially_destructible_v<PngJob>, "a longjmp must not skip a destructor");

void readFromMemory(png_structp png, png_bytep out, std::size_t bytes)
{
    auto& job = *static_cast<PngJob*>(png_get_io_ptr(png));
    if (bytes > job.data.size() - job.at) {
        job.ranOut = true;
        png_error(png, "the file ends early");
    }
    std::copy_n(job.data.begin() + static_cast<std::ptrdiff_t>(job.at), bytes, out);
    job.at += bytes;
}

[[noreturn]] void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
// A warning (a bad checksum on a chunk we do not need) does not stop the read.
void onWarning(png_structp, png_const_charp) {}

class PngReadHandle {
public:
    PngReadHandle()
        : m_png(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning)),
          m_info(m_png != nullptr ? png_create_info_struct(m_png) : nullptr)
    {
    }
    ~PngReadHandle() { png_destroy_read_struct(&m_png, &m_info, nullptr); }
    PngReadHandle(const PngReadHandle&) = delete;
    PngReadHandle& operator=(const PngReadHandle&) = delete;
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png;
    png_infop m_info;
};

// Text and Exif chunks are not needed here (Exif is read apart, by the
// Exif-block reader), so libpng need not inflate them.
void ignoreUnusedChunks(png_structp png)
{
    static constexpr png_byte kUnused[] = "tEXt\0zTXt\0iTXt\0eXIf\0sPLT\0hIST\0";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kUnused, 6);
}

// Reads the chunks before the pixels and asks for 8-bit RGBA rows.
bool readHeader(PngJob& job)
{
    if (setjmp(png_jmpbuf(job.png)))
        return false;
    png_set_read_fn(job.png, &job, readFromMemory);
    png_set_user_limits(job.png, PNG_UINT_31_MAX, PNG_UINT_31_MAX); // the buffer cap decides
    png_set_chunk_malloc_max(job.png, kMaxChunkBytes);
    png_set_compression_buffer_size(job.png, kDataPieceBytes);
    ignoreUnusedChunks(job.png);
    png_read_info(job.png, job.info);
    job.width = png_get_image_width(job.png, job.info);
    job.height = png_get_image_height(job.png, job.info);
    job.bitDepth = png_get_bit_depth(job.png, job.info);
    job.channels = png_get_channels(job.png, job.info);
    job.interlaced = png_get_interlace_type(job.png, job.info) != PNG_INTERLACE_NONE;
    png_charp name = nullptr;
    int compression = 0;
    if (png_get_iCCP(job.png, job.info, &name, &compression, &job.profile, &job.profileBytes) == 0)
        job.profile = nullptr;
    png_set_expand(job.png); // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(job.png);
    png_set_gray_to_rgb(job.png);
    png_set_add_alpha(job.png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(job.png);
    png_read_update_info(job.png, job.info);
    return png_get_rowbytes(job.png, job.info) == std::size_t{job.width} * kRgbaBytes;
}

// Row by row: each row goes over white into the record as soon as it is read.
bool readRows(PngJob& job)
{
    if (setjmp(png_jmpbuf(job.png)))
        return false;
    for (; job.rowsDone < job.height; ++job.rowsDone) {
        png_read_row(job.png, job.rgba, nullptr);
        rgbaRowOnWhite(job.rgba, rowFromTop(*job.record, static_cast<int>(job.rowsDone)), job.width);
    }
    return true;
}

// Interlaced pictures come in seven passes over the whole picture, so every
// row is kept until the last pass.
bool readInterlacedRows(PngJob& job)
{
    if (setjmp(png_jmpbuf(job.png)))
        return false;
    const std::size_t stride = std::size_t{job.width} * kRgbaBytes;
    const int passes = png_set_interlace_handling(job.png);
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < job.height; ++y) {
            png_read_row(job.png, job.rgba + stride * y, nullptr);
            job.rowsDone = std::max(job.rowsDone, pass == 0 ? y + 1 : job.height);
        }
    return true;
}

// The rows the header promises, before filtering and compression.
std::optional<std::size_t> rawBytes(const PngJob& job)
{
    const auto row = rowBytes(job.width, job.bitDepth * job.channels, 1);
    if (!row)
        return std::nullopt;
    return pixelBytes(*row + 1, job.height, 8, 1);
}

Status failedRows(const PngJob& job)
{
    if (job.rowsDone > 0)
        return Status::Partial;
    return job.ranOut ? Status::Truncated : Status::Corrupt;
}

Status decode(PngJob& job, ImageRecord& record)
{
    if (png_sig_cmp(job.data.data(), 0, std::min<std::size_t>(8, job.data.size())) != 0)
        return Status::Corrupt;
    if (!readHeader(job))
        return job.ranOut ? Status::Truncated : Status::Corrupt;
    // Both checks come before the record's buffer grows for the picture.
    const auto pictureBytes = pixelBytes(job.width, job.height, 24);
    if (!pictureBytes || *pictureBytes > record.pixelLimit())
        return Status::TooLarge;
    const auto raw = rawBytes(job);
    if (!raw || job.data.size() < *raw / kMaxDeflateRatio)
        return Status::Corrupt;
    if (const Status status = record.setup24(static_cast<int>(job.width), static_cast<int>(job.height));
        status != Status::Ok)
        return status;
    job.record = &record;
    const std::size_t rowCount = job.interlaced ? job.height : 1;
    std::vector<std::uint8_t> rgba;
    try {
        rgba.assign(std::size_t{job.width} * kRgbaBytes * rowCount, 0);
    } catch (const std::bad_alloc&) {
        return Status::TooLarge;
    }
    job.rgba = rgba.data();
    std::fill_n(record.pixels.begin(), record.imageBytes(), std::uint8_t{0xFF}); // rows never read stay white
    Status status = Status::Ok;
    if (!job.interlaced) {
        if (!readRows(job))
            status = failedRows(job);
    } else {
        if (!readInterlacedRows(job))
            status = failedRows(job);
        for (png_uint_32 y = 0; y < job.height; ++y)
            rgbaRowOnWhite(rgba.data() + std::size_t{job.width} * kRgbaBytes * y,
                           rowFromTop(record, static_cast<int>(y)), job.width);
    }
    if (pictureLoaded(status) && job.profile != nullptr)
        convertToSrgb(std::span<const std::uint8_t>(job.profile, job.profileBytes), record);
    return status;
}

} // namespace

Status readPngBytes(ByteSpan data, ImageRecord& record)
{
    const PngReadHandle handle;
    if (handle.info() == nullptr)
        return settleRead(record, Status::TooLarge); // libpng could not get memory for itself
    PngJob job;
    job.png = handle.png();
    job.info = handle.info();
    job.data = data;
    return settleRead(record, decode(job, record));
}

Status readPng(const std::string& path, ImageRecord& record)
{
    return readImageFile(path, record, readPngBytes);
}

} // namespace pictra
