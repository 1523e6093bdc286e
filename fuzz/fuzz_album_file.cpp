// Album file parser on arbitrary bytes: never crashes, and what it accepts
// has one store copy per entry, each within the documented limits; its head
// alone parses to the same entries.
#include "core/album/album_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto album = pictra::parseAlbumFile(pictra::ByteSpan(data, size));
    // The head alone (what the search and the open preview read) is parsed by the same rules.
    auto headOnly = pictra::parseAlbumHead(pictra::ByteSpan(data, size));
    if (album && (!headOnly || *headOnly != album->entries))
        __builtin_trap();
    if (!album)
        return 0;
    if (album->entries.size() > pictra::kMaxAlbumImages || album->entries.size() != album->storeCopies.size())
        __builtin_trap();
    for (const auto& copy : album->storeCopies) {
        if (copy.size() > pictra::kMaxStoreCopyBytes || (!copy.empty() && (copy.data() < data || copy.data() + copy.size() > data + size)))
            __builtin_trap();
    }
    pictra::ByteWriter head;
    pictra::writeAlbumHead(head, album->entries);
    for (std::size_t i = 0; i < head.size(); ++i) {
        // The head is written back as read, apart from bytes after the magic's terminating zero.
        if (i >= pictra::kAlbumMagicBytes && head.data()[i] != data[i])
            __builtin_trap();
    }
    return 0;
}
