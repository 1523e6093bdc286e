// The poster print dialog.
#include "ui/print/c_poster_print_dlg.h"

#include "core/app/app_state.h"
#include "core/image/shared_image.h"
#include "core/print/poster_layout.h"
#include "core/print/print_command_rules.h"
#include "ui/print/poster_preview_view.h"
#include "ui/print/print_dialog_controls.h"
#include "ui/print/print_picture.h"
#include "ui/print/poster_renderer.h"
#include "ui/print/print_messages.h"
#include "ui/print/printer_page.h"
#include "ui/print/print_strip.h"
#include "ui/prompts/user_prompts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pictra::ui {
CPosterPrintDlg::CPosterPrintDlg(AppState& state, const AlbumRecord& album, UserPrompts& prompts, QPrinter& printer,
                                 QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts), m_printer(printer),
      m_setup(openPosterSetup(state.settings.print.margin)), m_pictures(state)
{
    setObjectName(QStringLiteral("213"));
    setWindowTitle(QStringLiteral("ポスター印刷"));
    buildControls();
    m_strip->fill(state.programFolder, album);
    const int opening = printOpeningImage(album);
    m_strip->showImage(opening);
    m_margin->setText(QString::number(m_setup.margin));
    pickImage(opening);
    showSetup();
}

CPosterPrintDlg::~CPosterPrintDlg() = default;

void CPosterPrintDlg::buildControls()
{
    m_posterPaper = idPaperCombo("1081", kPosterPapers, this);
    m_posterLandscape = idRadio(QStringLiteral("横"), "1069", this);
    m_posterPortrait = idRadio(QStringLiteral("縦"), "1070", this);
    m_posterWidth = idNumberEdit("1002", true, this);
    m_posterHeight = idNumberEdit("1003", true, this);
    m_sheetPaper = idPaperCombo("1082", kPosterSheetPapers, this);
    m_sheetLandscape = idRadio(QStringLiteral("横"), "1067", this);
    m_sheetPortrait = idRadio(QStringLiteral("縦"), "1068", this);
    m_sheetWidth = idNumberEdit("1000", true, this);
    m_sheetHeight = idNumberEdit("1001", true, this);
    m_margin = idNumberEdit("1119", false, this);
    m_sheets = new QLabel(this);
    m_sheets->setObjectName(QStringLiteral("sheets"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_preview = new PosterPreviewView(this);
    m_strip = new PrintStrip(m_pictures, this);
    connect(m_strip, &PrintStrip::imageClicked, this, &CPosterPrintDlg::pickImage);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("1017"));
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("2"));

    auto* margin = new QHBoxLayout;
    margin->addWidget(new QLabel(QStringLiteral("余白")));
    margin->addWidget(m_margin);
    margin->addWidget(new QLabel(QStringLiteral("mm")));
    margin->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(paperGroup(QStringLiteral("ポスター用紙設定"), m_posterPaper, m_posterLandscape, m_posterPortrait,
                               m_posterWidth, m_posterHeight, this));
    left->addLayout(margin);
    left->addWidget(paperGroup(QStringLiteral("プリンター設定"), m_sheetPaper, m_sheetLandscape, m_sheetPortrait,
                               m_sheetWidth, m_sheetHeight, this));
    left->addWidget(m_sheets);
    left->addWidget(m_note);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(m_preview, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_strip);
    layout->addLayout(buttons);

    connect(m_posterPaper, &QComboBox::activated, this, &CPosterPrintDlg::posterPaperChosen);
    connect(m_sheetPaper, &QComboBox::activated, this, &CPosterPrintDlg::sheetPaperChosen);
    connect(m_posterLandscape, &QRadioButton::clicked, this, [this] {
        if (setPosterOrientation(m_setup, SheetOrientation::Landscape))
            showSetup();
    });
    connect(m_posterPortrait, &QRadioButton::clicked, this, [this] {
        if (setPosterOrientation(m_setup, SheetOrientation::Portrait))
            showSetup();
    });
    connect(m_sheetLandscape, &QRadioButton::clicked, this, [this] {
        if (setSheetOrientation(m_setup, SheetOrientation::Landscape))
            showSetup();
    });
    connect(m_sheetPortrait, &QRadioButton::clicked, this, [this] {
        if (setSheetOrientation(m_setup, SheetOrientation::Portrait))
            showSetup();
    });
    connect(m_margin, &QLineEdit::textChanged, this, &CPosterPrintDlg::marginTyped);
    connect(m_ok, &QPushButton::clicked, this, &CPosterPrintDlg::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 560);
}

void CPosterPrintDlg::posterPaperChosen()
{
    const bool taken = choosePosterPaper(m_setup, m_posterPaper->currentText().toStdString());
    showSetup();
    if (!taken)
        m_note->setText(QStringLiteral("ポスター用紙は印刷する用紙より大きくしてください。"));
}

void CPosterPrintDlg::sheetPaperChosen()
{
    const std::string name = m_sheetPaper->currentText().toStdString();
    const bool taken = chooseSheetPaper(m_setup, name);
    showSetup();
    if (taken)
        return;
    // Without the margin the paper would do: the margin is what leaves no sheet.
    PosterSetup noMargin = m_setup;
    noMargin.margin = 0;
    m_note->setText(chooseSheetPaper(noMargin, name) ? QStringLiteral("余白が大きすぎて用紙が残りません。")
                                                     : QStringLiteral("印刷する用紙はポスター用紙より小さくしてください。"));
}

void CPosterPrintDlg::marginTyped()
{
    const std::optional<int> typed = typedNumberIn(*m_margin, 0, std::numeric_limits<int>::max());
    const bool taken = typed && setPosterMargin(m_setup, *typed);
    m_marginRefused = !taken && !(typed && *typed == m_setup.margin);
    markRefused(m_margin, m_marginRefused);
    showSetup();
    if (m_marginRefused)
        m_note->setText(QStringLiteral("余白が大きすぎて用紙が残りません。"));
}

void CPosterPrintDlg::showSetup()
{
    // Refused choices leave the combo boxes showing the papers in force.
    m_posterPaper->setCurrentText(QString::fromStdString(m_setup.poster));
    m_sheetPaper->setCurrentText(QString::fromStdString(m_setup.sheet));
    const bool posterPortrait = m_setup.posterOrientation == SheetOrientation::Portrait;
    m_posterPortrait->setChecked(posterPortrait);
    m_posterLandscape->setChecked(!posterPortrait);
    const bool sheetPortrait = m_setup.sheetOrientation == SheetOrientation::Portrait;
    m_sheetPortrait->setChecked(sheetPortrait);
    m_sheetLandscape->setChecked(!sheetPortrait);
    m_posterWidth->setText(QString::number(m_setup.posterWidth));
    m_posterHeight->setText(QString::number(m_setup.posterHeight));
    m_sheetWidth->setText(QString::number(m_setup.sheetWidth));
    m_sheetHeight->setText(QString::number(m_setup.sheetHeight));
    const PosterGrid grid = posterGrid(m_setup);
    m_sheets->setText(QStringLiteral("用紙 %1 × %2 = %3枚").arg(grid.across).arg(grid.down).arg(grid.sheets()));
    m_note->clear();
    m_ok->setEnabled(!m_marginRefused && !m_imagePath.empty() && grid.sheets() > 0);
    m_preview->show(posterPlan(m_setup, m_previewPicture.width(), m_previewPicture.height()), m_previewPicture);
}

void CPosterPrintDlg::pickImage(int index)
{
    const std::vector<StripImage>& images = m_strip->images();
    if (index < 0 || index >= static_cast<int>(images.size()))
        return;
    const StripImage& image = images[static_cast<std::size_t>(index)];
    m_imagePath = image.path;
    m_previewPicture = loadPrintPicture(image.picture, imageBufferBytes(m_state.settings)).image;
    showSetup();
}

void CPosterPrintDlg::takeOverPrinterPaper()
{
    const PrintedPageSize picked = printerPageMm(m_printer);
    const WorkingSheet sheet = posterPrinterSheet(m_setup);
    if (samePage(sheet, picked.width, picked.height))
        return;
    if (takeOverPosterSheet(m_setup, picked.width, picked.height)) {
        showSetup();
        return;
    }
    const PrinterPage kept = printerPage(sheet);
    m_prompts.showMessage(this, printerPaperNotTakenText(picked.width, picked.height, QString::fromStdString(kept.paper),
                                                         kept.width(), kept.height()));
}

void CPosterPrintDlg::print()
{
    const PosterGrid grid = posterGrid(m_setup);
    if (m_imagePath.empty() || grid.sheets() == 0 || m_marginRefused)
        return;
    if (grid.sheets() > kPosterSheetsWithoutAsking &&
        !m_prompts.askYesNo(this, QStringLiteral("ポスターは%1枚の用紙に分けて印刷されます。印刷しますか。")
                                      .arg(grid.sheets())))
        return;
    preparePrinter(m_printer, posterPrinterSheet(m_setup));
    if (!m_prompts.setUpPrinter(this, m_printer))
        return;
    takeOverPrinterPaper();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const LoadedPicture picture = loadPrintPicture(m_imagePath, imageBufferBytes(m_state.settings));
    const PosterReport report =
        picture.image.isNull() ? PosterReport{PosterOutcome::NoPicture, picture.status, 0}
                               : renderPoster(m_printer, m_setup, picture.image);
    QApplication::restoreOverrideCursor();
    switch (report.outcome) {
    case PosterOutcome::Printed: break;
    case PosterOutcome::NoPicture:
        m_prompts.showMessage(this, QStringLiteral("ポスターにする画像を読み込めないため印刷しませんでした。\n%1")
                                        .arg(skippedPicturesText({SkippedPicture{m_imagePath, report.status}})));
        break;
    case PosterOutcome::NotStarted: m_prompts.showMessage(this, QString::fromUtf8(kPrintNotStarted)); break;
    }
}

} // namespace pictra::ui
