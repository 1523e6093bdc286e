// The printer's page in every print path: each paper of the normal dialog
// printed to PDF at its size with the picture placed on it, a paper picked
// in the printer set-up taken over (or the job's paper stated) by the
// normal, poster and DTP dialogs, Qt's own print dialog starting on and
// keeping the job's page, and the preview keeping the sheet it shows.
#include "core/commands/command_ids.h"
#include "support/app_session.h"
#include "support/album_window_fixture.h"
#include "support/modal_dialogs.h"
#include "support/print_check.h"

#include "core/print/paper_table.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "ui/print/c_dtp_print_dlg.h"
#include "ui/print/c_normal_print_dlg.h"
#include "ui/print/c_poster_print_dlg.h"
#include "ui/print/c_set_printer.h"
#include "ui/print/page_up_down.h"
#include "ui/print/printer_page.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>

using namespace pictra;
using pictra::test::AlbumWindowFixture;
using pictra::ui::CNormalPrintDlg;

namespace {

constexpr int kDpi = 20;
constexpr double kPointsPerMm = 72 / 25.4;

// An album of `count` pictures, the first focused; picture 0 is red over blue.
const AlbumRecord& album(AlbumWindowFixture& f, int count)
{
    const std::string path = f.dir.file("trip.abm");
    f.writePictures(path, count);
    const auto jpeg = test::encodeWithTurbo(test::makeSplitPicture(200, 200, test::Split::TopBottom), 95,
                                            test::TurboSampling::S444);
    test::writeBytes(f.dir.file("img0.jpg"), std::string(jpeg.begin(), jpeg.end()));
    AlbumRecord& w = f.state.albums->working;
    resetAlbumRecord(w);
    setFieldText(w.path, path);
    w.kind = AlbumKind::Album;
    w.columns = 3;
    w.rows = 3;
    w.imageCount = count;
    for (int i = 0; i < count; ++i)
        setFieldText(w.images[static_cast<std::size_t>(i)].path, f.dir.file("img" + std::to_string(i) + ".jpg"));
    w.hasFocus = 1;
    return w;
}

// One picture per sheet on `paper` (long x short, or the free size's numbers).
void setPrintDefaults(AlbumWindowFixture& f, const QString& paper, int width, int height, int margin)
{
    PrintSettings& p = f.state.settings.print;
    setFieldText(p.paper, utf8ToCp932(paper.toStdString()).text);
    p.paperWidth = width;
    p.paperHeight = height;
    p.margin = margin;
    p.allowSeveral = 0;
    p.imagesAcross = 1;
    p.imagesDown = 1;
    p.leftOffset = 0;
    p.topOffset = 0;
}

void printToPdf(QPrinter& printer, const std::string& pdf)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
}

// The first page's size in millimetres as pdfinfo reads it; empty on failure.
QSizeF pdfPageMm(const std::string& pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return {};
    const QRegularExpression line(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch m = line.match(QString::fromUtf8(run.readAllStandardOutput()));
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toDouble() / kPointsPerMm, m.captured(2).toDouble() / kPointsPerMm};
}

bool near(double a, double b)
{
    return std::abs(a - b) <= 0.5;
}

using pictra::test::control;

void choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The user's choice of another paper in the printer set-up.
std::function<void(QPrinter&)> picksPaper(const QPageSize& size, QPageLayout::Orientation orientation)
{
    return [size, orientation](QPrinter& printer) {
        printer.setPageSize(size);
        printer.setPageOrientation(orientation);
    };
}

// The picture's top (red) and bottom (blue) halves about the page's middle,
// and white beside it: it is centred on the page, whatever its size.
void checkCentredPicture(const std::string& pdf, QSizeF pageMm)
{
    const std::vector<test::RgbImage> pages = test::renderPdfPages(pdf, kDpi);
    QCOMPARE(pages.size(), std::size_t(1));
    const double w = pageMm.width();
    const double h = pageMm.height();
    const double side = std::min(w, h); // a square picture
    QCOMPARE(test::colourAt(pages[0], w / 2, h / 2 - side / 4, kDpi), 'R');
    QCOMPARE(test::colourAt(pages[0], w / 2, h / 2 + side / 4, kDpi), 'B');
    if (w > h) {
        QCOMPARE(test::colourAt(pages[0], (w - side) / 4, h / 2, kDpi), 'W');
        QCOMPARE(test::colourAt(pages[0], w - (w - side) / 4, h / 2, kDpi), 'W');
    }
}

} // namespace

class TestPrintPages : public QObject {
    Q_OBJECT
private slots:
    void everyPaperPrintsAtItsSize_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (const PaperSize& paper : paperTable()) {
            const QString name = QString::fromUtf8(paper.name.data(), static_cast<qsizetype>(paper.name.size()));
            // The free size prints the postcard typed into it.
            const bool free = paper.name == kFreeSizePaper;
            QTest::newRow(paper.name.data()) << name << (free ? 148 : paper.longSide) << (free ? 100 : paper.shortSide);
        }
    }

    void everyPaperPrintsAtItsSize()
    {
        QFETCH(QString, paper);
        QFETCH(int, width);
        QFETCH(int, height);
        AlbumWindowFixture f;
        setPrintDefaults(f, paper, width, height, 0);
        CNormalPrintDlg d(f.state, album(f, 1), f.host.scripted, f.host.sessionPrinter);
        QCOMPARE(control<QComboBox>(d, "1081")->currentText(), paper);
        const std::string pdf = f.dir.file("paper.pdf");
        printToPdf(f.host.sessionPrinter, pdf);
        control<QPushButton>(d, "1017")->click();
        const QSizeF page = pdfPageMm(pdf);
        QVERIFY2(near(page.width(), width) && near(page.height(), height),
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(page.width()).arg(page.height())));
        // Big papers at 20 dpi take long to render; the small ones show the placement.
        if (width <= 300)
            checkCentredPicture(pdf, page);
        QVERIFY(f.host.scripted.asked.isEmpty());
    }

    void normalDialogTakesOverAPaperPickedAtThePrinter()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, QStringLiteral("L判"), 127, 89, 0);
        CNormalPrintDlg d(f.state, album(f, 1), f.host.scripted, f.host.sessionPrinter);
        const std::string pdf = f.dir.file("letter.pdf");
        printToPdf(f.host.sessionPrinter, pdf);
        f.host.scripted.printerStep = picksPaper(QPageSize(QPageSize::Letter), QPageLayout::Portrait);
        control<QPushButton>(d, "1017")->click();

        const QSizeF page = pdfPageMm(pdf);
        QVERIFY(near(page.width(), 215.9) && near(page.height(), 279.4));
        QCOMPARE(d.laidOutSheet().paper, std::string(kFreeSizePaper));
        QCOMPARE(d.laidOutSheet().orientation, SheetOrientation::Portrait);
        QCOMPARE(control<QComboBox>(d, "1081")->currentText(), QStringLiteral("FREEｻｲｽﾞ"));
        QCOMPARE(control<QLineEdit>(d, "1000")->text(), QStringLiteral("216"));
        QCOMPARE(control<QLineEdit>(d, "1001")->text(), QStringLiteral("279"));
        QVERIFY(control<QRadioButton>(d, "1069")->isChecked());
        checkCentredPicture(pdf, page);

        // A table paper picked there becomes that paper.
        f.host.scripted.printerStep = picksPaper(QPageSize(QPageSize::JisB5), QPageLayout::Landscape);
        control<QPushButton>(d, "1017")->click();
        QCOMPARE(control<QComboBox>(d, "1081")->currentText(), QStringLiteral("B5"));
        const QSizeF b5 = pdfPageMm(pdf);
        QVERIFY(near(b5.width(), 257) && near(b5.height(), 182));
        QVERIFY(f.host.scripted.asked.isEmpty());
    }

    void aPaperChosenInThePrintSetUpOpensThePrintDialogs()
    {
        test::StartedProgram p;
        p.prompts.printerStep = picksPaper(QPageSize(QPageSize::A5), QPageLayout::Portrait);
        QVERIFY(p.frame->handleCommand(cmd::kPrintSetup));
        p.prompts.printerStep = nullptr;
        QString paper;
        {
            const auto expected = test::whenDialogOpens(
                [&](QDialog& d) { paper = control<QComboBox>(d, "1081")->currentText(); });
            QVERIFY(p.frame->handleCommand(cmd::kPrintNormal));
        }
        QCOMPARE(paper, QStringLiteral("A5"));
    }

    void normalDialogStatesThePaperItKeeps()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, QStringLiteral("A4"), 297, 210, 0);
        f.state.settings.print.leftOffset = 60; // more than half of L判's short side
        CNormalPrintDlg d(f.state, album(f, 1), f.host.scripted, f.host.sessionPrinter);
        const std::string pdf = f.dir.file("kept.pdf");
        printToPdf(f.host.sessionPrinter, pdf);
        f.host.scripted.printerStep = picksPaper(QPageSize(QSizeF(89, 127), QPageSize::Millimeter),
                                                 QPageLayout::Portrait);
        control<QPushButton>(d, "1017")->click();
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("89 × 127 mm")));
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("A4（297 × 210 mm）")));
        const QSizeF page = pdfPageMm(pdf);
        QVERIFY(near(page.width(), 297) && near(page.height(), 210));
    }

    void posterAndDtpTakeOverOrStateThePaper()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, QStringLiteral("A4"), 297, 210, 0);
        const AlbumRecord& record = album(f, 1);
        {
            ui::CPosterPrintDlg poster(f.state, record, f.host.scripted, f.host.sessionPrinter);
            const std::string pdf = f.dir.file("poster.pdf");
            printToPdf(f.host.sessionPrinter, pdf);
            f.host.scripted.printerStep = picksPaper(QPageSize(QPageSize::JisB5), QPageLayout::Portrait);
            control<QPushButton>(poster, "1017")->click();
            QCOMPARE(poster.setup().sheet, std::string("B5"));
            QCOMPARE(control<QComboBox>(poster, "1082")->currentText(), QStringLiteral("B5"));
            const QSizeF page = pdfPageMm(pdf);
            QVERIFY(near(page.width(), 182) && near(page.height(), 257));

            f.host.scripted.printerStep = picksPaper(QPageSize(QPageSize::Letter), QPageLayout::Portrait);
            control<QPushButton>(poster, "1017")->click();
            QCOMPARE(poster.setup().sheet, std::string("B5"));
            QCOMPARE(f.host.scripted.asked.size(), 1);
            QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("B5（182 × 257 mm）")));
            QVERIFY(near(pdfPageMm(pdf).width(), 182));
        }
        f.host.scripted.asked.clear();
        ui::CDtpPrintDlg dtp(f.state, record, f.host.scripted, f.host.sessionPrinter);
        const std::string pdf = f.dir.file("dtp.pdf");
        printToPdf(f.host.sessionPrinter, pdf);
        f.host.scripted.printerStep = picksPaper(QPageSize(QPageSize::A5), QPageLayout::Portrait);
        control<QPushButton>(dtp, "1017")->click();
        QCOMPARE(dtp.content().setup.paper, std::string("A5"));
        QCOMPARE(dtp.content().setup.orientation, SheetOrientation::Portrait);
        const QSizeF page = pdfPageMm(pdf);
        QVERIFY(near(page.width(), 148) && near(page.height(), 210));
        QVERIFY(f.host.scripted.asked.isEmpty());
    }

    // Qt's own print dialog on a PDF printer, whose first paper is Letter.
    void printDialogKeepsTheJobsPageAndItsPropertiesStartOnIt()
    {
        test::TempDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printToPdf(printer, dir.file("qt.pdf"));
        WorkingSheet sheet;
        sheet.orientation = SheetOrientation::Portrait;
        choosePaper(sheet, "L判");
        ui::preparePrinter(printer, sheet);
        ui::QtUserPrompts prompts;
        const auto dialog1 = test::whenDialogOpens([](QDialog& dialog) { dialog.accept(); });
        QVERIFY(prompts.setUpPrinter(nullptr, printer));
        QVERIFY(samePage(sheet, ui::printerPageMm(printer).width, ui::printerPageMm(printer).height));

        // The properties window shows the job's page; A4 confirmed there is the page then.
        QString shownSize;
        double shownWidth = 0;
        double shownHeight = 0;
        const auto dialog2 = test::whenDialogOpens([&](QDialog& dialog) {
            auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties"));
            QVERIFY(properties);
            const auto properties3 = test::whenDialogOpens([&](QDialog& window) {
                auto* sizes = window.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
                shownSize = sizes->currentText();
                shownWidth = window.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"))->value();
                shownHeight = window.findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"))->value();
                sizes->setCurrentIndex(sizes->findData(QVariant::fromValue(QPageSize(QPageSize::A4))));
                window.accept();
            });
            properties->click();
            dialog.accept();
        });
        QVERIFY(prompts.setUpPrinter(nullptr, printer));
        QCOMPARE(shownSize, QCoreApplication::translate("QPageSetupWidget", "Custom"));
        QCOMPARE(shownWidth, 89.0);
        QCOMPARE(shownHeight, 127.0);
        const ui::PrintedPageSize a4 = ui::printerPageMm(printer);
        QVERIFY(near(a4.width, 210) && near(a4.height, 297));
    }

    void aNewPaperKeepsTheSheetShown()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, QStringLiteral("A4"), 297, 210, 0);
        CNormalPrintDlg d(f.state, album(f, 11), f.host.scripted, f.host.sessionPrinter);
        d.show();
        for (int slot = 1; slot <= 10; ++slot) {
            QWidget* cell = d.stripCell(slot);
            AlbumWindowFixture::click(cell, {cell->width() / 2, cell->height() / 2}, Qt::ControlModifier);
        }
        auto* label = control<QLabel>(d, "1041");
        QCOMPARE(label->text(), QStringLiteral("11/11"));
        auto* upDown = control<ui::PageUpDown>(d, "1019");
        for (int i = 0; i < 7; ++i)
            upDown->lowerButton()->click();
        QCOMPARE(label->text(), QStringLiteral("4/11"));
        choose(control<QComboBox>(d, "1081"), QStringLiteral("L判"));
        QCOMPARE(label->text(), QStringLiteral("4/11"));
        control<QRadioButton>(d, "1069")->click(); // portrait
        QCOMPARE(label->text(), QStringLiteral("4/11"));
        QCOMPARE(d.printList().displayed(), 3);
        QVERIFY(test::saveArtifact(d, "print_photo_paper.png"));
    }
};

QTEST_MAIN(TestPrintPages)
#include "test_print_pages.moc"
