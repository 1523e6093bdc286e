// An album window holding one picture of each format added beside the
// original five (PNG, GIF, WebP, HEIC, AVIF, JPEG XL), each made here by its
// own tool and dropped in as a user would: every cell shows its picture.
#include "support/app_session.h"

#include "codec_test_support.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "tool_images.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/drop_handler.h"

#include <QImage>
#include <QSet>
#include <QtTest>

using namespace pictra;

namespace {

struct ToolMade {
    const char* name;
    const char* command; // see test::encodeWithTool
};

// The JPEG XL comes from a JPEG stored on its side with Exif orientation 6, as a camera writes it.
constexpr ToolMade kFiles[] = {
    {"screenshot.png", "/usr/bin/convert %i %o"}, {"banner.gif", "/usr/bin/convert %i %o"},
    {"download.webp", "cwebp -quiet -q 80 %i -o %o"}, {"phone.heic", "heif-enc -q 60 %i -o %o"},
    {"newer_camera.avif", "avifenc -s 8 %i %o"},  {"camera.jxl", "cjxl %j %o"},
};

// The colours seen in the middle half of `cell`; a crossed cell has two.
int coloursIn(const QImage& page, const Rect& cell)
{
    QSet<QRgb> seen;
    const int w = cell.right - cell.left;
    const int h = cell.bottom - cell.top;
    for (int y = cell.top + h / 4; y < cell.bottom - h / 4; ++y)
        for (int x = cell.left + w / 4; x < cell.right - w / 4; ++x)
            seen.insert(page.pixel(x, y));
    return static_cast<int>(seen.size());
}

} // namespace

class TestFormatsAlbum : public QObject {
    Q_OBJECT
private slots:
    void everyNewFormatShowsItsPicture()
    {
        test::StartedProgram p;
        auto& [tmp, state, prompts, frame] = p;
        std::vector<std::string> files;
        for (std::uint32_t i = 0; i < std::size(kFiles); ++i) {
            const std::string path = tmp.file(std::string("pictures/") + kFiles[i].name);
            QVERIFY(makeFolders(tmp.file("pictures")));
            std::string log;
            // The GIF is a drawing of few colours, as GIFs on the web are.
            const bool gif = std::string_view(kFiles[i].name).ends_with(".gif");
            const test::RgbImage scene = gif ? test::makeFewColours(160, 120, 6) : test::makeScene(160, 120, i + 1);
            const bool onItsSide = std::string_view(kFiles[i].command).find("%j") != std::string_view::npos;
            const test::RgbImage stored = onItsSide ? test::turnedLeft(scene) : scene;
            QVERIFY2(test::encodeWithTool(tmp, stored, kFiles[i].command, path, &log),
                     qPrintable(QString::fromStdString(std::string(kFiles[i].name) + ": " + log)));
            files.push_back(path);
        }
        QVERIFY(frame->documents().newAlbum());
        const auto asked = prompts.asked.size();
        frame->drops().dropFiles(files);
        QVERIFY2(prompts.asked.size() == asked, qPrintable(prompts.asked.join(QLatin1Char('\n')))); // nothing refused
        QCOMPARE(state.albums->working.imageCount, 6);

        ui::CChildFrame* album = frame->documents().activeFrame();
        album->showMaximized();
        QCoreApplication::processEvents();
        album->pageView()->repaintPage();
        const QImage page = album->pageView()->grab().toImage();
        for (int i = 0; i < 6; ++i) {
            const Rect& cell = state.albums->working.cells[static_cast<std::size_t>(i)];
            QVERIFY2(coloursIn(page, cell) > 50, kFiles[i].name);
        }
        const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
        if (!dir.isEmpty())
            QVERIFY(album->grab().save(dir + QStringLiteral("/formats_album.png")));
    }
};

QTEST_MAIN(TestFormatsAlbum)
#include "test_formats_album.moc"
