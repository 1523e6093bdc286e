// Paper choice of the stored print defaults.
#include "core/print/print_defaults_paper.h"

#include "core/print/paper_table.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"

namespace pictra {

bool choosePrintDefaultsPaper(PrintSettings& settings, std::string_view name)
{
    const PaperSize* paper = findPaper(name);
    if (!paper)
        return false;
    (void)setFieldText(settings.paper, utf8ToCp932(name).text); // every table name fits its 9 bytes
    if (name != kFreeSizePaper) {
        settings.paperWidth = paper->longSide;
        settings.paperHeight = paper->shortSide;
    }
    return true;
}

bool printDefaultsFreeSize(const PrintSettings& settings)
{
    return storedPaperName(settings) == kFreeSizePaper;
}

} // namespace pictra
