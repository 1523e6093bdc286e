#include "support/album_window_fixture.h"
#include "support/pdf_pages.h"

#include "core/print/poster_layout.h"
#include "ui/print/c_poster_print_dlg.h"
#include "ui/print/poster_renderer.h"
#include "ui/print/poster_preview_view.h"
#include "ui/print/print_picture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using pictra::test::AlbumWindowFixture;
using pictra::test::isColour;
using namespace pictra;

namespace {

constexpr QRgb kRed = 0xff0000, kGreen = 0x00c000, kBlue = 0x0000ff, kYellow = 0xffff00;

// Four quarters in four colours: a turned or mirrored tile shows at once.
void writeQuarters(const std::string& path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    QPainter p(&image);
    p.fillRect(0, 0, width / 2, height / 2, QColor(kRed));
    p.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(kGreen));
    p.fillRect(0, height / 2, width / 2, height - height / 2, QColor(kBlue));
    p.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(kYellow));
    p.end();
    QVERIFY(image.save(QString::fromStdString(path), "BMP"));
}

void pdfPrinter(QPrinter& printer, const std::string& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
}

void choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace

class TestPosterPrint : public QObject {
    Q_OBJECT
private slots:
    void sheetsPutTogetherShowThePictureUpright()
    {
        AlbumWindowFixture f;
        const std::string picture = f.dir.file("quarters.bmp");
        writeQuarters(picture, 301, 199); // odd sizes: odd padding on both sides
        const ui::LoadedPicture loaded = ui::loadPrintPicture(picture, 10'000'000);
        QVERIFY(!loaded.image.isNull());
        const PosterSetup setup = openPosterSetup(0); // A1 on A4, 3 x 3
        QPrinter printer;
        pdfPrinter(printer, f.dir.file("poster.pdf"));
        const ui::PosterReport report = ui::renderPoster(printer, setup, loaded.image);
        QCOMPARE(report.outcome, ui::PosterOutcome::Printed);
        QCOMPARE(report.pages, 9);

        const std::vector<QImage> pages = test::renderPdfPages(QString::fromStdString(f.dir.file("poster.pdf")), 20);
        QCOMPARE(pages.size(), std::size_t{9});
        const QSize sheet = pages[0].size();
        QVERIFY(sheet.width() > sheet.height()); // landscape A4
        // Pages come bottom row first, each row from the left: join them.
        QImage joined(sheet.width() * 3, sheet.height() * 3, QImage::Format_RGB32);
        QPainter join(&joined);
        for (int i = 0; i < 9; ++i)
            join.drawImage((i % 3) * sheet.width(), (2 - i / 3) * sheet.height(), pages[std::size_t(i)]);
        join.end();
        saveArtifact(joined, "poster_sheets_joined.png");
        // The poster's picture is 840 x 556 mm centred on 891 x 630 mm of sheets.
        auto at = [&](double xmm, double ymm) {
            return joined.pixel(int(xmm / 891 * joined.width()), int(ymm / 630 * joined.height()));
        };
        QVERIFY(isColour(at(200, 150), kRed));
        QVERIFY(isColour(at(700, 150), kGreen));
        QVERIFY(isColour(at(200, 500), kBlue));
        QVERIFY(isColour(at(700, 500), kYellow));
        QVERIFY(isColour(at(10, 10), 0xffffff));   // outside the poster
        QVERIFY(isColour(at(445, 25), 0xffffff));  // the band above the picture
        QVERIFY(isColour(at(296, 150), kRed));     // across the first seam, same colour
        QVERIFY(isColour(at(298, 150), kRed));
    }

    void openingRefusalsAndTheSheetCount()
    {
        AlbumWindowFixture f;
        f.openAlbum("/albums/a.abm", 3);
        f.writePictures("/albums/a.abm", 3);
        f.state.albums->working.hasFocus = 1; // the focused image opens the dialog
        QPrinter printer;
        ui::CPosterPrintDlg dlg(f.state, f.state.albums->working, f.host.prompts(), printer);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("ポスター印刷"));
        auto* poster = dlg.findChild<QComboBox*>(QStringLiteral("1081"));
        auto* sheet = dlg.findChild<QComboBox*>(QStringLiteral("1082"));
        QCOMPARE(poster->currentText(), QStringLiteral("A1"));
        QCOMPARE(sheet->currentText(), QStringLiteral("A4"));
        QCOMPARE(dlg.findChild<QLineEdit*>(QStringLiteral("1002"))->text(), QStringLiteral("840"));
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("sheets"))->text(), QStringLiteral("用紙 3 × 3 = 9枚"));
        QCOMPARE(dlg.previewView()->preview().sheets.size(), std::size_t{9});
        QVERIFY(dlg.previewView()->preview().picture.width() > 0);
        QCOMPARE(dlg.imagePath(), f.dir.file("img0.jpg"));
        saveArtifact(dlg.grab().toImage(), "poster_print_dialog.png");

        dlg.findChild<QRadioButton*>(QStringLiteral("1070"))->click();
        QCOMPARE(posterGrid(dlg.setup()), (PosterGrid{2, 4}));
        choose(poster, QStringLiteral("A3"));
        choose(sheet, QStringLiteral("B4")); // 364 is not below the portrait A3's 297
        QCOMPARE(sheet->currentText(), QStringLiteral("A4"));
        QVERIFY(!dlg.findChild<QLabel*>(QStringLiteral("note"))->text().isEmpty());

        auto* margin = dlg.findChild<QLineEdit*>(QStringLiteral("1119"));
        margin->setText(QStringLiteral("210"));
        QVERIFY(!dlg.findChild<QPushButton*>(QStringLiteral("1017"))->isEnabled());
        QCOMPARE(dlg.setup().margin, 0);
        margin->setText(QStringLiteral("20"));
        QVERIFY(dlg.findChild<QPushButton*>(QStringLiteral("1017"))->isEnabled());
        QCOMPARE(dlg.setup().sheetWidth, 277);

        dlg.findChild<QRadioButton*>(QStringLiteral("1069"))->click();
        choose(poster, QStringLiteral("A1"));
        margin->setText(QStringLiteral("150")); // the A4 keeps 60 mm, an A6 would keep nothing
        choose(sheet, QStringLiteral("A6"));
        QCOMPARE(sheet->currentText(), QStringLiteral("A4"));
        QVERIFY(dlg.findChild<QLabel*>(QStringLiteral("note"))->text().contains(QStringLiteral("余白")));
    }

    void manySheetsAskAndFailuresAreTold()
    {
        AlbumWindowFixture f;
        f.openAlbum("/albums/a.abm", 2);
        f.writePictures("/albums/a.abm", 1); // img1.jpg is missing
        f.state.albums->working.hasFocus = 1;
        QPrinter printer;
        pdfPrinter(printer, f.dir.file("big.pdf"));
        ui::CPosterPrintDlg dlg(f.state, f.state.albums->working, f.host.prompts(), printer);
        choose(dlg.findChild<QComboBox*>(QStringLiteral("1081")), QStringLiteral("A0"));
        choose(dlg.findChild<QComboBox*>(QStringLiteral("1082")), QStringLiteral("A6"));
        QCOMPARE(posterGrid(dlg.setup()), (PosterGrid{9, 8}));
        f.host.scripted.yesNoAnswers.enqueue(false);
        dlg.print();
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("72枚")));
        QCOMPARE(f.host.scripted.printerSetUps, 0);
        QVERIFY(!QFileInfo::exists(QString::fromStdString(f.dir.file("big.pdf"))));

        dlg.pickImage(1);
        choose(dlg.findChild<QComboBox*>(QStringLiteral("1081")), QStringLiteral("A2"));
        choose(dlg.findChild<QComboBox*>(QStringLiteral("1082")), QStringLiteral("A4"));
        dlg.print();
        QCOMPARE(f.host.scripted.asked.size(), 2);
        QVERIFY(f.host.scripted.asked[1].contains(QStringLiteral("読み込めない")));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(f.dir.file("big.pdf"))));
    }

private:
    static void saveArtifact(const QImage& image, const char* name)
    {
        const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
        if (!dir.isEmpty())
            QVERIFY(image.save(dir + QLatin1Char('/') + QLatin1String(name)));
    }
};

QTEST_MAIN(TestPosterPrint)
#include "test_poster_print.moc"
