// PARAM/pictra.ini: the settings the program has beyond its fixed-layout
// settings file, as UTF-8 "key=value" lines. Lines the program does not
// know (other keys, comments, blank lines) are kept as they are, so an
// older or newer program's keys survive a save.
#pragma once

#include "core/util/result.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

inline constexpr std::string_view kPictraIniFile = "pictra.ini";
// A bigger file is not ours: it is refused rather than read.
inline constexpr std::size_t kMaxPictraIniBytes = 1 << 20;

class PictraIni {
public:
    // Reads "key=value" lines (split at the first '='; CR LF or LF).
    static PictraIni parse(std::string_view text);
    // The lines again, each ending in LF; changed keys in place, new ones at the end.
    std::string text() const;

    std::optional<std::string> value(std::string_view key) const;
    // Sets or adds the key. Keys hold no '=' and no line breaks (escape them
    // with iniKeyPart); a value's line breaks are dropped.
    void set(std::string_view key, std::string_view value);

private:
    std::vector<std::string> m_lines;
};

// `text` with '%', '=', '.' and control bytes written as %XX, so a device
// name or path can be one part of a dotted key.
std::string iniKeyPart(std::string_view text);

// programFolder/PARAM/pictra.ini; an empty PictraIni when the file does not
// exist. IoError, TooLarge as readFile.
Result<PictraIni> readPictraIni(const std::string& programFolder);

// Reads the file afresh, lets `change` edit it and writes it back
// atomically, so keys written meanwhile by another window are kept. A file
// that cannot be read (other than missing) is left alone and its status
// returned; write failures as writeFileAtomic.
Status updatePictraIni(const std::string& programFolder, const std::function<void(PictraIni&)>& change);

} // namespace pictra
