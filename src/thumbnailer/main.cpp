// pictra-thumbnailer IN OUT SIZE: writes the icon of album IN as the PNG
// file OUT, at most SIZE pixels a side, for file managers (registered
// through pictra.thumbnailer). Exit status 0 done, 1 failed, 2 wrong arguments.
#include "thumbnailer/album_thumbnail.h"

#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: pictra-thumbnailer ALBUM.abm OUT.png SIZE\n");
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
