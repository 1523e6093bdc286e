// CNormalPrintDlg: controls, opening and the layout handlers.
#include "ui/print/c_normal_print_dlg.h"

#include "core/app/app_state.h"
#include "core/album/cell_picture.h"
#include "core/print/paper_table.h"
#include "core/print/print_command_rules.h"
#include "core/util/typed_number.h"
#include "ui/print/drag_outline.h"
#include "ui/print/print_messages.h"
#include "ui/print/print_sheet_view.h"
#include "ui/print/page_up_down.h"
#include "ui/widgets/thumbnail_strip.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace pictra::ui {

namespace {

constexpr QSize kPreviewSize(520, 400);

QLineEdit* numberEdit(const char* id, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(id));
    edit->setMaxLength(99); // the edits were read into 100-byte buffers
    edit->setFixedWidth(56);
    return edit;
}

// Parses the edit on every change the user makes; a text that does not
// start with a number leaves the field as it was.
void parseInto(QLineEdit* edit, std::function<void(int)> apply)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [apply = std::move(apply)](const QString& text) {
        if (const auto value = parseTypedNumber(text.toStdString()))
            apply(*value);
    });
}

QString number(int value)
{
    return QString::number(value);
}

} // namespace

CNormalPrintDlg::CNormalPrintDlg(AppState& state, const AlbumRecord& album, UserPrompts& prompts,
                                 QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts), m_printer(printer), m_pictures(state)
{
    setObjectName(QStringLiteral("165"));
    setWindowTitle(QStringLiteral("通常印刷"));
    buildControls();
    loadSettings();
    m_strip->fill(m_state.programFolder, album);
    const int opening = printOpeningImage(album);
    if (opening >= 0)
        m_list.add(imageFilePath(album.images[static_cast<std::size_t>(opening)]));
    m_strip->showImage(opening);
    adjustSize();
    layOut();
    updatePrintButton();
}

CNormalPrintDlg::~CNormalPrintDlg() = default;

void CNormalPrintDlg::buildControls()
{
    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("1081"));
    for (const PaperSize& paper : paperTable())
        m_paper->addItem(QString::fromUtf8(paper.name.data(), static_cast<qsizetype>(paper.name.size())));
    m_landscape = new QRadioButton(QStringLiteral("横向き"), this);
    m_landscape->setObjectName(QStringLiteral("1068"));
    m_portrait = new QRadioButton(QStringLiteral("縦向き"), this);
    m_portrait->setObjectName(QStringLiteral("1069"));
    auto* orientation = new QButtonGroup(this);
    orientation->addButton(m_landscape);
    orientation->addButton(m_portrait);
    m_width = numberEdit("1000", this);
    m_height = numberEdit("1001", this);
    m_margin = numberEdit("1118", this);
    m_offsetLeft = numberEdit("1002", this);
    m_offsetTop = numberEdit("1003", this);
    m_several = new QCheckBox(QStringLiteral("許可する"), this);
    m_several->setObjectName(QStringLiteral("1067"));
    m_across = numberEdit("1004", this);
    m_down = numberEdit("1005", this);
    m_gapX = numberEdit("1006", this);
    m_gapY = numberEdit("1007", this);
    m_rebuild = new QPushButton(QStringLiteral("再構築"), this);
    m_rebuild->setObjectName(QStringLiteral("1020"));
    m_clear = new QPushButton(QStringLiteral("クリア"), this);
    m_clear->setObjectName(QStringLiteral("1018"));
    m_print = new QPushButton(QStringLiteral("印刷"), this);
    m_print->setObjectName(QStringLiteral("1017"));
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("2"));
    m_all = new QRadioButton(QStringLiteral("全て"), this);
    m_all->setObjectName(QStringLiteral("1070"));
    m_displayedOnly = new QRadioButton(QStringLiteral("表示ページのみ"), this);
    m_displayedOnly->setObjectName(QStringLiteral("1071"));
    auto* range = new QButtonGroup(this);
    range->addButton(m_all);
    range->addButton(m_displayedOnly);
    m_sheetUpDown = new PageUpDown(Qt::Horizontal, this);
    m_sheetUpDown->setObjectName(QStringLiteral("1019"));
    m_sheetLabel = new QLabel(this);
    m_sheetLabel->setObjectName(QStringLiteral("1041"));
    // Room for the longest label, so a count never shows cut off.
    m_sheetLabel->setMinimumWidth(m_sheetLabel->fontMetrics().horizontalAdvance(QStringLiteral("255/255")) + 4);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("layoutProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_sheetView = new PrintSheetView(m_pictures, m_layout, m_list, this);
    m_sheetView->setObjectName(QStringLiteral("1058"));
    m_sheetView->setFixedSize(kPreviewSize);
    m_strip = new PrintStrip(m_pictures, this);

    auto* paperBox = new QGroupBox(QStringLiteral("用紙"), this);
    auto* paperForm = new QFormLayout(paperBox);
    paperForm->addRow(m_paper);
    auto* turns = new QHBoxLayout;
    turns->addWidget(m_landscape);
    turns->addWidget(m_portrait);
    paperForm->addRow(turns);
    paperForm->addRow(QStringLiteral("幅(mm)"), m_width);
    paperForm->addRow(QStringLiteral("高さ(mm)"), m_height);
    paperForm->addRow(QStringLiteral("余白"), m_margin);
    paperForm->addRow(QStringLiteral("左オフセット"), m_offsetLeft);
    paperForm->addRow(QStringLiteral("上オフセット"), m_offsetTop);

    auto* gridBox = new QGroupBox(QStringLiteral("同時印刷"), this);
    auto* gridForm = new QFormLayout(gridBox);
    gridForm->addRow(m_several);
    gridForm->addRow(QStringLiteral("横の枚数"), m_across);
    gridForm->addRow(QStringLiteral("縦の枚数"), m_down);
    gridForm->addRow(QStringLiteral("左右の余白"), m_gapX);
    gridForm->addRow(QStringLiteral("上下の余白"), m_gapY);
    gridForm->addRow(m_rebuild);

    auto* rangeBox = new QGroupBox(QStringLiteral("印刷範囲"), this);
    auto* rangeRow = new QHBoxLayout(rangeBox);
    rangeRow->addWidget(m_all);
    rangeRow->addWidget(m_displayedOnly);

    auto* settings = new QVBoxLayout;
    settings->addWidget(paperBox);
    settings->addWidget(gridBox);
    settings->addWidget(rangeBox);
    settings->addStretch();

    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(m_sheetUpDown);
    pageRow->addWidget(m_sheetLabel);
    pageRow->addWidget(m_problem, 1);
    auto* preview = new QVBoxLayout;
    preview->addWidget(m_sheetView);
    preview->addLayout(pageRow);
    preview->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(preview);
    top->addLayout(settings);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {m_clear, m_print, cancel})
        buttons->addWidget(b);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(m_strip);
    all->addLayout(buttons);

    m_outline = new DragOutline(this);
    // Moves without the button reach the filter too, so a drag whose
    // release went elsewhere ends at the next move.
    m_sheetView->setMouseTracking(true);
    m_sheetView->installEventFilter(this);
    for (QWidget* cell : m_strip->cells()) {
        cell->setMouseTracking(true);
        cell->installEventFilter(this);
    }

    connect(m_paper, &QComboBox::activated, this, &CNormalPrintDlg::paperChosen);
    connect(m_landscape, &QRadioButton::clicked, this, [this] { orientationChosen(SheetOrientation::Landscape); });
    connect(m_portrait, &QRadioButton::clicked, this, [this] { orientationChosen(SheetOrientation::Portrait); });
    parseInto(m_width, [this](int v) { m_sheet.width = v; });
    parseInto(m_height, [this](int v) { m_sheet.height = v; });
    parseInto(m_margin, [this](int v) {
        setMargin(m_sheet, v);
        showSheetSize();
    });
    parseInto(m_offsetLeft, [this](int v) { m_sheet.offsetLeft = v; });
    parseInto(m_offsetTop, [this](int v) { m_sheet.offsetTop = v; });
    parseInto(m_across, [this](int v) { m_sheet.across = v; });
    parseInto(m_down, [this](int v) { m_sheet.down = v; });
    parseInto(m_gapX, [this](int v) { m_sheet.gapX = v; });
    parseInto(m_gapY, [this](int v) { m_sheet.gapY = v; });
    connect(m_several, &QCheckBox::clicked, this, &CNormalPrintDlg::severalToggled);
    connect(m_rebuild, &QPushButton::clicked, this, &CNormalPrintDlg::rebuild);
    connect(m_clear, &QPushButton::clicked, this, &CNormalPrintDlg::clearList);
    connect(m_print, &QPushButton::clicked, this, &CNormalPrintDlg::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_all, &QRadioButton::clicked, this, [this] { m_range = PrintRange::All; });
    connect(m_displayedOnly, &QRadioButton::clicked, this, [this] { m_range = PrintRange::DisplayedSheet; });
    connect(m_sheetUpDown, &PageUpDown::valueChanged, this, [this](int sheet) {
        m_list.setDisplayed(sheet);
        updateSheetUpDown();
        m_sheetView->update();
    });
}

void CNormalPrintDlg::loadSettings()
{
    m_all->setChecked(true);
    m_sheet = sheetFromSettings(m_state.settings.print);
    m_laidOut = m_sheet;
    m_margin->setText(number(m_sheet.margin));
    m_landscape->setChecked(true);
    m_several->setChecked(m_sheet.several);
    m_across->setText(number(m_sheet.across));
    m_down->setText(number(m_sheet.down));
    m_gapX->setText(number(m_sheet.gapX));
    m_gapY->setText(number(m_sheet.gapY));
    enableGridControls();
    showPaper();
    m_offsetLeft->setText(number(m_sheet.offsetLeft));
    m_offsetTop->setText(number(m_sheet.offsetTop));
}

QWidget* CNormalPrintDlg::stripCell(int k) const
{
    return m_strip->cells()[static_cast<std::size_t>(k)];
}

ThumbnailStrip* CNormalPrintDlg::strip() const
{
    return m_strip->strip();
}

void CNormalPrintDlg::showPaper()
{
    m_paper->setCurrentIndex(m_paper->findText(QString::fromStdString(m_sheet.paper), Qt::MatchExactly));
    m_landscape->setChecked(m_sheet.orientation == SheetOrientation::Landscape);
    m_portrait->setChecked(m_sheet.orientation == SheetOrientation::Portrait);
    showSheetSize();
}

void CNormalPrintDlg::showSheetSize()
{
    m_width->setText(number(m_sheet.width));
    m_height->setText(number(m_sheet.height));
    // Only the free size takes typed sizes.
    m_width->setEnabled(isFreeSize(m_sheet));
    m_height->setEnabled(isFreeSize(m_sheet));
}

bool CNormalPrintDlg::layOut()
{
    const LayoutProblem problem = checkLayout(m_sheet);
    m_problem->setText(layoutProblemText(problem));
    if (problem != LayoutProblem::None) {
        m_problem->show();
        return false;
    }
    m_problem->clear();
    m_laidOut = m_sheet;
    m_layout = previewLayout(m_sheetView->layoutRect(), m_laidOut);
    m_list.setCellsPerSheet(m_laidOut.cellsPerSheet());
    m_sheetView->setSeveral(m_laidOut.several);
    updateSheetUpDown();
    update();
    return true;
}

void CNormalPrintDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_layout = previewLayout(m_sheetView->layoutRect(), m_laidOut);
}

void CNormalPrintDlg::updateSheetUpDown()
{
    m_sheetUpDown->setRange(0, m_list.last());
    m_sheetUpDown->setValue(m_list.displayed());
    m_sheetLabel->setText(QStringLiteral("%1/%2").arg(m_list.displayed() + 1).arg(m_list.last() + 1));
}

void CNormalPrintDlg::updatePrintButton()
{
    m_print->setEnabled(!m_list.empty());
}

void CNormalPrintDlg::enableGridControls()
{
    const bool several = m_several->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_rebuild, m_across, m_down, m_gapX, m_gapY})
        w->setEnabled(several);
}

void CNormalPrintDlg::paperChosen(int index)
{
    choosePaper(m_sheet, m_paper->itemText(index).toStdString());
    showSheetSize();
    if (isFreeSize(m_sheet)) {
        m_width->selectAll();
        m_width->setFocus();
    }
    layOut();
}

void CNormalPrintDlg::orientationChosen(SheetOrientation orientation)
{
    if (!setOrientation(m_sheet, orientation))
        return;
    showSheetSize();
    layOut();
}

void CNormalPrintDlg::severalToggled(bool several)
{
    m_sheet.several = several;
    if (!layOut()) {
        // A grid that cannot be laid out keeps one image per sheet.
        m_sheet.several = m_laidOut.several;
        m_several->setChecked(m_laidOut.several);
    }
    enableGridControls();
    m_sheetView->update();
}

void CNormalPrintDlg::rebuild()
{
    layOut();
    m_sheetView->update();
}

void CNormalPrintDlg::clearList()
{
    m_list.clear();
    updateSheetUpDown();
    updatePrintButton();
    m_sheetView->update();
}

} // namespace pictra::ui
