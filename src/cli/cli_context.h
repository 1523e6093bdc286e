// What every pictra-cli command shares: the program folder (found by the
// same rules as pictra), the settings in it, output helpers and exit codes.
#pragma once

#include "core/image/image_record.h"
#include "core/settings/work_mode_settings.h"
#include "core/util/result.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {
class ImageFileIO;
}

namespace pictra::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,  // the command could not do its work
    kExitUsage = 2,   // wrong arguments
    kExitPartly = 3,  // done, but some images were skipped
};

struct CliContext {
    std::string programFolder;
    WorkModeSettings settings;
};

// Finds (and if needed creates) the program folder and reads its settings;
// shipped defaults when the settings file cannot be read. Prints the reason
// and returns the failure when no program folder can be used.
Result<CliContext> openContext();

// The image buffers the settings ask for; null (reason printed) when the
// memory cannot be had.
std::unique_ptr<ImageBuffers> imageBuffersFor(const CliContext& context);

// The context with its image buffers, for the commands that work on one
// picture; nullopt (reason printed) when either cannot be had.
struct ImageContext {
    CliContext context;
    std::unique_ptr<ImageBuffers> buffers;
};
std::optional<ImageContext> openImageContext();

// Load and save that print "cannot read/write PATH: reason" on failure.
bool loadOrReport(ImageFileIO& io, const std::string& path, ImageRecord& record);
bool saveOrReport(ImageFileIO& io, const std::string& path, const ImageRecord& record);

// One line on stderr: "pictra-cli: <message>".
void printError(std::string_view message);

// A status as words for messages ("file not found", ...).
std::string_view statusText(Status status);

using Args = std::vector<std::string>;

int runInfo(const Args& args);
int runExtract(const Args& args);
int runCreate(const Args& args);
int runConvert(const Args& args);
int runExif(const Args& args);
int runPrint(const Args& args);
int runScan(const Args& args);
int runEdit(const Args& args);
int runSearch(const Args& args);
int runXmp(const Args& args);
int runRelink(const Args& args);

} // namespace pictra::cli
