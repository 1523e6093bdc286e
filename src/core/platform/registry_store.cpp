// RegistryStore over its text file.
#include "core/platform/registry_store.h"

#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <cstdlib>

namespace pictra {
namespace {

std::string environment(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// The value of type T, or nullopt when missing, of the other type, or the file unreadable.
template <typename T>
std::optional<T> valueOf(const Result<RegistryData>& data, std::string_view key, std::string_view name)
{
    const RegistryValue* v = data ? findRegistryValue(*data, key, name) : nullptr;
    if (const T* value = v ? std::get_if<T>(v) : nullptr)
        return *value;
    return std::nullopt;
}

} // namespace

std::string RegistryStore::defaultPath()
{
    if (std::string path = environment("PICTRA_REGISTRY"); !path.empty())
        return path;
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/') {
        const std::string home = environment("HOME");
        if (home.empty())
            return {};
        config = joinPath(home, ".config");
    }
    return joinPath(joinPath(config, "Korvale"), "pictra.reg");
}

Result<RegistryData> RegistryStore::load() const
{
    auto bytes = readFile(m_path, kMaxRegistryFileBytes);
    if (bytes.status() == Status::NotFound)
        return RegistryData{};
    if (!bytes)
        return bytes.status();
    return parseRegistryText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

Status RegistryStore::save(const RegistryData& data) const
{
    if (m_path.empty())
        return Status::NotFound;
    const std::string_view folder = folderPart(m_path);
    if (!folder.empty() && !makeFolders(std::string(folder)))
        return Status::NoPermission;
    const std::string text = formatRegistryText(data);
    return writeFileAtomic(m_path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::optional<std::string> RegistryStore::readString(std::string_view key, std::string_view name) const
{
    return valueOf<std::string>(load(), key, name);
}

std::optional<std::uint32_t> RegistryStore::readDword(std::string_view key, std::string_view name) const
{
    return valueOf<std::uint32_t>(load(), key, name);
}

Status RegistryStore::change(std::string_view key, std::string_view name, std::optional<RegistryValue> value)
{
    auto data = load();
    if (!data)
        return data.status();
    if (value)
        setRegistryValue(*data, key, name, std::move(*value));
    else if (!deleteRegistryValue(*data, key, name))
        return Status::Ok;
    return save(*data);
}

Status RegistryStore::writeString(std::string_view key, std::string_view name, std::string_view value)
{
    return change(key, name, RegistryValue(std::string(value)));
}

Status RegistryStore::writeDword(std::string_view key, std::string_view name, std::uint32_t value)
{
    return change(key, name, RegistryValue(value));
}

Status RegistryStore::deleteValue(std::string_view key, std::string_view name)
{
    return change(key, name, std::nullopt);
}

} // namespace pictra
