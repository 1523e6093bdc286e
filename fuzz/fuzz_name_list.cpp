// Name-list files (errorlog.dat, scan.dat, serch.dat) on arbitrary bytes:
// what is accepted writes back and reads again as the same list.
#include "core/album/name_list_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto names = pictra::parseNameList(pictra::ByteSpan(data, size));
    if (!names)
        return 0;
    auto again = pictra::parseNameList(pictra::encodeNameList(*names));
    if (!again || !(*again == *names))
        __builtin_trap();
    return 0;
}
