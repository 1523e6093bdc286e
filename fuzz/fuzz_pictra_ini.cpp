// PARAM/pictra.ini on arbitrary bytes: parsing keeps every line, so writing
// what was read and reading it again gives the same text, and a key set is
// then found with the value given.
#include "core/settings/pictra_ini.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    pictra::PictraIni ini = pictra::PictraIni::parse(text);
    const std::string once = ini.text();
    if (pictra::PictraIni::parse(once).text() != once)
        __builtin_trap();
    const std::string key = "scan." + pictra::iniKeyPart(text.substr(0, 40)) + ".mode";
    ini.set(key, "gray");
    if (pictra::PictraIni::parse(ini.text()).value(key) != "gray")
        __builtin_trap();
    return 0;
}
