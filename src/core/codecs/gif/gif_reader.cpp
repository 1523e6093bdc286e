// GIF reading: the records before the first image (a graphic control
// extension may name its transparent colour), then that image's rows,
// decoded one at a time and painted through its colour map onto white.
#include "core/codecs/gif/gif_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <vector>

namespace pictra {
namespace {

struct MemoryInput {
    ByteSpan data;
    std::size_t at = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* out, int wanted)
{
    auto& in = *static_cast<MemoryInput*>(gif->UserData);
    const std::size_t n = std::min(static_cast<std::size_t>(std::max(wanted, 0)), in.data.size() - in.at);
    std::copy_n(in.data.begin() + static_cast<std::ptrdiff_t>(in.at), n, out);
    in.at += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        (void)DGifCloseFile(gif, &error); // nothing is left to report once the picture is read
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

Status statusOf(const GifFileType& gif)
{
    return gif.Error == D_GIF_ERR_READ_FAILED || gif.Error == D_GIF_ERR_EOF_TOO_SOON ? Status::Truncated
                                                                                      : Status::Corrupt;
}

// Walks the records up to the first image descriptor, keeping the
// transparent colour of a graphic control extension on the way.
Status findFirstImage(GifFileType& gif, int& transparent)
{
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(&gif, &type) == GIF_ERROR)
            return statusOf(gif);
        if (type == IMAGE_DESC_RECORD_TYPE)
            return DGifGetImageDesc(&gif) == GIF_ERROR ? statusOf(gif) : Status::Ok;
        if (type == TERMINATE_RECORD_TYPE)
            return Status::Corrupt; // a GIF without a picture
        if (type != EXTENSION_RECORD_TYPE)
            return Status::Corrupt;
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(&gif, &code, &block) == GIF_ERROR)
            return statusOf(gif);
        if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
            GraphicsControlBlock control{};
            if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
                transparent = control.TransparentColor;
        }
        while (block != nullptr)
            if (DGifGetExtensionNext(&gif, &block) == GIF_ERROR)
                return statusOf(gif);
    }
}

// The file rows of an interlaced image in the order they are stored:
// every 8th from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
std::vector<int> storedRowOrder(int height, bool interlaced)
{
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    constexpr std::array<std::array<int, 2>, 4> kPasses{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    for (const auto& [start, step] : kPasses)
        for (int y = start; y < height; y += step)
            order.push_back(y);
    return order;
}

struct Frame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Paints one decoded row of the frame into the record, clipped to it.
void paintRow(ImageRecord& record, const Frame& frame, int frameRow, std::span<const GifPixelType> indices,
              const ColorMapObject& colours, int transparent)
{
    const int y = frame.top + frameRow;
    if (y >= record.height())
        return;
    std::uint8_t* dst = rowFromTop(record, y);
    const int visible = std::min(frame.width, record.width() - frame.left);
    for (int x = 0; x < visible; ++x) {
        const int index = indices[static_cast<std::size_t>(x)];
        if (index == transparent)
            continue;
        std::uint8_t* px = dst + 3 * static_cast<std::size_t>(frame.left + x);
        if (index >= colours.ColorCount) { // outside the map: black, as browsers show it
            px[0] = px[1] = px[2] = 0;
            continue;
        }
        const GifColorType& c = colours.Colors[index];
        px[0] = c.Blue;
        px[1] = c.Green;
        px[2] = c.Red;
    }
}

Status decode(GifFileType& gif, ImageRecord& record)
{
    int transparent = NO_TRANSPARENT_COLOR;
    if (const Status status = findFirstImage(gif, transparent); status != Status::Ok)
        return status;
    const GifImageDesc& desc = gif.Image;
    const Frame frame{desc.Left, desc.Top, desc.Width, desc.Height};
    const ColorMapObject* colours = desc.ColorMap != nullptr ? desc.ColorMap : gif.SColorMap;
    if (frame.width <= 0 || frame.height <= 0 || colours == nullptr || colours->Colors == nullptr)
        return Status::Corrupt;
    const int width = std::max(gif.SWidth, frame.left + frame.width);
    const int height = std::max(gif.SHeight, frame.top + frame.height);
    if (const Status status = record.setup24(width, height); status != Status::Ok)
        return status;
    std::fill_n(record.pixels.begin(), record.imageBytes(), std::uint8_t{0xFF});
    std::vector<GifPixelType> line;
    std::vector<int> order;
    try {
        line.resize(static_cast<std::size_t>(frame.width));
        order = storedRowOrder(frame.height, desc.Interlace);
    } catch (const std::bad_alloc&) {
        return Status::TooLarge;
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (DGifGetLine(&gif, line.data(), frame.width) == GIF_ERROR)
            return i > 0 ? Status::Partial : statusOf(gif);
        paintRow(record, frame, order[i], line, *colours, transparent);
    }
    return Status::Ok;
}

} // namespace

Status readGifBytes(ByteSpan data, ImageRecord& record)
{
    MemoryInput input{data};
    int error = 0;
    const GifHandle gif(DGifOpen(&input, readFromMemory, &error));
    if (!gif) // giflib names the missing screen when the file ends inside it
        return settleRead(record, error == D_GIF_ERR_READ_FAILED || error == D_GIF_ERR_NO_SCRN_DSCR
                                      ? Status::Truncated
                                      : Status::Corrupt);
    return settleRead(record, decode(*gif, record));
}

Status readGif(const std::string& path, ImageRecord& record)
{
    return readImageFile(path, record, readGifBytes);
}

} // namespace pictra
