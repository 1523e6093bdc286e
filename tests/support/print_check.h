// Checking printed pages: PDF pages rendered with pdftoppm (poppler-utils)
// as RGB pictures, pictures of two colours whose halves tell up from down
// and left from right, and the colour at a point given in millimetres.
#pragma once

#include "support/synthetic_image.h"

#include <string>
#include <vector>

namespace pictra::test {

// Every page of `pdf` at `dpi`; empty when pdftoppm fails.
std::vector<RgbImage> renderPdfPages(const std::string& pdf, int dpi);

enum class Split { TopBottom, LeftRight };

// Red over blue (TopBottom) or green beside yellow (LeftRight).
RgbImage makeSplitPicture(int width, int height, Split split);

// The nearest of the colours the checks use: 'R' red, 'B' blue, 'G' green,
// 'Y' yellow, 'W' white, 'K' black or grey, '?' anything else.
char colourAt(const RgbImage& page, double xMm, double yMm, int dpi);

} // namespace pictra::test
