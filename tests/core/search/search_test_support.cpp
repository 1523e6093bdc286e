#include "search_test_support.h"

#include "core/album/album_file.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"

namespace pictra::test {

ImageEntry makeEntry(const EntryTexts& texts)
{
    ImageEntry e;
    (void)setFieldText(e.path, texts.path);
    e.year = static_cast<std::int16_t>(texts.year);
    (void)setFieldText(e.place, utf8ToCp932(texts.place).text);
    (void)setFieldText(e.memo, utf8ToCp932(texts.memo).text);
    return e;
}

std::string albumBytes(const std::vector<ImageEntry>& entries)
{
    ByteWriter out;
    writeAlbumHead(out, entries);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out.i32(2);
        out.u8(0xFF);
        out.u8(0xD8);
    }
    const std::vector<std::uint8_t> bytes = out.take();
    return std::string(bytes.begin(), bytes.end());
}

} // namespace pictra::test
