#include "core/print/paper_table.h"

#include "core/settings/work_mode_settings.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"

#include <array>

namespace pictra {

namespace {

// A0 and B3 are this program's own values, not the ISO ones.
constexpr std::array<PaperSize, 14> kPapers{{
    {"A0", 1200, 840},
    {"A1", 840, 594},
    {"A2", 594, 420},
    {"A3", 420, 297},
    {"A4", 297, 210},
    {"A5", 210, 148},
    {"A6", 148, 105},
    {"B3", 515, 364},
    {"B4", 364, 257},
    {"B5", 257, 182},
    {"B6", 182, 128},
    {"L判", 127, 89},
    {"２L判", 178, 127},
    {kFreeSizePaper, 0, 0},
}};

} // namespace

std::span<const PaperSize> paperTable()
{
    return kPapers;
}

const PaperSize* findPaper(std::string_view name)
{
    for (const PaperSize& paper : kPapers) {
        if (paper.name == name)
            return &paper;
    }
    return nullptr;
}

std::string storedPaperName(const PrintSettings& settings)
{
    return cp932ToUtf8(fieldText(settings.paper)).text;
}

} // namespace pictra
