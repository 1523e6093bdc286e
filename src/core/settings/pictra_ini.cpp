// The key=value settings file.
#include "core/settings/pictra_ini.h"

#include "core/platform/program_paths.h"
#include "core/util/file_io.h"

#include <cstdint>

namespace pictra {
namespace {

std::string_view keyOf(std::string_view line)
{
    const std::size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : line.substr(0, eq);
}

std::string cleanValue(std::string_view value)
{
    std::string out;
    for (char c : value) {
        if (c != '\n' && c != '\r')
            out += c;
    }
    return out;
}

} // namespace

PictraIni PictraIni::parse(std::string_view text)
{
    PictraIni ini;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        // Every CR before the line break goes: with one taken a save, "a\r\r"
        // would change at every save.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ini.m_lines.emplace_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return ini;
}

std::string PictraIni::text() const
{
    std::string out;
    for (const std::string& line : m_lines)
        out += line + "\n";
    return out;
}

std::optional<std::string> PictraIni::value(std::string_view key) const
{
    for (const std::string& line : m_lines) {
        if (!key.empty() && keyOf(line) == key)
            return line.substr(key.size() + 1);
    }
    return std::nullopt;
}

void PictraIni::set(std::string_view key, std::string_view value)
{
    const std::string line = std::string(key) + "=" + cleanValue(value);
    for (std::string& existing : m_lines) {
        if (keyOf(existing) == key) {
            existing = line;
            return;
        }
    }
    m_lines.push_back(line);
}

std::string iniKeyPart(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto b = static_cast<std::uint8_t>(c);
        if (c == '%' || c == '=' || c == '.' || b < 0x20 || b == 0x7F) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else {
            out += c;
        }
    }
    return out;
}

Result<PictraIni> readPictraIni(const std::string& programFolder)
{
    auto bytes = readFile(paramFilePath(programFolder, kPictraIniFile), kMaxPictraIniBytes);
    if (!bytes) {
        if (bytes.status() == Status::NotFound)
            return PictraIni{};
        return bytes.status();
    }
    return PictraIni::parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

Status updatePictraIni(const std::string& programFolder, const std::function<void(PictraIni&)>& change)
{
    auto ini = readPictraIni(programFolder);
    if (!ini)
        return ini.status();
    change(*ini);
    const std::string text = ini->text();
    return writeFileAtomic(paramFilePath(programFolder, kPictraIniFile),
                           {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

} // namespace pictra
