// ScanDeviceChooser: asks which scanner to use when more than one is
// attached. The program asks with a list box; tests answer from a script.
#pragma once

#include "core/scan/scan_source.h"

#include <optional>
#include <vector>

class QWidget;

namespace pictra::ui {

class ScanDeviceChooser {
public:
    virtual ~ScanDeviceChooser() = default;
    // The index of the chosen device, `preselected` offered first; nullopt
    // when the user cancels.
    virtual std::optional<int> choose(QWidget* parent, const std::vector<ScanDevice>& devices, int preselected) = 0;
};

class QtScanDeviceChooser final : public ScanDeviceChooser {
public:
    std::optional<int> choose(QWidget* parent, const std::vector<ScanDevice>& devices, int preselected) override;
};

} // namespace pictra::ui
