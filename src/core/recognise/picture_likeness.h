// How alike two decodes of a picture are, measured where they can fairly be
// compared: both averaged onto 160 × 120 and compared by PSNR. A re-encode, a
// crop or a burst neighbour of a picture scores clearly below the picture's
// own file, which is what the final choice between hash candidates needs.
#pragma once

#include "core/image/image_record.h"
#include "core/recognise/picture_grid.h"
#include "core/util/result.h"

namespace pictra {

inline constexpr int kLikenessWidth = 160;
inline constexpr int kLikenessHeight = 120;
// The PSNR given for two grids that do not differ at all (dB).
inline constexpr double kIdenticalPsnr = 99.0;

// A picture averaged for comparing: its 160 × 120 grid (stretched when its
// aspect differs, so a crop or a turned picture does not line up).
// InvalidArgument for a record without a usable picture.
Result<PictureGrid> likenessGrid(const ImageRecord& upright);

// PSNR in dB of the R, G and B values of two likeness grids, at most
// kIdenticalPsnr; InvalidArgument when they are not both likeness grids.
Result<double> gridPsnr(const PictureGrid& a, const PictureGrid& b);

// The two steps above for two upright pictures.
Result<double> reducedPsnr(const ImageRecord& a, const ImageRecord& b);

} // namespace pictra
