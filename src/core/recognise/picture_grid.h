// A picture averaged onto a small fixed grid of RGB values, the common first
// step of the perceptual hash and the likeness compare. Every grid cell is the
// area-weighted mean of the source pixels it covers, so the grid is the same
// whatever size (or DCT reduction) the picture was decoded at.
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

#include <vector>

namespace pictra {

struct PictureGrid {
    int width = 0;
    int height = 0;
    std::vector<float> rgb; // top-down, R G B per cell, 0..255
};

// Averages `picture` (1, 4, 8, 24 or 32 bits, its rows counted bottom-up)
// onto a width × height grid; a picture smaller than the grid is spread over
// it. InvalidArgument for a record without a usable picture or a grid side
// below 1 or above 1024.
Result<PictureGrid> sampleGrid(const ImageRecord& picture, int width, int height);

} // namespace pictra
