// The first image file directory of a TIFF file: the tags this program
// uses, with their values read in the file's byte order and bounds-checked.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <vector>

namespace pictra {

enum class TiffPhotometric : std::uint32_t { MinIsWhite = 0, MinIsBlack = 1, Rgb = 2, Palette = 3, Separated = 5 };

struct TiffDirectory {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint32_t> bitsPerSample;
    std::uint32_t compression = 1;
    std::uint32_t photometric = UINT32_MAX; // absent
    std::uint32_t samplesPerPixel = 1;
    std::uint32_t rowsPerStrip = UINT32_MAX;
    std::uint32_t planarConfiguration = 1;
    std::uint32_t inkSet = 1; // CMYK
    bool tiled = false;
    std::vector<std::uint32_t> stripOffsets;
    std::vector<std::uint32_t> stripByteCounts;
    std::vector<std::uint32_t> colorMap; // all red, then all green, then all blue values
    std::vector<std::uint8_t> iccProfile; // the embedded colour profile, empty when none
};

// Parses the header and the first directory. Corrupt for a bad byte-order
// mark, magic number or value type; Unsupported for BigTIFF; Truncated when
// the directory or a value array lies past the end of the data.
Result<TiffDirectory> readTiffDirectory(ByteSpan data);

} // namespace pictra
