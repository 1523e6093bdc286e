#include "album_test_support.h"

#include "core/album/album_file.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

namespace pictra::test {

std::vector<std::uint8_t> albumFileBytes(const std::vector<AlbumSpec>& images)
{
    std::vector<ImageEntry> entries;
    for (std::size_t i = 0; i < images.size(); ++i) {
        ImageEntry e;
        setFieldText(e.path, images[i].path);
        e.stamp = 7 + static_cast<int>(i);
        e.year = 2001;
        e.month = 2;
        e.day = 3;
        setFieldText(e.author, images[i].author);
        entries.push_back(e);
    }
    ByteWriter out;
    writeAlbumHead(out, entries);
    for (const AlbumSpec& image : images) {
        out.i32(static_cast<std::int32_t>(image.jpeg.size()));
        out.bytes(std::span(reinterpret_cast<const std::uint8_t*>(image.jpeg.data()), image.jpeg.size()));
    }
    return out.take();
}

AlbumWorkspace::AlbumWorkspace() : programFolder(dir.file("pf")), table(makeAlbumTable())
{
    AlbumRecord& w = table->working;
    w.viewId = 1;
    setFieldText(w.path, programFolder + "/USER/新規-1.abm");
    table->windowSlots[0] = w;
    table->openCount = 1;
    makeFolders(StoreFolder(programFolder, fieldText(w.path)));
}

std::string readText(const std::string& path)
{
    auto bytes = readFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
}

std::string summaryOrder(const AlbumRecord& album)
{
    std::string s;
    for (int i = 0; i < album.imageCount; ++i)
        s += album.images[static_cast<std::size_t>(i)].summary[0];
    return s;
}

} // namespace pictra::test
