// The tool table.
#include "core/tools/image_tool.h"

#include "core/image/image_format.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "core/util/program_subfolders.h"

#include <algorithm>
#include <array>

namespace pictra {
namespace {

constexpr std::array kTools = {
    ImageToolInfo{ImageTool::Rotate, 32786, 147, "回転", "回転", "_rot.dat", "_rot.bmp"},
    ImageToolInfo{ImageTool::Flip, 32827, 148, "反転", "反転", "_sym.dat", "_sym.bmp"},
    ImageToolInfo{ImageTool::Threshold, 32833, 150, "２値化", "２値化", "_2clr.dat", "_2clr.bmp"},
    ImageToolInfo{ImageTool::Rgb, 32787, 145, "ＲＧＢ調整", "ＲＧＢ", "_rgb.dat", "_rgb.bmp"},
    ImageToolInfo{ImageTool::LightnessHueSaturation, 32828, 146, "色相、彩度、明暗", "色相、彩度、明暗", "_yhs.dat", "_yhs.bmp"},
    ImageToolInfo{ImageTool::GrayScale, 32838, 152, "グレースケール", "グレースケール", "_gray.dat", "_gray.bmp"},
    ImageToolInfo{ImageTool::Negative, 32839, 155, "ネガティブ", "ネガティブ", "_nega.dat", "_nega.bmp"},
    ImageToolInfo{ImageTool::Noise, 32830, 155, "ノイズフィルター", "ノイズフィルター", "_noise.dat", "_noise.bmp"},
    ImageToolInfo{ImageTool::RedScale, 32843, 155, "レッドスケール", "レッドスケール", "_red.dat", "_red.bmp"},
    ImageToolInfo{ImageTool::GreenScale, 32844, 155, "グリーンスケール", "グリーンスケール", "_green.dat", "_green.bmp"},
    ImageToolInfo{ImageTool::BlueScale, 32845, 155, "ブルースケール", "ブルースケール", "_blue.dat", "_blue.bmp"},
    ImageToolInfo{ImageTool::Histogram, 32852, 198, "ヒストグラム", "ヒストグラム", "_hist.dat", "_hist.bmp"},
};

} // namespace

const ImageToolInfo& imageToolInfo(ImageTool tool)
{
    return kTools[static_cast<std::size_t>(tool)];
}

std::optional<ImageTool> toolForCommand(int command)
{
    const auto it = std::find_if(kTools.begin(), kTools.end(), [command](const ImageToolInfo& t) { return t.command == command; });
    if (it == kTools.end())
        return std::nullopt;
    return it->tool;
}

std::string toolScratchPath(std::string_view programFolder, ImageTool tool)
{
    return joinPath(joinPath(programFolder, kTempFolder), imageToolInfo(tool).scratch);
}

std::string toolOpenPath(std::string_view programFolder, std::string_view sourcePath, ImageTool tool)
{
    return joinPath(joinPath(programFolder, kTempFolder), BaseName(sourcePath) + std::string(imageToolInfo(tool).suffix));
}

std::string addedFilePath(std::string_view chosenPath)
{
    const std::string_view ext = extensionOf(chosenPath);
    if (saveFormatOf(chosenPath) != ImageFormat::Unknown)
        return std::string(chosenPath);
    std::string path(chosenPath);
    path.erase(path.size() - ext.size());
    if (!path.ends_with('.'))
        path += '.';
    return path + "jpg";
}

std::optional<std::string> jpegBesidePath(std::string_view source, const std::function<bool(const std::string&)>& taken)
{
    constexpr int kMaxTries = 999;
    const std::string_view ext = extensionOf(source);
    std::string stem(source.substr(0, source.size() - ext.size()));
    if (stem.ends_with('.'))
        stem.pop_back();
    for (int n = 0; n <= kMaxTries; ++n) {
        std::string candidate = stem;
        if (n > 0)
            candidate.append("-").append(std::to_string(n));
        candidate.append(".jpg");
        if (candidate.size() >= kPathBytes)
            return std::nullopt;
        if (candidate != source && !taken(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace pictra
