// The DTP print dialog.
#include "ui/print/c_dtp_print_dlg.h"

#include "core/app/app_state.h"
#include "core/image/shared_image.h"
#include "core/print/print_command_rules.h"
#include "ui/print/dtp_preview_view.h"
#include "ui/print/print_dialog_controls.h"
#include "ui/print/print_picture.h"
#include "ui/print/print_messages.h"
#include "ui/print/printer_page.h"
#include "ui/print/print_strip.h"
#include "ui/prompts/user_prompts.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <limits>

namespace pictra::ui {
namespace {

// Character sizes, mm.
constexpr int kMaxCharSideMm = 1000;
constexpr int kDefaultCharSideMm = 10;

struct Swatch {
    const char* id;
    QRgb colour;
};
constexpr std::array<Swatch, 9> kSwatches = {{{"1133", 0x000000},
                                              {"1125", 0xffffff},
                                              {"1126", 0xff0000},
                                              {"1127", 0xffff00},
                                              {"1128", 0x00a000},
                                              {"1129", 0x00ffff},
                                              {"1130", 0x0000ff},
                                              {"1131", 0xff00ff},
                                              {"1132", 0x808080}}};

} // namespace

CDtpPrintDlg::CDtpPrintDlg(AppState& state, const AlbumRecord& album, UserPrompts& prompts, QPrinter& printer,
                           QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts), m_printer(printer), m_pictures(state)
{
    setObjectName(QStringLiteral("215"));
    setWindowTitle(QStringLiteral("DTP印刷"));
    m_content.setup = openDtpSetup(state.settings.print);
    buildControls();
    m_strip->fill(state.programFolder, album);
    const int opening = printOpeningImage(album);
    m_strip->showImage(opening);
    m_margin->setText(QString::number(m_content.setup.margin));
    pickImage(opening);
    textChanged();
    showSetup();
}

CDtpPrintDlg::~CDtpPrintDlg() = default;

void CDtpPrintDlg::buildControls()
{
    m_paper = idPaperCombo("1081", kDtpPapers, this);
    m_landscape = idRadio(QStringLiteral("横"), "1069", this);
    m_portrait = idRadio(QStringLiteral("縦"), "1070", this);
    m_width = idNumberEdit("1002", false, this);
    m_height = idNumberEdit("1003", false, this);
    m_margin = idNumberEdit("1119", false, this);
    m_preview = new DtpPreviewView(this);
    m_strip = new PrintStrip(m_pictures, this);
    connect(m_strip, &PrintStrip::imageClicked, this, &CDtpPrintDlg::pickImage);
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
    left->addWidget(paperGroup(QStringLiteral("用紙設定"), m_paper, m_landscape, m_portrait, m_width, m_height, this));
    left->addLayout(margin);
    left->addWidget(buildTextGroup(), 1);
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

    connect(m_paper, &QComboBox::activated, this, &CDtpPrintDlg::paperChosen);
    connect(m_landscape, &QRadioButton::clicked, this, [this] { orientationChosen(SheetOrientation::Landscape); });
    connect(m_portrait, &QRadioButton::clicked, this, [this] { orientationChosen(SheetOrientation::Portrait); });
    connect(m_width, &QLineEdit::textEdited, this, &CDtpPrintDlg::sizesTyped);
    connect(m_height, &QLineEdit::textEdited, this, &CDtpPrintDlg::sizesTyped);
    connect(m_margin, &QLineEdit::textEdited, this, &CDtpPrintDlg::marginTyped);
    connect(m_ok, &QPushButton::clicked, this, &CDtpPrintDlg::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(820, 600);
}

QWidget* CDtpPrintDlg::buildTextGroup()
{
    auto* group = new QGroupBox(QStringLiteral("文字"), this);
    m_font = new QComboBox(group);
    m_font->setObjectName(QStringLiteral("1019"));
    m_font->addItems(QFontDatabase::families(QFontDatabase::Japanese));
    m_charWidth = idNumberEdit("1001", false, group);
    m_charHeight = idNumberEdit("1004", false, group);
    m_charWidth->setText(QString::number(kDefaultCharSideMm));
    m_charHeight->setText(QString::number(kDefaultCharSideMm));
    m_text = new QPlainTextEdit(group);
    m_text->setObjectName(QStringLiteral("1000"));
    m_vertical = idRadio(QStringLiteral("縦書き"), "1067", group);
    m_horizontal = idRadio(QStringLiteral("横書き"), "1068", group);
    m_vertical->setChecked(true);
    auto* swatches = new QHBoxLayout;
    m_colours = new QButtonGroup(group);
    for (std::size_t i = 0; i < kSwatches.size(); ++i) {
        auto* swatch = new QToolButton(group);
        swatch->setObjectName(QString::fromLatin1(kSwatches[i].id));
        swatch->setCheckable(true);
        swatch->setFixedSize(18, 18);
        swatch->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid gray; }"
                                             "QToolButton:checked { border: 2px solid black; }")
                                  .arg(QColor(kSwatches[i].colour).name()));
        m_colours->addButton(swatch, static_cast<int>(i));
        swatches->addWidget(swatch);
    }
    swatches->addStretch(1);
    m_colours->button(0)->setChecked(true);

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("フォント")), 0, 0);
    grid->addWidget(m_font, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("横")), 1, 0);
    grid->addWidget(m_charWidth, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("縦")), 1, 2);
    grid->addWidget(m_charHeight, 1, 3);
    grid->addWidget(m_vertical, 2, 0, 1, 2);
    grid->addWidget(m_horizontal, 2, 2, 1, 2);
    grid->addLayout(swatches, 3, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("テキスト")), 4, 0, 1, 4);
    grid->addWidget(m_text, 5, 0, 1, 4);

    connect(m_font, &QComboBox::currentTextChanged, this, &CDtpPrintDlg::textChanged);
    connect(m_charWidth, &QLineEdit::textChanged, this, &CDtpPrintDlg::textChanged);
    connect(m_charHeight, &QLineEdit::textChanged, this, &CDtpPrintDlg::textChanged);
    connect(m_text, &QPlainTextEdit::textChanged, this, &CDtpPrintDlg::textChanged);
    connect(m_vertical, &QRadioButton::toggled, this, &CDtpPrintDlg::textChanged);
    connect(m_colours, &QButtonGroup::idClicked, this, &CDtpPrintDlg::textChanged);
    return group;
}

void CDtpPrintDlg::paperChosen()
{
    if (chooseDtpPaper(m_content.setup, m_paper->currentText().toStdString()) && m_content.setup.freeSize()) {
        m_height->setFocus();
        m_height->selectAll();
    }
    showSetup();
}

void CDtpPrintDlg::orientationChosen(SheetOrientation orientation)
{
    setDtpOrientation(m_content.setup, orientation);
    showSetup();
}

void CDtpPrintDlg::sizesTyped()
{
    const std::optional<int> w = typedNumberIn(*m_width, 1, std::numeric_limits<int>::max());
    const std::optional<int> h = typedNumberIn(*m_height, 1, std::numeric_limits<int>::max());
    const bool taken = w && h && setDtpFreeSize(m_content.setup, *w, *h);
    markRefused(m_width, !taken);
    markRefused(m_height, !taken);
    m_sizeRefused = !taken;
    refreshPreview();
}

void CDtpPrintDlg::marginTyped()
{
    const std::optional<int> m = typedNumberIn(*m_margin, 0, std::numeric_limits<int>::max());
    const bool taken = m && setDtpMargin(m_content.setup, *m);
    markRefused(m_margin, !taken);
    m_marginRefused = !taken;
    refreshPreview();
}

void CDtpPrintDlg::textChanged()
{
    m_content.text = m_text->toPlainText();
    m_content.fontFamily = m_font->currentText();
    const std::optional<int> w = typedNumberIn(*m_charWidth, 1, kMaxCharSideMm);
    const std::optional<int> h = typedNumberIn(*m_charHeight, 1, kMaxCharSideMm);
    markRefused(m_charWidth, !w);
    markRefused(m_charHeight, !h);
    if (w && h) {
        m_content.charWidth = *w;
        m_content.charHeight = *h;
    }
    m_content.direction = m_vertical->isChecked() ? TextDirection::Vertical : TextDirection::Horizontal;
    const int swatch = std::max(m_colours->checkedId(), 0);
    m_content.colour = QColor(kSwatches[static_cast<std::size_t>(swatch)].colour);
    refreshPreview();
}

void CDtpPrintDlg::showSetup()
{
    const DtpSetup& s = m_content.setup;
    m_paper->setCurrentText(QString::fromStdString(s.paper));
    m_portrait->setChecked(s.orientation == SheetOrientation::Portrait);
    m_landscape->setChecked(s.orientation == SheetOrientation::Landscape);
    m_width->setText(QString::number(s.paperWidth));
    m_height->setText(QString::number(s.paperHeight));
    m_width->setEnabled(s.freeSize());
    m_height->setEnabled(s.freeSize());
    markRefused(m_width, false);
    markRefused(m_height, false);
    markRefused(m_margin, false);
    m_sizeRefused = m_marginRefused = false;
    m_margin->setText(QString::number(s.margin));
    refreshPreview();
}

void CDtpPrintDlg::refreshPreview()
{
    m_ok->setEnabled(!m_sizeRefused && !m_marginRefused);
    m_preview->show(m_content, m_previewPicture);
}

void CDtpPrintDlg::pickImage(int index)
{
    const std::vector<StripImage>& images = m_strip->images();
    if (index < 0 || index >= static_cast<int>(images.size()))
        return;
    m_imagePath = images[static_cast<std::size_t>(index)].path;
    m_previewPicture =
        loadPrintPicture(images[static_cast<std::size_t>(index)].picture, imageBufferBytes(m_state.settings)).image;
    refreshPreview();
}

void CDtpPrintDlg::takeOverPrinterPaper()
{
    const PrintedPageSize picked = printerPageMm(m_printer);
    const WorkingSheet sheet = dtpWorkingSheet(m_content.setup);
    if (samePage(sheet, picked.width, picked.height))
        return;
    if (takeOverDtpPage(m_content.setup, picked.width, picked.height)) {
        showSetup();
        return;
    }
    const PrinterPage kept = printerPage(sheet);
    m_prompts.showMessage(this, printerPaperNotTakenText(picked.width, picked.height, QString::fromStdString(kept.paper),
                                                         kept.width(), kept.height()));
}

void CDtpPrintDlg::print()
{
    if (m_sizeRefused || m_marginRefused)
        return;
    preparePrinter(m_printer, dtpWorkingSheet(m_content.setup));
    if (!m_prompts.setUpPrinter(this, m_printer))
        return;
    takeOverPrinterPaper();
    QImage picture;
    if (!m_imagePath.empty()) {
        const LoadedPicture loaded = loadPrintPicture(m_imagePath, imageBufferBytes(m_state.settings));
        if (loaded.image.isNull()) {
            m_prompts.showMessage(this, QStringLiteral("画像を読み込めないため印刷しませんでした。\n%1")
                                            .arg(skippedPicturesText({SkippedPicture{m_imagePath, loaded.status}})));
            return;
        }
        picture = loaded.image;
    }
    if (!renderDtpPage(m_printer, m_content, picture))
        m_prompts.showMessage(this, QString::fromUtf8(kPrintNotStarted));
}

} // namespace pictra::ui
