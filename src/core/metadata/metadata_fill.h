// Which parts of an album entry are taken from its picture's metadata, and
// whether values the entry already has are replaced.
#pragma once

namespace pictra {

enum class FillMode {
    EmptyOnly, // only an unset date (0/0/0) and empty texts are filled
    Overwrite, // what the metadata has replaces what the entry has
};

struct MetadataFill {
    bool date = true;  // the date taken becomes the entry's date
    bool texts = true; // title, description, creator and location become its texts
    FillMode mode = FillMode::EmptyOnly;
};

} // namespace pictra
