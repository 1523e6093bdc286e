// Zoom stack files.
#include "core/tools/zoom_stack.h"

#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "core/util/program_subfolders.h"

#include <cmath>

namespace pictra {
namespace {

bool soundOutline(const Outline& o)
{
    for (const PointD& p : o)
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::abs(p.x) > kMaxZoomCoordinate ||
            std::abs(p.y) > kMaxZoomCoordinate)
            return false;
    return o[1].x > o[0].x && o[2].y > o[0].y;
}

} // namespace

std::string zoomStackPath(std::string_view programFolder, std::string_view imagePath, std::uint64_t viewId)
{
    return joinPath(joinPath(programFolder, kTempFolder), BaseName(imagePath) + "." + std::to_string(viewId) + ".dat");
}

Result<std::vector<Outline>> parseZoomStack(ByteSpan data)
{
    ByteReader in(data);
    const std::int32_t n = in.i32();
    if (in.truncated())
        return Status::Truncated;
    if (n < 1 || n > kMaxZoomLevels)
        return Status::Corrupt;
    if (in.remaining() < static_cast<std::size_t>(n) * kZoomOutlineBytes)
        return Status::Truncated;
    std::vector<Outline> levels(static_cast<std::size_t>(n));
    for (Outline& o : levels) {
        for (PointD& p : o) {
            p.x = in.f64();
            p.y = in.f64();
        }
        if (!soundOutline(o))
            return Status::Corrupt;
    }
    return levels;
}

std::vector<std::uint8_t> serializeZoomStack(std::span<const Outline> levels)
{
    ByteWriter out(4 + levels.size() * kZoomOutlineBytes);
    out.i32(static_cast<std::int32_t>(levels.size()));
    for (const Outline& o : levels) {
        for (const PointD& p : o) {
            out.f64(p.x);
            out.f64(p.y);
        }
    }
    return out.take();
}

Result<std::vector<Outline>> readZoomStack(const std::string& path)
{
    const auto bytes = readFile(path, 4 + kMaxZoomLevels * kZoomOutlineBytes);
    if (!bytes)
        return bytes.status() == Status::TooLarge ? Status::Corrupt : bytes.status();
    return parseZoomStack(*bytes);
}

Status writeZoomStack(const std::string& path, std::span<const Outline> levels)
{
    const std::string folder(folderPart(path));
    if (!folder.empty() && !makeFolders(folder))
        return Status::IoError;
    return writeFile(path, serializeZoomStack(levels));
}

} // namespace pictra
