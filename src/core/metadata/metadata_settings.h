// The metadata switch of PARAM/pictra.ini: whether new album entries take
// the date their picture was taken (on unless switched off).
#pragma once

#include "core/metadata/metadata_fill.h"
#include "core/settings/pictra_ini.h"

#include <string>
#include <string_view>

namespace pictra {

inline constexpr std::string_view kDateTakenKey = "metadata.dateTaken";

bool dateTakenForNewEntries(const PictraIni& ini);
void setDateTakenForNewEntries(PictraIni& ini, bool on);

// How entries made from files now are filled: their texts always, their
// date as the switch in `programFolder`'s pictra.ini says (on when the file
// cannot be read).
MetadataFill newEntryFill(const std::string& programFolder);

} // namespace pictra
