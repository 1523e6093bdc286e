// The program's scan source: SANE through the IKScan entry points, one
// session per call.
#pragma once

#include "core/scan/scan_source.h"

namespace pictra {

class SaneScanSource final : public ScanSource {
public:
    std::vector<ScanDevice> devices() override;
    ScanDeviceReport deviceOptions(const std::string& device) override;
    ScanError acquire(const ScanRequest& request, const ScanEvents& events) override;
};

} // namespace pictra
