// Reading and writing the metadata switch.
#include "core/metadata/metadata_settings.h"

namespace pictra {

bool dateTakenForNewEntries(const PictraIni& ini) { return ini.value(kDateTakenKey).value_or("1") != "0"; }

void setDateTakenForNewEntries(PictraIni& ini, bool on) { ini.set(kDateTakenKey, on ? "1" : "0"); }

MetadataFill newEntryFill(const std::string& programFolder)
{
    MetadataFill fill;
    if (auto ini = readPictraIni(programFolder))
        fill.date = dateTakenForNewEntries(*ini);
    return fill;
}

} // namespace pictra
