// pictra-cli print --poster: one album image as a poster across printer
// sheets, with the poster dialog's papers, rules and printing.
#include "album_loading.h"
#include "cli_commands.h"
#include "cli_context.h"
#include "cli_printer.h"
#include "poster_command.h"
#include "print_arguments.h"

#include "core/album/cell_picture.h"
#include "core/image/shared_image.h"
#include "core/print/poster_setup.h"
#include "ui/print/poster_renderer.h"
#include "ui/print/print_picture.h"

#include <cstdio>
#include <optional>

namespace pictra::cli {
namespace {

struct PosterOptions {
    std::string poster, sheet, pdf, printer, album;
    SheetOrientation posterOrientation = SheetOrientation::Landscape;
    SheetOrientation sheetOrientation = SheetOrientation::Landscape;
    std::optional<int> margin;
    int index = -1;
};

std::optional<PosterOptions> parseOptions(const Args& args)
{
    PosterOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--poster" && hasValue) {
            o.poster = args[++i];
        } else if (a == "--paper" && hasValue) {
            o.sheet = args[++i];
        } else if (a == "--orientation" && hasValue && argOrientation(args[i + 1])) {
            o.posterOrientation = *argOrientation(args[++i]);
        } else if (a == "--sheet-orientation" && hasValue && argOrientation(args[i + 1])) {
            o.sheetOrientation = *argOrientation(args[++i]);
        } else if (a == "--margin" && hasValue && argNumber(args[i + 1])) {
            o.margin = argNumber(args[++i]);
        } else if (a == "--pdf" && hasValue) {
            o.pdf = args[++i];
        } else if (a == "--printer" && hasValue) {
            o.printer = args[++i];
        } else if (a.starts_with("--")) {
            return std::nullopt;
        } else if (o.album.empty()) {
            o.album = a;
        } else if (const auto index = argNumber(a); index && *index >= 0 && o.index < 0) {
            o.index = *index;
        } else {
            return std::nullopt;
        }
    }
    if (o.poster.empty() || o.sheet.empty() || o.album.empty() || o.index < 0 || o.pdf.empty() == o.printer.empty())
        return std::nullopt;
    return o;
}

// The dialog's choices: the margin and orientations on the opening A1 on A4,
// then the sheet and the poster; the sheet is checked once more against the
// poster in force, so a pair is taken only when both of the dialog's rules
// allow it, whichever order the user would have picked them in.
std::optional<PosterSetup> setupFor(const PosterOptions& o, const WorkModeSettings& settings)
{
    PosterSetup s = openPosterSetup(settings.print.margin);
    if (!setPosterMargin(s, o.margin.value_or(s.margin))) {
        printError("the margin leaves no room on the sheet");
        return std::nullopt;
    }
    setPosterOrientation(s, o.posterOrientation);
    setSheetOrientation(s, o.sheetOrientation);
    if (!chooseSheetPaper(s, o.sheet) || !choosePosterPaper(s, o.poster) || !chooseSheetPaper(s, o.sheet)) {
        printError("the poster must be one of A0-A3, the sheet one of A4-A6, B4-B6, smaller than the poster "
                   "in both directions");
        return std::nullopt;
    }
    return s;
}

} // namespace

int runPosterPrint(const Args& args)
{
    const auto options = parseOptions(args);
    if (!options) {
        printUsageError("print");
        return kExitUsage;
    }
    auto context = openContext();
    if (!context)
        return kExitFailed;
    const auto setup = setupFor(*options, context->settings);
    if (!setup)
        return kExitFailed;
    auto album = loadAlbum(options->album);
    if (!album)
        return kExitFailed;
    const auto& entries = (*album)->contents.entries;
    if (options->index >= static_cast<int>(entries.size())) {
        printError("no image " + std::to_string(options->index) + " in " + options->album);
        return kExitFailed;
    }
    const std::string path = imageFilePath(entries[static_cast<std::size_t>(options->index)]);
    CliPrinter printer = openCliPrinter(options->pdf, options->printer);
    if (!printer.printer)
        return kExitFailed;
    const ui::LoadedPicture picture = ui::loadPrintPicture(path, imageBufferBytes(context->settings));
    if (picture.image.isNull()) {
        printError("cannot load " + path + ": " + std::string(statusText(picture.status)));
        return kExitFailed;
    }
    const ui::PosterReport report = ui::renderPoster(*printer.printer, *setup, picture.image);
    if (report.outcome != ui::PosterOutcome::Printed) {
        printError(options->pdf.empty() ? "the printer could not be opened" : "cannot write " + options->pdf);
        return kExitFailed;
    }
    std::printf("%d page%s\n", report.pages, report.pages == 1 ? "" : "s");
    return kExitOk;
}

} // namespace pictra::cli
