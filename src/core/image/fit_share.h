// How much of a cell or window a fitted picture fills. The fitted drawing
// and the thumbnail decoder's scale choice must agree on it, or a thumbnail
// would be decoded smaller than it is drawn.
#pragma once

namespace pictra {

// A 1 % margin on each side.
inline constexpr double kFitShare = 0.98;

} // namespace pictra
