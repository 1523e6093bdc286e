// The eight turns and mirrors as 2 × 2 matrices on y-up coordinates, so
// composing is a matrix product.
#include "core/tools/pixel_transform.h"

#include <array>

namespace pictra {
namespace {

using Matrix = std::array<int, 4>; // a b / c d: (x, y) -> (a x + b y, c x + d y)

Matrix product(const Matrix& m, const Matrix& n) // m after n
{
    return {m[0] * n[0] + m[1] * n[2], m[0] * n[1] + m[1] * n[3],
            m[2] * n[0] + m[3] * n[2], m[2] * n[1] + m[3] * n[3]};
}

Matrix matrixOf(PixelTransform t)
{
    const Matrix quarter{0, -1, 1, 0}; // a quarter turn counter-clockwise
    Matrix m{1, 0, 0, 1};
    for (int i = 0; i < t.quarterTurns % 4; ++i)
        m = product(quarter, m);
    if (t.mirror)
        m = product(Matrix{-1, 0, 0, 1}, m);
    return m;
}

} // namespace

PixelTransform thenApply(PixelTransform first, PixelTransform second)
{
    const Matrix m = product(matrixOf(second), matrixOf(first));
    for (int q = 0; q < 4; ++q)
        for (const bool mirror : {false, true})
            if (matrixOf({q, mirror}) == m)
                return {q, mirror};
    return {};
}

PixelTransform transformOfEdit(const ToolEdit& edit)
{
    if (edit.tool == ImageTool::Rotate)
        return {edit.rotationStep & 3, false};
    if (edit.tool == ImageTool::Flip) {
        // Up-down is a half turn after a left-right mirror.
        PixelTransform t{0, edit.flip.leftRight};
        if (edit.flip.upDown)
            t = thenApply(t, {2, true});
        return t;
    }
    return {};
}

PixelTransform uprightTransform(int exifOrientation)
{
    switch (exifOrientation) {
    case 2: return {0, true};
    case 3: return {2, false};
    case 4: return {2, true};
    case 5: return {3, true};
    case 6: return {3, false};
    case 7: return {1, true};
    case 8: return {1, false};
    default: return {};
    }
}

} // namespace pictra
