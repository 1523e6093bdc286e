// SaneScanSource.
#include "scanner/sane_scan_source.h"

#include "scanner/ik_scan.h"

namespace pictra {

std::vector<ScanDevice> SaneScanSource::devices()
{
    auto session = IKScanInitialize(ScanIdentity{});
    if (!session)
        return {};
    std::vector<ScanDevice> found = IKScanSelect(*session);
    IKScanTerminate(session);
    return found;
}

ScanDeviceReport SaneScanSource::deviceOptions(const std::string& device)
{
    auto session = IKScanInitialize(ScanIdentity{});
    if (!session)
        return {ScanError::DeviceError, {}};
    ScanDeviceReport report = IKScanOptions(*session, device);
    IKScanTerminate(session);
    return report;
}

ScanError SaneScanSource::acquire(const ScanRequest& request, const ScanEvents& events)
{
    auto session = IKScanInitialize(ScanIdentity{});
    if (!session)
        return ScanError::DeviceError;
    const ScanError error = IKScanExec(*session, request, events);
    IKScanTerminate(session);
    return error;
}

} // namespace pictra
