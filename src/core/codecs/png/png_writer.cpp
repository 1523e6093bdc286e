// PNG writing: 8-bit RGB rows through libpng into memory. As when reading,
// the step libpng may longjmp out of touches only the plain PngWriteJob.
#include "core/codecs/png/png_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"

#include <png.h>

#include <csetjmp>
#include <new>
#include <type_traits>

namespace pictra {
namespace {

// zlib's default: within a few per cent of the best size at a fraction of its time.
constexpr int kCompressionLevel = 6;

struct PngWriteJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const ImageRecord* record = nullptr;
    std::vector<std::uint8_t>* out = nullptr;
    std::uint8_t* rgb = nullptr; // one row
    bool outOfMemory = false;
};
static_assert(std::is_trivially_destructible_v<PngWriteJob>, "a longjmp must not skip a destructor");

void writeToMemory(png_structp png, png_bytep data, std::size_t bytes)
{
    auto& job = *static_cast<PngWriteJob*>(png_get_io_ptr(png));
    try {
        job.out->insert(job.out->end(), data, data + bytes);
    } catch (const std::bad_alloc&) {
        job.outOfMemory = true;
    }
    if (job.outOfMemory) // outside the handler: a longjmp must not leave it
        png_error(png, "out of memory");
}

void flushMemory(png_structp) {}

[[noreturn]] void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void onWarning(png_structp, png_const_charp) {}

class PngWriteHandle {
public:
    PngWriteHandle()
        : m_png(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning)),
          m_info(m_png != nullptr ? png_create_info_struct(m_png) : nullptr)
    {
    }
    ~PngWriteHandle() { png_destroy_write_struct(&m_png, &m_info); }
    PngWriteHandle(const PngWriteHandle&) = delete;
    PngWriteHandle& operator=(const PngWriteHandle&) = delete;
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png;
    png_infop m_info;
};

bool encode(PngWriteJob& job)
{
    if (setjmp(png_jmpbuf(job.png)))
        return false;
    const ImageRecord& record = *job.record;
    png_set_write_fn(job.png, &job, writeToMemory, flushMemory);
    png_set_user_limits(job.png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_set_compression_level(job.png, kCompressionLevel);
    png_set_IHDR(job.png, job.info, static_cast<png_uint_32>(record.width()),
                 static_cast<png_uint_32>(record.height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(job.png, job.info);
    const std::span<std::uint8_t> row(job.rgb, std::size_t(record.width()) * 3);
    for (int y = 0; y < record.height(); ++y) {
        rgbRowFromTop(record, y, row);
        png_write_row(job.png, job.rgb);
    }
    png_write_end(job.png, job.info);
    return true;
}

} // namespace

Result<std::vector<std::uint8_t>> writePngBytes(const ImageRecord& record)
{
    if (const Status status = checkWritableRecord(record); status != Status::Ok)
        return status;
    const PngWriteHandle handle;
    std::vector<std::uint8_t> out;
    std::vector<std::uint8_t> row;
    try {
        row.resize(std::size_t(record.width()) * 3);
    } catch (const std::bad_alloc&) {
        return Status::TooLarge;
    }
    PngWriteJob job;
    job.png = handle.png();
    job.info = handle.info();
    job.record = &record;
    job.out = &out;
    job.rgb = row.data();
    if (job.info == nullptr || !encode(job))
        return job.outOfMemory || job.info == nullptr ? Status::TooLarge : Status::InvalidArgument;
    return out;
}

Status writePng(const std::string& path, const ImageRecord& record)
{
    return writeImageFile(path, writePngBytes(record));
}

} // namespace pictra
