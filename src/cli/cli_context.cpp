// Program folder, settings and messages for pictra-cli.
#include "cli_context.h"

#include "core/image/shared_image.h"
#include "core/image_io/image_file_io.h"
#include "core/platform/program_folder.h"
#include "core/platform/registry_store.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_sanitize.h"
#include "core/startup/program_folder_setup.h"

#include <cstdio>

namespace pictra::cli {

Result<CliContext> openContext()
{
    const RegistryStore registry(RegistryStore::defaultPath());
    auto folder = resolveProgramFolder(registry);
    if (!folder) {
        printError("no program folder: set HOME or XDG_DATA_HOME");
        return folder.status();
    }
    if (const Status status = ensureProgramFolder(*folder); status != Status::Ok) {
        printError("cannot prepare the program folder " + *folder + ": " + std::string(statusText(status)));
        return status;
    }
    CliContext context{*folder, defaultWorkModeSettings()};
    if (auto stored = loadSettings(*folder))
        context.settings = sanitizeSettings(*stored);
    return context;
}

std::unique_ptr<ImageBuffers> imageBuffersFor(const CliContext& context)
{
    std::unique_ptr<ImageBuffers> buffers;
    makeSharedImage(buffers, context.settings);
    return buffers;
}

std::optional<ImageContext> openImageContext()
{
    auto context = openContext();
    if (!context)
        return std::nullopt;
    std::unique_ptr<ImageBuffers> buffers = imageBuffersFor(*context);
    if (!buffers)
        return std::nullopt;
    return ImageContext{std::move(*context), std::move(buffers)};
}

bool loadOrReport(ImageFileIO& io, const std::string& path, ImageRecord& record)
{
    const Status status = io.loadImage(path, record);
    if (status == Status::Partial)
        printError("warning: " + path + ": " + std::string(statusText(status)));
    else if (status != Status::Ok)
        printError("cannot read " + path + ": " + std::string(statusText(status)));
    return pictureLoaded(status);
}

bool saveOrReport(ImageFileIO& io, const std::string& path, const ImageRecord& record)
{
    const Status status = io.saveImage(path, record);
    if (status != Status::Ok)
        printError("cannot write " + path + ": " + std::string(statusText(status)));
    return status == Status::Ok;
}

void printError(std::string_view message)
{
    std::fprintf(stderr, "pictra-cli: %.*s\n", static_cast<int>(message.size()), message.data());
}

std::string_view statusText(Status status)
{
    switch (status) {
    case Status::Ok: return "ok";
    case Status::NotFound: return "not found";
    case Status::IoError: return "input/output error";
    case Status::Truncated: return "file is cut short";
    case Status::Corrupt: return "file is damaged or not of its kind";
    case Status::Unsupported: return "unsupported file type or variant";
    case Status::TooLarge: return "too large";
    case Status::InvalidArgument: return "invalid argument";
    case Status::NoPermission: return "permission denied";
    case Status::DiskFull: return "disk full";
    case Status::Partial: return "file is damaged: only part of the picture could be read";
    }
    return "unknown failure";
}

} // namespace pictra::cli
