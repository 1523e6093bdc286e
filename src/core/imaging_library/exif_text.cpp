// Building the Exif page text.
#include "core/imaging_library/exif_text.h"

#include "core/util/cp932.h"

#include <array>
#include <span>
#include <utility>

namespace pictra {
namespace {

using CodeName = std::pair<int, std::string_view>;

std::string_view lookup(std::span<const CodeName> table, int code)
{
    for (const auto& [value, name] : table)
        if (value == code)
            return name;
    return {};
}

constexpr std::array kMeteringModes = {
    CodeName{0, "不明"},     CodeName{1, "平均"},           CodeName{2, "中央重点"}, CodeName{3, "スポット"},
    CodeName{4, "マルチスポット"}, CodeName{5, "分割測光"}, CodeName{6, "部分測光"}, CodeName{255, "その他"},
};

constexpr std::array kLightSources = {
    CodeName{0, "不明"},   CodeName{1, "昼光"},   CodeName{2, "蛍光灯"}, CodeName{3, "タングステン"},
    CodeName{17, "標準光"}, CodeName{18, "標準光"}, CodeName{19, "標準光"}, CodeName{20, "D55"},
    CodeName{21, "D65"},   CodeName{22, "D75"},
};

constexpr std::array kExposurePrograms = {
    CodeName{0, "未定義"},
    CodeName{1, "マニュアル"},
    CodeName{2, "ノーマルプログラム"},
    CodeName{3, "露出優先"},
    CodeName{4, "シャッター優先"},
    CodeName{5, "creativeプログラム"},
    CodeName{6, "actionプログラム"},
    CodeName{7, "ポートレイトモード"},
    CodeName{8, "ランドスケープモード"},
};

std::string rationalText(const RationalValue& value)
{
    return std::to_string(value.numerator) + "/" + std::to_string(value.denominator);
}

// Cuts UTF-8 text to at most `limit` bytes without splitting a character.
void cutUtf8(std::string& text, std::size_t limit)
{
    if (text.size() <= limit)
        return;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
}

} // namespace

std::string_view meteringModeName(int code) { return lookup(kMeteringModes, code); }
std::string_view lightSourceName(int code) { return lookup(kLightSources, code); }
std::string_view exposureProgramName(int code) { return lookup(kExposurePrograms, code); }

std::string exifText(const ExifInfo& info)
{
    const std::pair<std::string_view, std::string> items[] = {
        {"■メーカー", storedPathToUtf8(info.maker)},
        {"■機種", storedPathToUtf8(info.model)},
        {"■日時", storedPathToUtf8(info.dateTime)},
        {"■露出時間", rationalText(info.exposureTime)},
        {"■シャッタースピード", rationalText(info.shutterSpeed)},
        {"■レンズの絞り値", rationalText(info.aperture)},
        {"■輝度", rationalText(info.brightness)},
        {"■露光補正値", rationalText(info.exposureBias)},
        {"■レンズの最小F値", rationalText(info.maxAperture)},
        {"■被写体距離", rationalText(info.subjectDistance)},
        {"■測光方式", std::string(meteringModeName(info.meteringMode))},
        {"■光源の種類", std::string(lightSourceName(info.lightSource))},
        {"■レンズの実焦点距離", rationalText(info.focalLength)},
        {"■Fナンバー", rationalText(info.fNumber)},
        {"■露出プログラム", std::string(exposureProgramName(info.exposureProgram))},
        {"■ISO", std::to_string(info.isoSpeed)},
        {"■ストロボエネルギー", rationalText(info.flashEnergy)},
    };
    std::string text;
    for (const auto& [label, value] : items)
        text.append(label).append("\r\n").append(value).append("\r\n");
    cutUtf8(text, kMaxExifPageBytes);
    return text;
}

} // namespace pictra
