// pictra-cli edit: one image tool applied to a file, through the same edit
// and the same writing as the tool dialogs' "変更": turns and flips of a
// JPEG stay lossless and keep the camera data.
#include "cli_commands.h"
#include "cli_context.h"

#include "core/image_io/image_file_io.h"
#include "core/tools/picture24.h"
#include "core/tools/picture_replacement.h"
#include "core/tools/tool_edit.h"
#include "core/tools/tool_pipeline.h"

#include <memory>

namespace pictra::cli {

int runEdit(const Args& args)
{
    if (args.size() != 3) {
        printUsageError("edit");
        return kExitUsage;
    }
    const Result<ToolEdit> edit = parseToolEdit(args[0]);
    if (!edit) {
        printError("unknown tool or bad values \"" + args[0] + "\" (see pictra-cli edit --help)");
        return kExitUsage;
    }
    auto image = openImageContext();
    if (!image)
        return kExitFailed;
    ImageFileIO io(jpegSaveOptions(image->context.settings));
    ImageRecord& loaded = image->buffers->record();
    if (!loadOrReport(io, args[1], loaded))
        return kExitFailed;
    ImageBuffers result(toolResultBytes(loaded));
    Status status = convertTo24(loaded);
    if (status == Status::Ok)
        status = computeToolEdit(loaded, *edit, result.record());
    if (status != Status::Ok) {
        printError("cannot edit " + args[1] + ": " + std::string(statusText(status)));
        return kExitFailed;
    }
    const auto written = writeEditedPicture(io, *edit, result.record(), args[1], args[2], [&args] {
        printError(args[1] + " cannot be turned or flipped without loss (its sides are not whole JPEG blocks); "
                             "re-encoded instead");
        return true;
    });
    if (!written) {
        printError("cannot write " + args[2] + ": " + std::string(statusText(written.status())));
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace pictra::cli
