// The scan settings controls.
#include "ui/scan/scan_settings_panel.h"

#include "ui/dialog_units.h"
#include "ui/scan/scan_messages.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace pictra::ui {
namespace {

constexpr ScanAreaKind kAreaKinds[] = {ScanAreaKind::DeviceMax, ScanAreaKind::A4, ScanAreaKind::B5, ScanAreaKind::L,
                                       ScanAreaKind::Custom};

QLabel* label(const QString& text, const QRect& rect, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(rect);
    return l;
}

template <typename T>
T* named(T* widget, const char* name, const QRect& rect)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

QDoubleSpinBox* mmBox(const char* name, const QRect& rect, QWidget* parent)
{
    auto* box = named(new QDoubleSpinBox(parent), name, rect);
    box->setDecimals(1);
    box->setSingleStep(1);
    box->setRange(1, kMaxTypedAreaMm);
    return box;
}

} // namespace

// Laid out in the panel's own dialog units, 316 x 30:
//   解像度 [300] dpi   モード [カラー]   原稿 [フラットベッド]
//   範囲   [最大 (200 × 200 mm)]  [ 89.0] × [127.0] mm
ScanSettingsPanel::ScanSettingsPanel(QWidget* parent) : QWidget(parent)
{
    m_resolutionLabel = label(QStringLiteral("解像度"), dluRect(0, 2, 30, 9), this);
    m_resolutionRange = named(new QSpinBox(this), "scanResolution", dluRect(33, 0, 40, 12));
    m_resolutionList = named(new QComboBox(this), "scanResolutionList", dluRect(33, 0, 40, 12));
    m_dpi = label(QStringLiteral("dpi"), dluRect(76, 2, 15, 9), this);
    m_modeLabel = label(QStringLiteral("モード"), dluRect(96, 2, 28, 9), this);
    m_mode = named(new QComboBox(this), "scanMode", dluRect(126, 0, 62, 12));
    m_feedLabel = label(QStringLiteral("原稿"), dluRect(194, 2, 20, 9), this);
    m_feed = named(new QComboBox(this), "scanSource", dluRect(216, 0, 100, 12));
    m_areaLabel = label(QStringLiteral("範囲"), dluRect(0, 18, 30, 9), this);
    m_area = named(new QComboBox(this), "scanArea", dluRect(33, 16, 110, 12));
    m_width = mmBox("scanAreaWidth", dluRect(148, 16, 44, 12), this);
    m_times = label(QStringLiteral("×"), dluRect(194, 18, 8, 9), this);
    m_height = mmBox("scanAreaHeight", dluRect(203, 16, 44, 12), this);
    m_mm = label(QStringLiteral("mm"), dluRect(250, 18, 15, 9), this);
    setFixedSize(dluToPixelsX(316), dluToPixelsY(30));
    connect(m_area, &QComboBox::currentIndexChanged, this, &ScanSettingsPanel::areaChosen);
    clearOptions();
}

void ScanSettingsPanel::clearOptions()
{
    m_options = {};
    // Direct children only: a spin box's own line edit must stay shown.
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        w->hide();
}

void ScanSettingsPanel::showOptions(const ScanDeviceOptions& options, const ScanSettings& s)
{
    const QSignalBlocker block(m_area);
    clearOptions();
    m_options = options;
    if (!options.resolutionList.empty()) {
        m_resolutionList->clear();
        for (int dpi : options.resolutionList)
            m_resolutionList->addItem(QString::number(dpi), dpi);
        m_resolutionList->setCurrentIndex(std::max(0, m_resolutionList->findData(s.resolutionDpi)));
        m_resolutionList->show();
    } else if (options.resolutionMax > 0) {
        m_resolutionRange->setRange(options.resolutionMin, options.resolutionMax);
        m_resolutionRange->setSingleStep(std::max(1, options.resolutionStep));
        m_resolutionRange->setValue(s.resolutionDpi);
        m_resolutionRange->show();
    }
    for (QWidget* w : {static_cast<QWidget*>(m_resolutionLabel), static_cast<QWidget*>(m_dpi)})
        w->setVisible(options.hasResolution());

    m_mode->clear();
    for (const auto& choice : options.modes)
        m_mode->addItem(scanModeText(choice.kind), static_cast<int>(choice.kind));
    m_mode->setCurrentIndex(std::max(0, m_mode->findData(static_cast<int>(s.mode))));
    m_feed->clear();
    for (const auto& choice : options.feeds)
        m_feed->addItem(scanFeedText(choice.kind), static_cast<int>(choice.kind));
    m_feed->setCurrentIndex(std::max(0, m_feed->findData(static_cast<int>(s.feed))));
    for (QWidget* w : {static_cast<QWidget*>(m_modeLabel), static_cast<QWidget*>(m_mode)})
        w->setVisible(!options.modes.empty());
    for (QWidget* w : {static_cast<QWidget*>(m_feedLabel), static_cast<QWidget*>(m_feed)})
        w->setVisible(!options.feeds.empty());

    m_area->clear();
    if (options.hasArea()) {
        for (ScanAreaKind kind : kAreaKinds)
            m_area->addItem(scanAreaText(kind, options.maxArea), static_cast<int>(kind));
        m_area->setCurrentIndex(std::max(0, m_area->findData(static_cast<int>(s.area))));
        const ScanAreaMm size = scanAreaSize(options, s);
        m_width->setValue(size.width);
        m_height->setValue(size.height);
        for (QWidget* w : {static_cast<QWidget*>(m_areaLabel), static_cast<QWidget*>(m_area),
                           static_cast<QWidget*>(m_width), static_cast<QWidget*>(m_times),
                           static_cast<QWidget*>(m_height), static_cast<QWidget*>(m_mm)})
            w->show();
        areaChosen();
    }
}

void ScanSettingsPanel::areaChosen()
{
    const auto kind = static_cast<ScanAreaKind>(m_area->currentData().toInt());
    const bool typed = kind == ScanAreaKind::Custom;
    m_width->setEnabled(typed);
    m_height->setEnabled(typed);
    if (!typed) {
        ScanSettings s;
        s.area = kind;
        const ScanAreaMm size = scanAreaSize(m_options, s);
        m_width->setValue(size.width);
        m_height->setValue(size.height);
    }
}

ScanSettings ScanSettingsPanel::settings() const
{
    ScanSettings s = defaultScanSettings(m_options);
    if (!m_options.resolutionList.empty())
        s.resolutionDpi = m_resolutionList->currentData().toInt();
    else if (m_options.resolutionMax > 0)
        s.resolutionDpi = m_resolutionRange->value();
    if (m_mode->count() > 0)
        s.mode = static_cast<ScanMode>(m_mode->currentData().toInt());
    if (m_feed->count() > 0)
        s.feed = static_cast<ScanFeed>(m_feed->currentData().toInt());
    if (m_area->count() > 0) {
        s.area = static_cast<ScanAreaKind>(m_area->currentData().toInt());
        if (s.area == ScanAreaKind::Custom)
            s.customArea = {m_width->value(), m_height->value()};
    }
    return s;
}

} // namespace pictra::ui
