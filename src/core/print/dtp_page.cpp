// DTP page geometry.
#include "core/print/dtp_page.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pictra {
namespace {

// Characters that lie across a horizontal line and turn when set in columns.
constexpr std::array<std::string_view, 30> kTurnedInColumns = {
    "ー", "－", "—", "―", "‐", "…", "‥", "〜", "～", "（", "）", "「", "」", "『", "』",
    "【", "】", "〈", "〉", "《", "》", "［", "］", "｛", "｝", "(", ")", "[", "]", "-"};

// Commas and full stops: drawn at the cell's bottom-left across a line, at
// its top-right down a column.
constexpr std::array<std::string_view, 6> kCornerInColumns = {"、", "。", "，", "．", ",", "."};
constexpr double kCornerShift = 0.5;

// Small kana sit low and left across a line, high and right down a column.
constexpr std::array<std::string_view, 22> kSmallKana = {"ぁ", "ぃ", "ぅ", "ぇ", "ぉ", "っ", "ゃ", "ゅ",
                                                         "ょ", "ゎ", "ァ", "ィ", "ゥ", "ェ", "ォ", "ッ",
                                                         "ャ", "ュ", "ョ", "ヮ", "ヵ", "ヶ"};
constexpr double kSmallKanaShift = 0.125;

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view character)
{
    return std::find(list.begin(), list.end(), character) != list.end();
}

// The length of the UTF-8 character starting at text[i]; 0 for a byte that
// cannot start one (or a character cut off by the end).
std::size_t characterLength(std::string_view text, std::size_t i)
{
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > text.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    }
    return n;
}

} // namespace

WorkingSheet dtpWorkingSheet(const DtpSetup& setup)
{
    WorkingSheet sheet;
    sheet.paper = setup.paper;
    sheet.margin = setup.margin;
    sheet.width = setup.width();
    sheet.height = setup.height();
    sheet.orientation = setup.orientation;
    return sheet;
}

std::optional<PaperPlacement> dtpPicturePlacement(const DtpSetup& setup, int bw, int bh)
{
    const double w = 10.0 * setup.width();
    const double h = 10.0 * setup.height();
    const PaperCorners frame{PointD{0, 0}, PointD{w, 0}, PointD{w, -h}, PointD{0, -h}};
    return fitIntoFrame(frame, bw, bh);
}

VerticalText layoutVerticalText(std::string_view utf8, double charWidth, double charHeight, double sheetWidth,
                                double sheetHeight)
{
    VerticalText out;
    if (charWidth <= 0 || charHeight <= 0)
        return out;
    // The text frame keeps a column gap from every edge of the sheet, so the
    // first column and the first cell of each column are wholly on the sheet.
    const double gap = charWidth * kVerticalColumnGap;
    const double columnStep = charWidth + gap;
    const double left = gap;
    const double first = gap;
    const double bottom = sheetHeight - gap;
    double right = sheetWidth - gap;
    double top = first;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = characterLength(utf8, i);
        const std::string character = n == 0 ? std::string("\xEF\xBF\xBD") : std::string(utf8.substr(i, n));
        i += n == 0 ? 1 : n;
        if (character == "\r")
            continue;
        if (character == "\n") {
            right -= columnStep;
            top = first;
            continue;
        }
        if (top + charHeight > bottom && top > first) {
            right -= columnStep;
            top = first;
        }
        if (right - charWidth < left || first + charHeight > bottom) {
            ++out.dropped;
            continue;
        }
        VerticalGlyph glyph{character, RectD{right - charWidth, top, right, top + charHeight}};
        glyph.rotated = listed(kTurnedInColumns, character);
        const double shift = listed(kCornerInColumns, character) ? kCornerShift
                             : listed(kSmallKana, character)     ? kSmallKanaShift
                                                                 : 0.0;
        glyph.shiftRight = shift;
        glyph.shiftUp = shift;
        out.glyphs.push_back(std::move(glyph));
        top += charHeight;
    }
    return out;
}

} // namespace pictra
