// The scan dialog's scanner choice: looks for the scanners, lists them in a
// combo (the last one used first), reads the chosen one's options on a
// worker thread and shows them as its settings, fitted from those remembered
// in PARAM/pictra.ini. One search or read at a time.
#pragma once

#include "core/scan/scan_source.h"

#include <QFutureWatcher>
#include <QObject>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QWidget;

namespace pictra::ui {

class ScanSettingsPanel;

class ScanDevicePicker : public QObject {
    Q_OBJECT
public:
    // Makes its widgets in `dialog`: the combo at row `y` (dialog units),
    // the settings below it.
    ScanDevicePicker(std::string programFolder, ScanSource& source, QWidget* dialog, int y);
    ~ScanDevicePicker() override;

    // Looks for the scanners, then reads the first one's options.
    void search();
    // Reads the chosen device's options again (after they failed).
    void readChosen();

    bool busy() const { return m_searching || m_reading; }
    bool hasDevices() const { return !m_devices.empty(); }
    // The device whose settings are shown; empty when none are.
    const std::string& device() const { return m_shown; }
    const ScanDeviceOptions& options() const { return m_options; }
    ScanSettings settings() const;
    void setEnabled(bool enabled);

signals:
    // A search or read ended: None when a device's settings are shown,
    // NoDevice when there is no scanner, else why the device failed.
    void ready(ScanError error);

private:
    void devicesFound(std::vector<ScanDevice> devices);
    void optionsRead(const ScanDeviceReport& report);
    std::string chosenName() const;

    std::string m_programFolder;
    ScanSource& m_source;
    std::vector<ScanDevice> m_devices;
    std::string m_readingDevice; // whose options are being read
    std::string m_shown;
    ScanDeviceOptions m_options;
    bool m_searching = false;
    bool m_reading = false;
    QFutureWatcher<std::vector<ScanDevice>> m_deviceWatcher;
    QFutureWatcher<ScanDeviceReport> m_optionsWatcher;
    QComboBox* m_combo = nullptr;
    QLabel* m_state = nullptr;
    ScanSettingsPanel* m_panel = nullptr;
};

} // namespace pictra::ui
