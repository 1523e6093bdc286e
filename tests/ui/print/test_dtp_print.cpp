#include "support/album_window_fixture.h"
#include "support/modal_dialogs.h"
#include "support/pdf_pages.h"

#include "core/print/dtp_page.h"
#include "ui/print/c_dtp_print_dlg.h"
#include "ui/print/dtp_preview_view.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

using pictra::test::AlbumWindowFixture;
using pictra::test::isColour;
using namespace pictra;

namespace {

constexpr QRgb kRed = 0xff0000, kBlue = 0x0000ff;

// Left half red, right half blue, in the sheet's proportions.
void writeHalves(const std::string& path)
{
    QImage image(297, 210, QImage::Format_RGB888);
    QPainter p(&image);
    p.fillRect(0, 0, 148, 210, QColor(kRed));
    p.fillRect(148, 0, 149, 210, QColor(kBlue));
    p.end();
    QVERIFY(image.save(QString::fromStdString(path), "BMP"));
}

QString pdfText(const QString& pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

bool dark(QRgb p)
{
    return std::max({qRed(p), qGreen(p), qBlue(p)}) < 90;
}

// The right-most and left-most dark columns of `image` between x0 and x1
// (exclusive) over rows y0..y1; {-1, -1} without ink.
std::pair<int, int> inkColumns(const QImage& image, int x0, int x1, int y0, int y1)
{
    int right = -1;
    int left = -1;
    for (int x = x0; x < x1; ++x) {
        for (int y = y0; y < y1; ++y) {
            if (dark(image.pixel(x, y))) {
                right = x;
                if (left < 0)
                    left = x;
                break;
            }
        }
    }
    return {left, right};
}

struct DtpFixture : AlbumWindowFixture {
    DtpFixture()
    {
        state.settings.print.margin = 0;
        openAlbum("/albums/a.abm", 1);
        writeHalves(dir.file("img0.jpg.bmp"));
        // A single-image window on the BMP: its strip slot draws the file itself.
        single = std::make_unique<AlbumRecord>(state.albums->working);
        setFieldText(single->images[0].path, dir.file("img0.jpg.bmp"));
        single->kind = AlbumKind::SingleImage;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf());
        dlg = std::make_unique<ui::CDtpPrintDlg>(state, *single, host.prompts(), printer);
    }
    QString pdf() const { return QString::fromStdString(dir.file("dtp.pdf")); }
    template <typename T = QLineEdit>
    T* control(const char* id) const
    {
        return dlg->findChild<T*>(QString::fromLatin1(id));
    }

    std::unique_ptr<AlbumRecord> single;
    QPrinter printer;
    std::unique_ptr<ui::CDtpPrintDlg> dlg;
};

} // namespace

class TestDtpPrint : public QObject {
    Q_OBJECT
private slots:
    void pagePrintsThePictureAndVerticalText()
    {
        DtpFixture f;
        f.dlg->show();
        QCOMPARE(f.dlg->windowTitle(), QStringLiteral("DTP印刷"));
        QCOMPARE(f.control<QComboBox>("1081")->currentText(), QStringLiteral("A4"));
        QVERIFY(!f.control("1002")->isEnabled());
        QVERIFY(f.control<QComboBox>("1019")->count() > 0); // Japanese fonts of the system
        f.control<QPlainTextEdit>("1000")->setPlainText(QStringLiteral("写真の旅ー"));
        f.control("1004")->setText(QStringLiteral("20"));
        f.control("1001")->setText(QStringLiteral("20"));
        QVERIFY(f.control<QRadioButton>("1067")->isChecked()); // "縦書き"
        f.control<QToolButton>("1133")->click();                 // black
        QCOMPARE(f.dlg->content().charHeight, 20.0);
        f.dlg->resize(900, 640);
        const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
        if (!dir.isEmpty())
            QVERIFY(f.dlg->grab().save(dir + QStringLiteral("/dtp_print_dialog.png")));

        f.control<QPushButton>("1017")->click();
        QCOMPARE(f.host.scripted.printerSetUps, 1);
        const std::vector<QImage> pages = test::renderPdfPages(f.pdf(), 25); // about 1 pixel per mm
        QCOMPARE(pages.size(), std::size_t{1});
        const QImage& page = pages[0];
        QVERIFY(page.width() > page.height());
        auto at = [&](double xmm, double ymm) {
            return page.pixel(int(xmm / 297 * page.width()), int(ymm / 210 * page.height()));
        };
        QVERIFY(isColour(at(50, 150), kRed));
        QVERIFY(isColour(at(250, 150), kBlue));
        // The text runs down the right-hand column: dark strokes there, none further left.
        int dark = 0;
        for (int y = int(0.0 / 210 * page.height()); y < int(100.0 / 210 * page.height()); ++y)
            for (int x = int(277.0 / 297 * page.width()); x < page.width(); ++x)
                dark += qGray(page.pixel(x, y)) < 40 ? 1 : 0;
        QVERIFY(dark > 20);
        const QString text = pdfText(f.pdf());
        for (const QString& ch : {QStringLiteral("写"), QStringLiteral("真"), QStringLiteral("旅")})
            QVERIFY2(text.contains(ch), qPrintable(text));
    }

    void verticalColumnsLieWhollyInsideTheFrame_data()
    {
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<int>("charHeight");
        QTest::newRow("square") << 20 << 20;
        QTest::newRow("narrow") << 8 << 20;
        QTest::newRow("wide") << 30 << 15;
    }

    // The first column starts a column gap inside the sheet's right edge and
    // its ink stays in its cells, in the preview and on paper.
    void verticalColumnsLieWhollyInsideTheFrame()
    {
        QFETCH(int, charWidth);
        QFETCH(int, charHeight);
        DtpFixture f;
        f.dlg->resize(900, 640);
        f.dlg->show();
        f.control<QPlainTextEdit>("1000")->setPlainText(QStringLiteral("写真の旅ー「山」。\nしょっぴんぐの列"));
        f.control("1001")->setText(QString::number(charWidth));
        f.control("1004")->setText(QString::number(charHeight));
        f.control<QToolButton>("1133")->click();
        QCOMPARE(f.dlg->content().charWidth, double(charWidth));
        const double gap = charWidth * kVerticalColumnGap;

        ui::DtpPreviewView* view = f.dlg->previewView();
        const QImage shown = view->grab().toImage();
        const Rect sheet = view->sheetRect();
        const double perMm = double(sheet.width()) / f.dlg->content().setup.width();
        const int frameRight = sheet.left + int((297 - gap) * perMm);
        const int columnLeft = sheet.left + int((297 - gap - charWidth) * perMm);
        // Inside the sheet's black border only.
        const auto [left, right] = inkColumns(shown, columnLeft - int(gap * perMm / 2), sheet.right - 2,
                                              sheet.top + 2, sheet.bottom - 2);
        QVERIFY2(right >= 0, "no first column in the preview");
        QVERIFY2(right <= frameRight + 1 && left >= columnLeft - 1,
                 qPrintable(QStringLiteral("ink %1..%2, cell %3..%4").arg(left).arg(right).arg(columnLeft).arg(frameRight)));
        if (charWidth == 20)
            QVERIFY(test::saveArtifact(*f.dlg, "dtp_vertical.png"));

        f.control<QPushButton>("1017")->click();
        constexpr int dpi = 100;
        const std::vector<QImage> pages = test::renderPdfPages(f.pdf(), dpi);
        QCOMPARE(pages.size(), std::size_t{1});
        const double pxPerMm = dpi / 25.4;
        const int paperRight = int((297 - gap) * pxPerMm);
        const int paperLeft = int((297 - gap - charWidth) * pxPerMm);
        const auto [inkLeft, inkRight] = inkColumns(pages[0], paperLeft - int(gap * pxPerMm / 2), pages[0].width(), 0,
                                                    pages[0].height());
        QVERIFY2(inkRight >= 0 && inkRight <= paperRight + 1 && inkLeft >= paperLeft - 1,
                 qPrintable(QStringLiteral("ink %1..%2, cell %3..%4").arg(inkLeft).arg(inkRight).arg(paperLeft).arg(paperRight)));
    }

    void freeSizeTakesTheTypedSheet()
    {
        DtpFixture f;
        auto* paper = f.control<QComboBox>("1081");
        const int free = paper->findText(QStringLiteral("FREEｻｲｽﾞ"));
        paper->setCurrentIndex(free);
        emit paper->activated(free);
        QVERIFY(f.control("1002")->isEnabled());
        f.control("1002")->setText(QStringLiteral("200"));
        emit f.control("1002")->textEdited(QStringLiteral("200"));
        f.control("1003")->setText(QStringLiteral("100"));
        emit f.control("1003")->textEdited(QStringLiteral("100"));
        QCOMPARE(f.dlg->content().setup.width(), 200);
        QCOMPARE(f.dlg->content().setup.height(), 100);
        f.control("1119")->setText(QStringLiteral("100"));
        emit f.control("1119")->textEdited(QStringLiteral("100"));
        QVERIFY(!f.control<QPushButton>("1017")->isEnabled()); // nothing left of the sheet
        f.control("1119")->setText(QStringLiteral("0"));
        emit f.control("1119")->textEdited(QStringLiteral("0"));
        f.control<QPushButton>("1017")->click();
        const std::vector<QImage> pages = test::renderPdfPages(f.pdf(), 254);
        QCOMPARE(pages.size(), std::size_t{1});
        QVERIFY(std::abs(pages[0].width() - 2000) <= 2);
        QVERIFY(std::abs(pages[0].height() - 1000) <= 2);
    }
};

QTEST_MAIN(TestDtpPrint)
#include "test_dtp_print.moc"
