// The Debian package's copyright file in the machine-readable format
// (copyright-format 1.0): one Files paragraph naming the program's own terms
// and a License paragraph carrying their full text.
#pragma once

#include <string>
#include <string_view>

namespace pictra {

struct CopyrightFacts {
    std::string upstreamName;    // "Pictra"
    std::string contact;         // "Name <address>"
    std::string holder;          // "2026 Korvale"
    std::string licenseName;     // a short name without blanks
    std::string licenseText;     // UTF-8, lines ended by '\n'; blank lines allowed
};

// The whole file. Every line of the licence text is indented by one blank
// and an empty line becomes " ." as the format asks; trailing blanks and
// carriage returns are dropped.
std::string debianCopyright(const CopyrightFacts& facts);

} // namespace pictra
