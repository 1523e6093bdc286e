// RegistryStore: the program's small key/value store standing in for the
// system registry: string and DWORD values under named keys, kept in one
// text file and rewritten atomically on every change. Reads go to the file
// each time, so values written by the setup program show at once.
#pragma once

#include "core/platform/registry_text.h"
#include "core/util/result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pictra {

// The key under which the program keeps its values ("pictra" and "Pictra"
// name the same key).
inline constexpr std::string_view kPictraRegistryKey = "Software\\Korvale\\Pictra\\1.0";

// Largest store file we read; anything bigger is not ours.
inline constexpr std::size_t kMaxRegistryFileBytes = 1 << 20;

class RegistryStore {
public:
    explicit RegistryStore(std::string filePath) : m_path(std::move(filePath)) {}

    // $PICTRA_REGISTRY, else $XDG_CONFIG_HOME/Korvale/pictra.reg, else
    // $HOME/.config/Korvale/pictra.reg ("" when none of them is set).
    static std::string defaultPath();

    const std::string& filePath() const { return m_path; }

    // nullopt when the file, the key or the value is missing, or the value
    // has the other type.
    std::optional<std::string> readString(std::string_view key, std::string_view name) const;
    std::optional<std::uint32_t> readDword(std::string_view key, std::string_view name) const;

    // Change one value and rewrite the file (creating its folder when
    // needed). TooLarge when the existing file is not one we can read back
    // (it is then left alone); else the status of the write.
    Status writeString(std::string_view key, std::string_view name, std::string_view value);
    Status writeDword(std::string_view key, std::string_view name, std::uint32_t value);
    Status deleteValue(std::string_view key, std::string_view name);

private:
    Result<RegistryData> load() const;
    Status save(const RegistryData& data) const;
    Status change(std::string_view key, std::string_view name, std::optional<RegistryValue> value);

    std::string m_path;
};

} // namespace pictra
