// Loading, saving and shipped defaults of the settings block.
#include "core/settings/settings_file.h"

#include "core/platform/program_paths.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/program_version.h"

namespace pictra {
namespace {

// Files much longer than the block are not settings files; refuse them.
constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

PrintSettings defaultPrintSettings()
{
    PrintSettings p;
    p.allowSeveral = 0;
    setFieldText(p.paper, "A4");
    p.margin = 0;
    p.paperWidth = 297;
    p.paperHeight = 210;
    p.leftOffset = 10;
    p.topOffset = 10;
    p.imagesAcross = 2;
    p.imagesDown = 2;
    p.gapX = 5;
    p.gapY = 5;
    return p;
}

} // namespace

WorkModeSettings defaultWorkModeSettings()
{
    WorkModeSettings s;
    s.childMaximized = 0;
    s.mainMaximized = 0;
    s.restorePlacement = 1;
    s.restoreWork = 1;
    s.openWindowAtStart = 1;
    s.slideIntervalMs = 3000;
    s.recentCount = 4;
    s.tipDelayMs = 500;
    s.tipEnabled = 1;
    s.imageBufferMb = 300; // a cap: fits a 100-megapixel picture
    s.columns = 4;
    s.rows = 3;
    s.gapX = 10;
    s.gapY = 10;
    s.thumbnailQuality = 0;
    s.print = defaultPrintSettings();
    s.jpegCoding = static_cast<std::uint8_t>(JpegCoding::Baseline);
    s.jpegQuality = 85;
    s.jpegSampling = static_cast<std::uint8_t>(JpegSampling::S411);
    setFieldText(s.jpegComment, "Pictra " PICTRA_VERSION);
    return s;
}

std::vector<std::uint8_t> encodeSettings(const WorkModeSettings& settings)
{
    ByteWriter out(kWorkModeSettingsBytes);
    writeWorkModeSettings(out, settings);
    return out.take();
}

WorkModeSettings decodeSettings(ByteSpan bytes)
{
    const auto block = zeroPadded(bytes, kWorkModeSettingsBytes);
    ByteReader in(block);
    return readWorkModeSettings(in);
}

Result<WorkModeSettings> loadSettings(const std::string& programFolder)
{
    auto bytes = readFile(paramFilePath(programFolder, kWorkModeFile), kMaxSettingsFileBytes);
    if (!bytes)
        return bytes.status();
    return decodeSettings(*bytes);
}

Status saveSettings(const std::string& programFolder, const WorkModeSettings& settings)
{
    return writeFileAtomic(paramFilePath(programFolder, kWorkModeFile), encodeSettings(settings));
}

} // namespace pictra
