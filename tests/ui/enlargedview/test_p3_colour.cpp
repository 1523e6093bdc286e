// A Display P3 JPEG in the enlarged view shows the colours ImageMagick's
// sRGB conversion of it has, not the numbers stored in the file. The
// screenshot p3_colour.png sets the three side by side.
#include "core/album/image_entry.h"
#include "core/util/fixed_text.h"
#include "support/album_window_fixture.h"
#include "support/colour_profiles.h"
#include "support/modal_dialogs.h"
#include "ui/albumwindow/special_window.h"
#include "ui/enlargedview/c_pictra_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <cstdlib>
#include <fstream>

namespace pictra {
namespace {

using test::AlbumWindowFixture;

// Saturated patches, where P3 and sRGB differ most, and a skin tone.
const QColor kPatches[] = {QColor(220, 40, 35), QColor(40, 190, 60), QColor(35, 50, 200),
                           QColor(225, 215, 40), QColor(200, 45, 180), QColor(215, 165, 135)};

bool run(const QString& command) { return std::system(command.toLocal8Bit().constData()) == 0; }

void writeProfile(const QString& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// How many pixels of `image` are within two levels of `colour` in every channel.
int pixelsNear(const QImage& image, QColor colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) <= 2 && std::abs(c.green() - colour.green()) <= 2 &&
                 std::abs(c.blue() - colour.blue()) <= 2;
        }
    return n;
}

QWidget* captioned(const QString& caption, const QPixmap& picture, QWidget* parent)
{
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(new QLabel(caption, column));
    auto* label = new QLabel(column);
    label->setPixmap(picture);
    layout->addWidget(label);
    return column;
}

class TestP3Colour : public QObject {
    Q_OBJECT

private slots:
    void theEnlargedViewShowsTheSrgbColoursOfAP3Picture()
    {
        AlbumWindowFixture f;
        const QString dir = QString::fromStdString(f.dir.path());
        QImage patches(480, 320, QImage::Format_RGB32);
        QPainter painter(&patches);
        for (int i = 0; i < 6; ++i)
            painter.fillRect((i % 3) * 160, (i / 3) * 160, 160, 160, kPatches[i]);
        painter.end();
        QVERIFY(patches.save(dir + "/in.ppm"));
        writeProfile(dir + "/p3.icc", test::displayP3Profile());
        writeProfile(dir + "/srgb.icc", test::srgbProfile());
        QVERIFY(run("convert " + dir + "/in.ppm -quality 95 -profile " + dir + "/p3.icc " + dir + "/p3.jpg"));
        QVERIFY(run("convert " + dir + "/p3.jpg -profile " + dir + "/srgb.icc " + dir + "/srgb.png"));
        QVERIFY(run("convert " + dir + "/p3.jpg +profile '*' " + dir + "/stored.png"));

        ImageEntry entry{};
        setFieldText(entry.path, (dir + "/p3.jpg").toStdString());
        ui::CChildFrame* frame = ui::openSpecialWindow(f.state, f.host, AlbumKind::SingleImage, entry);
        QVERIFY(frame);
        frame->resize(520, 400);
        QCoreApplication::processEvents();
        auto* view = qobject_cast<ui::CPictraView*>(frame->widget());
        QVERIFY(view);
        const QPixmap shown = view->grab();

        const QImage converted(dir + "/srgb.png");
        const QImage stored(dir + "/stored.png");
        QVERIFY(!converted.isNull() && !stored.isNull());
        const QImage screen = shown.toImage();
        for (int i = 0; i < 6; ++i) {
            const QPoint centre((i % 3) * 160 + 80, (i / 3) * 160 + 80);
            const QColor want = converted.pixelColor(centre);
            QVERIFY2(pixelsNear(screen, want) > 1000, qPrintable(QString("patch %1 %2").arg(i).arg(want.name())));
        }
        QVERIFY2(pixelsNear(screen, stored.pixelColor(80, 80)) < 100, "the red patch is not shown as stored");

        QWidget sideBySide;
        auto* row = new QHBoxLayout(&sideBySide);
        row->addWidget(captioned("拡大表示 (Display P3 の JPEG)", shown, &sideBySide));
        row->addWidget(captioned("ImageMagick による sRGB 変換",
                                 QPixmap::fromImage(converted.scaled(shown.size(), Qt::KeepAspectRatio)), &sideBySide));
        row->addWidget(captioned("変換しない値 (以前の表示)",
                                 QPixmap::fromImage(stored.scaled(shown.size(), Qt::KeepAspectRatio)), &sideBySide));
        sideBySide.adjustSize();
        QVERIFY(test::saveArtifact(sideBySide, "p3_colour.png"));
    }
};

} // namespace
} // namespace pictra

QTEST_MAIN(pictra::TestP3Colour)
#include "test_p3_colour.moc"
