// The imaging library's scanner entry points on SANE:
//   IKScanInitialize → IKScanSelect → IKScanExec → IKScanTerminate
// Initialize starts SANE for one session, Select lists the devices, Options
// reads what a device offers, Exec
// acquires one picture (every page when the device feeds from a document
// feeder) in the mode, source and area asked (colour by default), 8 bits,
// at the resolution nearest the one asked, and
// hands each picture on as a 24-bit packed bitmap; Terminate ends SANE.
// One session at a time in a process; its calls may come from any one
// thread at a time.
#pragma once

#include "core/scan/scan_source.h"
#include "core/util/program_version.h"
#include "core/util/result.h"

#include <memory>
#include <string>
#include <vector>

namespace pictra {

// How the program names itself to the scanner layer; SANE has no use for
// it beyond this record.
struct ScanIdentity {
    std::string version = kProgramVersion;
    std::string manufacturer = "korvale.example";
    std::string productFamily = "Pictra";
    std::string productName = "Pictra";
};

// A started SANE; ends it when destroyed.
class ScanSession {
public:
    // Only IKScanInitialize can make one (after sane_init).
    class Key {
        Key() = default;
        friend std::unique_ptr<ScanSession> IKScanInitialize(const ScanIdentity& identity);
    };

    explicit ScanSession(Key) {}
    ~ScanSession();
    ScanSession(const ScanSession&) = delete;
    ScanSession& operator=(const ScanSession&) = delete;
};

// Starts SANE. Null when another session is open or SANE will not start.
std::unique_ptr<ScanSession> IKScanInitialize(const ScanIdentity& identity);

// The devices SANE finds (local ones and those of network backends).
std::vector<ScanDevice> IKScanSelect(ScanSession& session);

// What `device` (the first device when empty) offers, read from its option
// descriptors; the device is opened and closed again.
ScanDeviceReport IKScanOptions(ScanSession& session, const std::string& device);

// Acquires from request.device (the first device when empty). Returns
// ScanError::None when every picture arrived; pictures finished before a
// failure or a cancel were passed to events.picture already.
ScanError IKScanExec(ScanSession& session, const ScanRequest& request, const ScanEvents& events);

// Ends the session (also done when the session is destroyed).
void IKScanTerminate(std::unique_ptr<ScanSession>& session);

} // namespace pictra
