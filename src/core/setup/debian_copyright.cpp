// Writing the machine-readable copyright file.
#include "core/setup/debian_copyright.h"

namespace pictra {
namespace {

std::string_view trimmedEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

// A field's continuation lines: " text", or " ." for an empty line.
std::string continuation(std::string_view text)
{
    std::string out;
    while (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = trimmedEnd(text.substr(start, end - start));
        out += ' ';
        if (line.empty())
            out += '.';
        else
            out.append(line);
        out += '\n';
        start = end + 1;
    }
    return out;
}

} // namespace

std::string debianCopyright(const CopyrightFacts& facts)
{
    std::string out;
    out += "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n";
    out += "Upstream-Name: " + facts.upstreamName + "\n";
    out += "Upstream-Contact: " + facts.contact + "\n";
    out += "\n";
    out += "Files: *\n";
    out += "Copyright: " + facts.holder + "\n";
    out += "License: " + facts.licenseName + "\n";
    out += "\n";
    out += "License: " + facts.licenseName + "\n";
    out += continuation(facts.licenseText);
    return out;
}

} // namespace pictra
