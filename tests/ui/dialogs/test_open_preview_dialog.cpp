// The album open dialog's preview strip: pages of eight, the label, refused
// scrolls, and files that are no albums.
#include "core/album/album_file.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"
#include "ui/dialogs/album_preview_strip.h"
#include "ui/dialogs/c_open_filedlg.h"

#include <QLabel>
#include <QScrollBar>
#include <QtTest>

using pictra::ui::AlbumPreviewStrip;
using pictra::ui::COpenFiledlg;

namespace {

// An album of `count` images whose embedded copies are small JPEGs.
void writeAlbum(const std::string& path, int count)
{
    std::vector<pictra::ImageEntry> entries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        (void)pictra::setFieldText(entries[static_cast<std::size_t>(i)].path, "/photos/img" + std::to_string(i) + ".jpg");
    pictra::ByteWriter out;
    pictra::writeAlbumHead(out, entries);
    for (int i = 0; i < count; ++i) {
        const auto jpeg = pictra::test::encodeWithTurbo(pictra::test::makePhotoLike(160, 120, static_cast<std::uint32_t>(i + 1)),
                                                        85, pictra::test::TurboSampling::S420);
        out.i32(static_cast<std::int32_t>(jpeg.size()));
        out.bytes(jpeg);
    }
    QCOMPARE(pictra::writeFile(path, out.take()), pictra::Status::Ok);
}

} // namespace

class TestOpenPreviewDialog : public QObject {
    Q_OBJECT
private slots:
    void nineImagesShowTwoPagesAndAForeignFileNone()
    {
        pictra::test::TempDir dir;
        const std::string album = dir.file("albums/trip.abm");
        QVERIFY(pictra::makeFolders(dir.file("albums")));
        writeAlbum(album, 9);
        pictra::test::writeBytes(dir.file("albums/fake.abm"), "JFIF, not an album");
        const std::string scratch = dir.file("TEMP/preview");
        pictra::test::writeBytes(dir.file("TEMP/preview/keep.jpg"), "the user's");

        COpenFiledlg dialog(nullptr, QStringLiteral("開く"), QString::fromStdString(dir.file("albums")),
                            QStringLiteral("ABMﾌｧｲﾙ (*.abm)"), scratch);
        dialog.resize(760, 560);
        dialog.show();
        AlbumPreviewStrip& strip = dialog.strip();
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("1058"));
        auto* upDown = dialog.findChild<QScrollBar*>(QStringLiteral("1016"));
        QVERIFY(label && upDown);
        QCOMPARE(label->text(), QStringLiteral("1/1"));

        dialog.selectFile(QString::fromStdString(album));
        emit dialog.currentChanged(QString::fromStdString(album)); // what selecting it in the list sends
        QCOMPARE(label->text(), QStringLiteral("1/2"));
        QCOMPARE(strip.filledCells(), 8);
        QTest::qWait(50);
        const QImage shot = dialog.grab().toImage();
        const QByteArray artifacts = qgetenv("PICTRA_ARTIFACT_DIR");
        if (!artifacts.isEmpty())
            QVERIFY(shot.save(QString::fromLocal8Bit(artifacts) + QStringLiteral("/open_preview_dialog.png")));

        upDown->setValue(1);
        QCOMPARE(strip.page(), 1);
        QCOMPARE(label->text(), QStringLiteral("2/2"));
        QCOMPARE(strip.filledCells(), 1);
        upDown->setValue(2); // no picture there: refused
        QCOMPARE(strip.page(), 1);
        QCOMPARE(upDown->value(), 1);
        QCOMPARE(label->text(), QStringLiteral("2/2"));
        upDown->setValue(0);
        QCOMPARE(label->text(), QStringLiteral("1/2"));

        emit dialog.currentChanged(QString::fromStdString(dir.file("albums/fake.abm")));
        QCOMPARE(strip.filledCells(), 0);
        QCOMPARE(label->text(), QStringLiteral("1/1"));
        QVERIFY(pictra::fileExists(dir.file("TEMP/preview/keep.jpg")));
    }
};

QTEST_MAIN(TestOpenPreviewDialog)
#include "test_open_preview_dialog.moc"
