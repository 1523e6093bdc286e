// The normal print dialog: opening, the strip, adding, moving and removing
// placed pictures, the layout controls, printing to a PDF file and the
// print command's slide-show pause.
#include "support/album_window_fixture.h"
#include "support/modal_dialogs.h"
#include "support/print_check.h"

#include "core/commands/command_ids.h"
#include "core/util/file_io.h"
#include "ui/mainframe/c_main_frame.h"
#include "ui/print/c_normal_print_dlg.h"
#include "ui/print/print_commands.h"
#include "ui/print/print_sheet_view.h"
#include "ui/widgets/thumbnail_strip.h"
#include "ui/print/page_up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace pictra;
using pictra::test::AlbumWindowFixture;
using pictra::ui::CNormalPrintDlg;

namespace {

// An album of `count` pictures in the fixture's folder, `focus` focused
// (-1: no focus), made the working copy without a window.
AlbumRecord& album(AlbumWindowFixture& f, int count, int focus, AlbumKind kind = AlbumKind::Album)
{
    const std::string path = f.dir.file("trip.abm");
    f.writePictures(path, count);
    AlbumRecord& w = f.state.albums->working;
    resetAlbumRecord(w);
    setFieldText(w.path, kind == AlbumKind::Album ? path : f.dir.file("img0.jpg"));
    w.kind = kind;
    w.columns = 3;
    w.rows = 3;
    w.imageCount = count;
    for (int i = 0; i < count; ++i)
        setFieldText(w.images[static_cast<std::size_t>(i)].path, f.dir.file("img" + std::to_string(i) + ".jpg"));
    w.hasFocus = focus >= 0 ? 1 : 0;
    w.currentPage = focus >= 0 ? focus / 9 : 0;
    w.focusIndex = focus >= 0 ? focus % 9 : 0;
    return w;
}

void setPrintDefaults(AlbumWindowFixture& f, bool several, int across, int down)
{
    PrintSettings& p = f.state.settings.print;
    setFieldText(p.paper, "A4");
    p.paperWidth = 297;
    p.paperHeight = 210;
    p.margin = 10;
    p.allowSeveral = several ? 1 : 0;
    p.imagesAcross = across;
    p.imagesDown = down;
    p.gapX = 4;
    p.gapY = 4;
}

using pictra::test::control;

QPoint middle(QWidget* w)
{
    return {w->width() / 2, w->height() / 2};
}

QPoint cellCentre(const CNormalPrintDlg& d, int position)
{
    const Rect r = d.laidOutSheet().several ? d.layout().cells[static_cast<std::size_t>(position)].rect
                                            : d.layout().area.rect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Drags from `from` (in widget `source`) to the point `to` of the sheet
// view; the source keeps the mouse, as a real press would.
void drag(QWidget* source, QPoint from, QWidget* sheet, QPoint to)
{
    const QPoint there = source->mapFromGlobal(sheet->mapToGlobal(to));
    AlbumWindowFixture::press(source, from);
    AlbumWindowFixture::dragTo(source, (from + there) / 2);
    AlbumWindowFixture::dragTo(source, there);
    AlbumWindowFixture::release(source, there);
}

void ctrlClick(CNormalPrintDlg& d, int slot)
{
    AlbumWindowFixture::click(d.stripCell(slot), middle(d.stripCell(slot)), Qt::ControlModifier);
}

std::vector<std::string> names(const CNormalPrintDlg& d)
{
    std::vector<std::string> out;
    for (const std::string& p : d.printList().paths())
        out.push_back(std::string(fileNamePart(p)));
    return out;
}

} // namespace

class TestNormalPrintDialog : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheSelectedImageWithTheStoredDefaults()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, true, 0x103, 2); // across: low byte 3
        const AlbumRecord& rec = album(f, 20, 19);
        CNormalPrintDlg d(f.state, rec, f.host.scripted, f.host.sessionPrinter);
        QCOMPARE(d.windowTitle(), QStringLiteral("通常印刷"));
        QCOMPARE(names(d), (std::vector<std::string>{"img19.jpg"}));
        QCOMPARE(control<QLabel>(d, "1045")->text(), QStringLiteral("2/2"));
        QScrollBar* stripUpDown = control<QScrollBar>(d, "1016");
        QCOMPARE(stripUpDown->value(), 1);
        stripUpDown->triggerAction(QAbstractSlider::SliderSingleStepAdd); // no third page
        QCOMPARE(d.strip()->page(), 1);
        QCOMPARE(control<QLabel>(d, "1041")->text(), QStringLiteral("1/1"));
        QVERIFY(control<QRadioButton>(d, "1068")->isChecked());
        QVERIFY(control<QRadioButton>(d, "1070")->isChecked());
        QCOMPARE(control<QComboBox>(d, "1081")->currentText(), QStringLiteral("A4"));
        QCOMPARE(control<QLineEdit>(d, "1000")->text(), QStringLiteral("287"));
        QCOMPARE(control<QLineEdit>(d, "1001")->text(), QStringLiteral("200"));
        QVERIFY(!control<QLineEdit>(d, "1000")->isEnabled());
        QCOMPARE(control<QLineEdit>(d, "1004")->text(), QStringLiteral("3"));
        QVERIFY(control<QPushButton>(d, "1020")->isEnabled());
        QVERIFY(control<QPushButton>(d, "1017")->isEnabled());
        QCOMPARE(d.layout().cells.size(), std::size_t(6));

        // Back to the first strip page with the up arrow.
        stripUpDown->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(control<QLabel>(d, "1045")->text(), QStringLiteral("1/2"));
    }

    void opensEmptyWithoutAFocusAndOnItsPictureInASingleImageWindow()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, false, 1, 1);
        {
            CNormalPrintDlg d(f.state, album(f, 13, -1), f.host.scripted, f.host.sessionPrinter);
            QVERIFY(d.printList().empty());
            QVERIFY(!control<QPushButton>(d, "1017")->isEnabled());
            QCOMPARE(control<QLabel>(d, "1045")->text(), QStringLiteral("1/1"));
            QVERIFY(!control<QPushButton>(d, "1020")->isEnabled());
            QVERIFY(!control<QLineEdit>(d, "1004")->isEnabled());
        }
        AlbumRecord& single = album(f, 1, -1, AlbumKind::SingleImage);
        CNormalPrintDlg d(f.state, single, f.host.scripted, f.host.sessionPrinter);
        QCOMPARE(names(d), (std::vector<std::string>{"img0.jpg"}));
    }

    void ctrlClickAndDragAddToTheEnd()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, true, 2, 1);
        CNormalPrintDlg d(f.state, album(f, 5, 0), f.host.scripted, f.host.sessionPrinter);
        d.show();
        for (int slot : {1, 2, 3})
            ctrlClick(d, slot);
        QCOMPARE(d.printList().count(), 4);
        QCOMPARE(control<QLabel>(d, "1041")->text(), QStringLiteral("2/2"));
        // A drop on the second cell still appends at the end.
        drag(d.stripCell(4), middle(d.stripCell(4)), d.sheetView(), cellCentre(d, 1));
        QCOMPARE(names(d), (std::vector<std::string>{"img0.jpg", "img1.jpg", "img2.jpg", "img3.jpg", "img4.jpg"}));
        QCOMPARE(control<QLabel>(d, "1041")->text(), QStringLiteral("3/3"));
        // Released off the sheet: nothing changes. Past the album's end: nothing.
        drag(d.stripCell(0), middle(d.stripCell(0)), d.stripCell(9), middle(d.stripCell(9)));
        ctrlClick(d, 7);
        QCOMPARE(d.printList().count(), 5);
    }

    void placedPicturesMoveOntoTakenCellsAndLeaveWhenDroppedOutside()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, true, 2, 2);
        CNormalPrintDlg d(f.state, album(f, 5, 0), f.host.scripted, f.host.sessionPrinter);
        d.show();
        for (int slot : {1, 2})
            ctrlClick(d, slot);
        ui::PrintSheetView* sheet = d.sheetView();
        drag(sheet, cellCentre(d, 0), sheet, cellCentre(d, 2));
        QCOMPARE(names(d), (std::vector<std::string>{"img1.jpg", "img2.jpg", "img0.jpg"}));
        drag(sheet, cellCentre(d, 0), sheet, cellCentre(d, 3)); // an empty cell
        QCOMPARE(names(d), (std::vector<std::string>{"img1.jpg", "img2.jpg", "img0.jpg"}));
        const QPoint outside(-20, 10); // beside the preview
        drag(sheet, cellCentre(d, 1), sheet, outside);
        QCOMPARE(names(d), (std::vector<std::string>{"img1.jpg", "img0.jpg"}));
        // A drag whose button is let go elsewhere is cancelled.
        AlbumWindowFixture::press(sheet, cellCentre(d, 0));
        AlbumWindowFixture::send(sheet, QEvent::MouseMove, outside, Qt::NoButton, Qt::NoButton);
        AlbumWindowFixture::release(sheet, outside);
        QCOMPARE(d.printList().count(), 2);

        control<QPushButton>(d, "1018")->click();
        QVERIFY(d.printList().empty());
        QVERIFY(!control<QPushButton>(d, "1017")->isEnabled());
        ctrlClick(d, 4);
        QVERIFY(control<QPushButton>(d, "1017")->isEnabled());
    }

    void gridEditsWaitForRebuildAndBadGridsAreRefused()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, true, 2, 2);
        CNormalPrintDlg d(f.state, album(f, 3, 0), f.host.scripted, f.host.sessionPrinter);
        QLineEdit* across = control<QLineEdit>(d, "1004");
        across->selectAll();
        QTest::keyClicks(across, "3");
        QCOMPARE(d.layout().cells.size(), std::size_t(4));
        control<QPushButton>(d, "1020")->click();
        QCOMPARE(d.layout().cells.size(), std::size_t(6));

        across->selectAll();
        QTest::keyClicks(across, "0");
        control<QPushButton>(d, "1020")->click();
        QCOMPARE(d.layout().cells.size(), std::size_t(6)); // the last good layout stays
        QVERIFY(!control<QLabel>(d, "layoutProblem")->text().isEmpty());
        across->selectAll();
        QTest::keyClicks(across, "2");
        control<QPushButton>(d, "1020")->click();
        QVERIFY(control<QLabel>(d, "layoutProblem")->text().isEmpty());

        // One image per sheet, portrait, then A3: the margin keeps both.
        control<QCheckBox>(d, "1067")->click();
        QVERIFY(!d.laidOutSheet().several);
        QVERIFY(!control<QLineEdit>(d, "1005")->isEnabled());
        control<QRadioButton>(d, "1069")->click();
        QComboBox* paper = control<QComboBox>(d, "1081");
        paper->setCurrentIndex(paper->findText(QStringLiteral("A3")));
        emit paper->activated(paper->currentIndex());
        QLineEdit* margin = control<QLineEdit>(d, "1118");
        margin->selectAll();
        QTest::keyClicks(margin, "20");
        QCOMPARE(control<QLineEdit>(d, "1000")->text(), QStringLiteral("277"));
        QCOMPARE(control<QLineEdit>(d, "1001")->text(), QStringLiteral("400"));
        paper->setCurrentIndex(paper->findText(QStringLiteral("FREEｻｲｽﾞ")));
        emit paper->activated(paper->currentIndex());
        QVERIFY(control<QLineEdit>(d, "1000")->isEnabled());
    }

    void printsTheListToAPdfFile()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, true, 2, 2);
        CNormalPrintDlg d(f.state, album(f, 6, 0), f.host.scripted, f.host.sessionPrinter);
        d.show();
        for (int slot : {1, 2, 3, 4})
            ctrlClick(d, slot);
        const std::string pdf = f.dir.file("print.pdf");
        f.host.sessionPrinter.setOutputFormat(QPrinter::PdfFormat);
        f.host.sessionPrinter.setOutputFileName(QString::fromStdString(pdf));

        f.host.scripted.printerAnswers << false; // cancelled at the printer set-up
        control<QPushButton>(d, "1017")->click();
        QVERIFY(!fileExists(pdf));

        control<QPushButton>(d, "1017")->click();
        QVERIFY(d.isVisible()); // the dialog stays open
        QCOMPARE(f.host.scripted.printerSetUps, 2);
        QCOMPARE(test::renderPdfPages(pdf, 20).size(), std::size_t(2));
        QCOMPARE(f.host.sessionPrinter.docName(), QStringLiteral("Pictra"));
        QCOMPARE(f.host.sessionPrinter.pageLayout().orientation(), QPageLayout::Landscape);

        control<QRadioButton>(d, "1071")->click(); // the displayed (second) sheet only
        control<QPushButton>(d, "1017")->click();
        QCOMPARE(test::renderPdfPages(pdf, 20).size(), std::size_t(1));
        QVERIFY(f.host.scripted.asked.isEmpty());
    }

    void screenshotWithPicturesPlaced()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, true, 3, 2);
        CNormalPrintDlg d(f.state, album(f, 16, 0), f.host.scripted, f.host.sessionPrinter);
        d.show();
        for (int slot : {1, 2, 3, 5})
            ctrlClick(d, slot);
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
        if (!dir.isEmpty())
            QVERIFY(d.grab().save(dir + QStringLiteral("/normal_print_dialog.png")));
    }

    void printCommandPausesOnlyARunningSlideShow()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, false, 1, 1);
        album(f, 2, 0);
        for (const SlideState before : {SlideState::Forward, SlideState::Reverse, SlideState::None}) {
            f.state.slideShow.state = before;
            SlideState during = before;
            QTimer::singleShot(0, [&] {
                during = f.state.slideShow.state;
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    dialog->reject();
            });
            ui::runNormalPrint(f.state, f.host, nullptr);
            QCOMPARE(during, before == SlideState::None ? SlideState::None : SlideState::Paused);
            QCOMPARE(f.state.slideShow.state, before);
        }
    }

    void ctrlPOfAnAlbumWindowAndThePrinterSetUpCommand()
    {
        AlbumWindowFixture f;
        setPrintDefaults(f, false, 1, 1);
        const std::string path = f.dir.file("trip.abm");
        f.writePictures(path, 3);
        ui::CChildFrame* frame = f.openAlbum(path, 3);
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 2));
        std::vector<std::string> listed;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<CNormalPrintDlg*>(QApplication::activeModalWidget())) {
                listed = names(*dialog);
                dialog->reject();
            }
        });
        QVERIFY(frame->handleCommand(cmd::kPrintNormal));
        QCOMPARE(listed, (std::vector<std::string>{"img2.jpg"}));

        ui::CMainFrame main(f.state, &f.host.scripted);
        QVERIFY(main.handleCommand(cmd::kPrintSetup));
        QCOMPARE(f.host.scripted.printerSetUps, 1);
    }
};

QTEST_MAIN(TestNormalPrintDialog)
#include "test_normal_print_dialog.moc"
