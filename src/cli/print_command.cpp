// pictra-cli print: prints album images to a PDF file or a printer with the
// normal print dialog's geometry and page loop. Needs Qt's printing, so it
// starts a QGuiApplication (the offscreen platform when none is asked for).
#include "album_loading.h"
#include "cli_commands.h"
#include "cli_context.h"
#include "cli_printer.h"
#include "poster_command.h"
#include "print_arguments.h"

#include "core/album/cell_picture.h"
#include "core/image/shared_image.h"
#include "core/print/paper_table.h"
#include "core/print/print_list.h"
#include "core/print/working_sheet.h"
#include "ui/print/print_renderer.h"
#include "ui/print/printer_page.h"

#include <QPrinter>

#include <algorithm>
#include <optional>

namespace pictra::cli {
namespace {

// "12x3" or "10,5": two numbers around one separator.
std::optional<std::pair<int, int>> numberPair(std::string_view text, char separator)
{
    const auto at = text.find(separator);
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto first = argNumber(text.substr(0, at));
    const auto second = argNumber(text.substr(at + 1));
    if (!first || !second)
        return std::nullopt;
    return std::pair{*first, *second};
}

struct PrintOptions {
    std::optional<std::string> paper;
    std::optional<SheetOrientation> orientation;
    std::optional<int> margin;
    std::optional<std::pair<int, int>> layout, offsets, gaps;
    std::string pdf, printer, album;
    std::vector<int> indices;
};

std::optional<PrintOptions> parseOptions(const Args& args)
{
    PrintOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--paper" && hasValue) {
            o.paper = args[++i];
        } else if (a == "--orientation" && hasValue && argOrientation(args[i + 1])) {
            o.orientation = argOrientation(args[++i]);
        } else if (a == "--margin" && hasValue && argNumber(args[i + 1])) {
            o.margin = argNumber(args[++i]);
        } else if (a == "--layout" && hasValue && numberPair(args[i + 1], 'x')) {
            o.layout = numberPair(args[++i], 'x');
        } else if (a == "--offsets" && hasValue && numberPair(args[i + 1], ',')) {
            o.offsets = numberPair(args[++i], ',');
        } else if (a == "--gaps" && hasValue && numberPair(args[i + 1], ',')) {
            o.gaps = numberPair(args[++i], ',');
        } else if (a == "--pdf" && hasValue) {
            o.pdf = args[++i];
        } else if (a == "--printer" && hasValue) {
            o.printer = args[++i];
        } else if (a.starts_with("--")) {
            return std::nullopt;
        } else if (o.album.empty()) {
            o.album = a;
        } else if (const auto index = argNumber(a); index && *index >= 0) {
            o.indices.push_back(*index);
        } else {
            return std::nullopt;
        }
    }
    if (o.album.empty() || o.pdf.empty() == o.printer.empty())
        return std::nullopt;
    return o;
}

std::string_view problemText(LayoutProblem problem)
{
    switch (problem) {
    case LayoutProblem::None: return "";
    case LayoutProblem::BadGrid: return "the layout needs 1 to 255 images across and down, 500 cells at most";
    case LayoutProblem::BadMargin: return "the margin cannot be negative";
    case LayoutProblem::EmptySheet: return "the margin leaves no room on the paper";
    case LayoutProblem::EmptyFrame: return "the offsets leave no room on the sheet";
    case LayoutProblem::EmptyCells: return "the gaps leave no room for the images";
    }
    return "";
}

// The working sheet of the stored print defaults with the options applied:
// margin, then paper (which uses the margin), then orientation.
std::optional<WorkingSheet> sheetFor(const PrintOptions& o, const WorkModeSettings& settings)
{
    WorkingSheet sheet = sheetFromSettings(settings.print);
    if (o.margin)
        setMargin(sheet, *o.margin);
    if (o.paper) {
        if (!findPaper(*o.paper)) {
            printError("unknown paper \"" + *o.paper + "\" (A0-A6, B3-B6, L判, ２L判, FREEｻｲｽﾞ)");
            return std::nullopt;
        }
        choosePaper(sheet, *o.paper);
    }
    if (o.orientation)
        setOrientation(sheet, *o.orientation);
    sheet.several = o.layout.has_value();
    if (o.layout)
        std::tie(sheet.across, sheet.down) = *o.layout;
    if (o.offsets)
        std::tie(sheet.offsetLeft, sheet.offsetTop) = *o.offsets;
    if (o.gaps)
        std::tie(sheet.gapX, sheet.gapY) = *o.gaps;
    if (const LayoutProblem problem = checkLayout(sheet); problem != LayoutProblem::None) {
        printError(std::string(problemText(problem)));
        return std::nullopt;
    }
    return sheet;
}

std::optional<std::vector<std::string>> picturePaths(const PrintOptions& o, const AlbumFileContents& album)
{
    const int count = static_cast<int>(album.entries.size());
    std::vector<int> indices = o.indices;
    if (indices.empty()) {
        for (int i = 0; i < count; ++i)
            indices.push_back(i);
    }
    if (indices.empty()) {
        printError(o.album + " has no images");
        return std::nullopt;
    }
    if (static_cast<int>(indices.size()) > kMaxPrintEntries) {
        printError("at most " + std::to_string(kMaxPrintEntries) + " images per print job; name the images by index");
        return std::nullopt;
    }
    std::vector<std::string> paths;
    for (const int index : indices) {
        if (index >= count) {
            printError("no image " + std::to_string(index) + " in " + o.album + " (it has " + std::to_string(count) + ")");
            return std::nullopt;
        }
        paths.push_back(imageFilePath(album.entries[static_cast<std::size_t>(index)]));
    }
    return paths;
}

} // namespace

int runPrint(const Args& args)
{
    if (std::find(args.begin(), args.end(), "--poster") != args.end())
        return runPosterPrint(args);
    const auto options = parseOptions(args);
    if (!options) {
        printUsageError("print");
        return kExitUsage;
    }
    auto context = openContext();
    if (!context)
        return kExitFailed;
    const auto sheet = sheetFor(*options, context->settings);
    if (!sheet)
        return kExitFailed;
    auto album = loadAlbum(options->album);
    if (!album)
        return kExitFailed;
    auto paths = picturePaths(*options, (*album)->contents);
    if (!paths)
        return kExitFailed;

    CliPrinter opened = openCliPrinter(options->pdf, options->printer);
    if (!opened.printer)
        return kExitFailed;
    QPrinter& printer = *opened.printer;
    ui::preparePrinter(printer, *sheet);
    ui::PrintJob job{*sheet, std::move(*paths), PrintRange::All, 0, imageBufferBytes(context->settings)};
    const ui::PrintReport report = ui::renderPrintJob(printer, job);
    if (report.outcome != ui::PrintOutcome::Printed) {
        printError(options->pdf.empty() ? "the printer could not be opened" : "cannot write " + options->pdf);
        return kExitFailed;
    }
    for (const ui::SkippedPicture& skipped : report.skipped)
        printError("skipped " + skipped.path + ": " + std::string(statusText(skipped.status)));
    std::printf("%d page%s\n", report.pages, report.pages == 1 ? "" : "s");
    return report.skipped.empty() ? kExitOk : kExitPartly;
}

} // namespace pictra::cli
