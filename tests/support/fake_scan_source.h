// A scan source for tests: hands on solid-colour pictures and then ends with
// the error it is told to, without any scanner.
#pragma once

#include "core/scan/scan_source.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace pictra::test {

struct FakePicture {
    int width = 8;
    int height = 6;
    std::uint8_t red = 200, green = 100, blue = 50;
};

class FakeScanSource final : public ScanSource {
public:
    std::vector<ScanDevice> deviceList{{"fake:0", "Pictra", "Test scanner", "virtual device"}};
    // A flatbed and feeder scanner of 75-1200 dpi in colour and grey, up to 216 x 297 mm.
    ScanDeviceOptions options{{}, 75, 1200, 1,
                              {{ScanMode::Colour, "Color"}, {ScanMode::Grey, "Gray"}},
                              {{ScanFeed::Flatbed, "Flatbed"}, {ScanFeed::Feeder, "ADF"}},
                              {216, 297}};
    int optionReads = 0;
    std::vector<FakePicture> pictures{FakePicture{}};
    ScanError endWith = ScanError::None;
    std::function<void(int index)> beforePicture; // called before picture `index` is handed on
    int acquireCalls = 0;
    ScanRequest lastRequest;

    std::vector<ScanDevice> devices() override { return deviceList; }
    ScanDeviceReport deviceOptions(const std::string&) override { return ++optionReads, ScanDeviceReport{ScanError::None, options}; }
    ScanError acquire(const ScanRequest& request, const ScanEvents& events) override;
};

// A solid picture as a 24-bit packed bitmap.
PackedBitmap solidBitmap(const FakePicture& picture);

} // namespace pictra::test
