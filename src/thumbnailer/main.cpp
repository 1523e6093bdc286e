// pictra-thumbnailer IN OUT SIZE: writes the icon of album IN as the PNG
// file OUT, at most SIZE pixels a side, for file managers (registered
// through pictra.thumbnailer). Exit status 0 done, 1 failed, 2 wrong arguments.
#include "core/util/command_options.h"
#include "thumbnailer/album_thumbnail.h"

#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: pictra-thumbnailer ALBUM.abm OUT.png SIZE\n";

void printHelp()
{
    std::printf("%s\n"
                "Writes the icon of the album ALBUM.abm (its first picture on a small stack of\n"
                "pages) as the PNG file OUT.png, at most SIZE pixels a side (1 to %d), for\n"
                "file managers. Needs no display.\n"
                "  -h, --help  show this text\n"
                "Exit status: 0 done, 1 failed, 2 wrong arguments.\n",
                kUsage, pictra::kMaxThumbnailSize);
}

} // namespace

int main(int argc, char** argv)
{
    const auto check = pictra::checkOptions(std::vector<std::string>(argv + 1, argv + argc), {});
    if (check.verdict == pictra::OptionVerdict::Help) {
        printHelp();
        return 0;
    }
    if (check.verdict == pictra::OptionVerdict::Unknown) {
        std::fprintf(stderr, "pictra-thumbnailer: %s\n",
                     pictra::unknownOptionHint(check.unknown, "pictra-thumbnailer").c_str());
        return 2;
    }
    if (argc != 4) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    bool sizeOk = false;
    const int size = QString::fromLocal8Bit(argv[3]).toInt(&sizeOk);
    if (!sizeOk || size < 1 || size > pictra::kMaxThumbnailSize) {
        std::fprintf(stderr, "pictra-thumbnailer: SIZE must be 1 to %d\n", pictra::kMaxThumbnailSize);
        return 2;
    }
    // Painting text-free images needs no display; the offscreen platform
    // keeps the thumbnailer working where file managers run it headless.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const auto icon = pictra::renderAlbumThumbnail(QString::fromLocal8Bit(argv[1]), size);
    if (!icon) {
        std::fprintf(stderr, "pictra-thumbnailer: %s: no picture to show\n", argv[1]);
        return 1;
    }
    if (!icon->save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "pictra-thumbnailer: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
