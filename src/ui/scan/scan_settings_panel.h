// The scan dialog's settings: resolution, mode, source and area, showing
// only what the chosen device offers (from its options) and giving back
// what the user set. It holds no rule: fitting and checking are core's.
#pragma once

#include "core/scan/scan_settings.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace pictra::ui {

class ScanSettingsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ScanSettingsPanel(QWidget* parent);

    // Shows the controls `options` has and sets them to `settings` (fitted
    // to the device already).
    void showOptions(const ScanDeviceOptions& options, const ScanSettings& settings);
    // No device: every control hidden.
    void clearOptions();

    // What the controls hold now.
    ScanSettings settings() const;

private:
    void areaChosen();

    ScanDeviceOptions m_options;
    QLabel* m_resolutionLabel = nullptr;
    QSpinBox* m_resolutionRange = nullptr;  // devices with a dpi range
    QComboBox* m_resolutionList = nullptr;  // devices with a dpi list
    QLabel* m_dpi = nullptr;
    QLabel* m_modeLabel = nullptr;
    QComboBox* m_mode = nullptr;
    QLabel* m_feedLabel = nullptr;
    QComboBox* m_feed = nullptr;
    QLabel* m_areaLabel = nullptr;
    QComboBox* m_area = nullptr;
    QDoubleSpinBox* m_width = nullptr;
    QLabel* m_times = nullptr;
    QDoubleSpinBox* m_height = nullptr;
    QLabel* m_mm = nullptr;
};

} // namespace pictra::ui
