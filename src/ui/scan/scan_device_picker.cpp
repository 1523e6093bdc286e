// The scanner choice of the scan dialog.
#include "ui/scan/scan_device_picker.h"

#include "core/scan/scan_settings_store.h"
#include "core/settings/pictra_ini.h"
#include "ui/dialog_units.h"
#include "ui/scan/scan_messages.h"
#include "ui/scan/scan_settings_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

namespace pictra::ui {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

} // namespace

ScanDevicePicker::ScanDevicePicker(std::string programFolder, ScanSource& source, QWidget* dialog, int y)
    : QObject(dialog), m_programFolder(std::move(programFolder)), m_source(source)
{
    (new QLabel(QStringLiteral("スキャナー"), dialog))->setGeometry(dluRect(7, y + 2, 42, 9));
    m_combo = new QComboBox(dialog);
    m_combo->setObjectName(QStringLiteral("scanDevice"));
    m_combo->setGeometry(dluRect(50, y, 273, 12));
    connect(m_combo, &QComboBox::currentIndexChanged, this, &ScanDevicePicker::readChosen);
    m_panel = new ScanSettingsPanel(dialog);
    m_panel->move(dluToPixelsX(7), dluToPixelsY(y + 16));
    // Where the settings show once the device is read.
    m_state = new QLabel(dialog);
    m_state->setObjectName(QStringLiteral("scanDeviceState"));
    m_state->setGeometry(dluRect(50, y + 18, 273, 9));

    connect(&m_deviceWatcher, &QFutureWatcher<std::vector<ScanDevice>>::finished, this,
            [this] { devicesFound(m_deviceWatcher.result()); });
    connect(&m_optionsWatcher, &QFutureWatcher<ScanDeviceReport>::finished, this,
            [this] { optionsRead(m_optionsWatcher.result()); });
}

ScanDevicePicker::~ScanDevicePicker()
{
    m_deviceWatcher.waitForFinished();
    m_optionsWatcher.waitForFinished();
}

void ScanDevicePicker::search()
{
    if (busy())
        return;
    m_searching = true;
    m_state->setText(scanSearchingText());
    m_deviceWatcher.setFuture(QtConcurrent::run([source = &m_source] { return source->devices(); }));
}

void ScanDevicePicker::devicesFound(std::vector<ScanDevice> devices)
{
    m_searching = false;
    m_devices = std::move(devices);
    std::string last;
    if (auto ini = readPictraIni(m_programFolder))
        last = lastScanDevice(*ini);
    int chosen = 0;
    {
        const QSignalBlocker block(m_combo);
        m_combo->clear();
        for (std::size_t i = 0; i < m_devices.size(); ++i) {
            const ScanDevice& d = m_devices[i];
            m_combo->addItem(QStringLiteral("%1 %2 (%3)").arg(qs(d.vendor), qs(d.model), qs(d.name)));
            if (d.name == last)
                chosen = static_cast<int>(i);
        }
        m_combo->setCurrentIndex(m_devices.empty() ? -1 : chosen);
    }
    if (m_devices.empty()) {
        m_state->setText(QStringLiteral("スキャナーが見つかりません"));
        m_panel->clearOptions();
        m_shown.clear();
        emit ready(ScanError::NoDevice);
        return;
    }
    readChosen();
}

std::string ScanDevicePicker::chosenName() const
{
    const int index = m_combo->currentIndex();
    return index < 0 ? std::string() : m_devices[static_cast<std::size_t>(index)].name;
}

void ScanDevicePicker::readChosen()
{
    // A choice made during a read is taken up when that read ends.
    if (busy() || chosenName().empty())
        return;
    m_reading = true;
    m_readingDevice = chosenName();
    m_shown.clear();
    m_panel->clearOptions();
    m_state->setText(QStringLiteral("スキャナーの設定を読んでいます…"));
    m_optionsWatcher.setFuture(
        QtConcurrent::run([source = &m_source, name = m_readingDevice] { return source->deviceOptions(name); }));
}

void ScanDevicePicker::optionsRead(const ScanDeviceReport& report)
{
    m_reading = false;
    if (chosenName() != m_readingDevice) {
        readChosen();
        return;
    }
    if (report.error != ScanError::None) {
        m_options = {};
        m_state->setText(QStringLiteral("このスキャナーは使えません"));
        emit ready(report.error);
        return;
    }
    m_options = report.options;
    ScanSettings settings = defaultScanSettings(m_options);
    if (auto ini = readPictraIni(m_programFolder)) {
        if (const auto stored = storedScanSettings(*ini, m_readingDevice))
            settings = fitScanSettings(m_options, *stored);
    }
    m_panel->showOptions(m_options, settings);
    m_state->clear();
    m_shown = m_readingDevice;
    emit ready(ScanError::None);
}

ScanSettings ScanDevicePicker::settings() const
{
    return m_panel->settings();
}

void ScanDevicePicker::setEnabled(bool enabled)
{
    m_combo->setEnabled(enabled);
    m_panel->setEnabled(enabled);
}

} // namespace pictra::ui
