// The table of pictra-cli's commands: what `pictra-cli --help` lists and
// what each `pictra-cli COMMAND --help` prints. The usage forms here are
// also what a command prints when its arguments do not fit.
#include "cli_commands.h"

#include <algorithm>
#include <array>

namespace pictra::cli {
namespace {

// A usage's forms are indented to follow "usage: ", a form's continuation
// lines to follow its command's name.

constexpr OptionSpec kInfoOptions[] = {{"--json"}};
constexpr OptionSpec kCreateOptions[] = {{"--force"}, {"--skip-duplicates"}};
constexpr OptionSpec kConvertOptions[] = {{"--codec", true}, {"--quality", true}, {"--lossless"}};
#ifdef PICTRA_CLI_PRINT // printing comes with the Qt build only
constexpr OptionSpec kPrintOptions[] = {
    {"--paper", true},   {"--orientation", true}, {"--margin", true}, {"--layout", true},
    {"--offsets", true}, {"--gaps", true},        {"--pdf", true},    {"--printer", true},
    {"--poster", true},  {"--sheet-orientation", true}};
#endif
constexpr OptionSpec kScanOptions[] = {{"--list"},          {"--device", true}, {"--resolution", true},
                                       {"--mode", true},    {"--source", true}, {"--area", true},
                                       {"--folder", true},  {"--format", true}};
constexpr OptionSpec kSearchOptions[] = {{"--pattern", true}, {"--words", true}, {"--words-any-pattern"}};
constexpr OptionSpec kXmpOptions[] = {{"--overwrite"}};
constexpr OptionSpec kRelinkOptions[] = {{"--search", true}, {"--apply"}};

const CliCommand kCommands[] = {
    {"info", "list an album's images with their dates, texts and store copies",
     "pictra-cli info [--json] ALBUM",
     "Lists the album's images: path, date, author, place, summary, memo and the\n"
     "size of the store copy. --json prints the same as one JSON object.\n",
     kInfoOptions, runInfo},
    {"extract", "write every store copy of an album as a JPEG file",
     "pictra-cli extract ALBUM DIR",
     "Writes every embedded copy as DIR/<image name>.jpg (\"-2\", \"-3\" ... added\n"
     "where two images have the same name) and prints each file written.\n",
     {}, runExtract},
    {"create", "make a new album of image files",
     "pictra-cli create [--force] [--skip-duplicates] ALBUM IMAGE...",
     "Makes a new album of the images (any type Pictra reads); images that cannot\n"
     "be read are reported and skipped.\n"
     "  --force            replace an existing ALBUM\n"
     "  --skip-duplicates  leave out an image that repeats an earlier one (the same\n"
     "                     file, or the same picture by content: a re-encode or a\n"
     "                     smaller copy), one line each\n",
     kCreateOptions, runCreate},
    {"convert", "convert an image file to another type",
     "pictra-cli convert [--codec own|library] [--quality N] [--lossless] IN OUT",
     "Converts an image file. IN may be any type Pictra reads (bmp jpg tif psd pcx\n"
     "png gif webp heic avif jxl); OUT is written by its extension (bmp jpg tif psd\n"
     "pcx png webp).\n"
     "  --quality N   1-100 for JPEG and lossy WebP (default: the JPEG setting)\n"
     "  --lossless    write a lossless WebP\n"
     "  --codec own   use Pictra's own JPEG codec (default: library)\n",
     kConvertOptions, runConvert},
    {"exif", "print the camera data of a picture",
     "pictra-cli exif FILE",
     "Prints the camera data (Exif) of a JPEG, PNG, WebP, HEIC/AVIF or JPEG XL\n"
     "picture.\n",
     {}, runExif},
#ifdef PICTRA_CLI_PRINT
    {"print", "print album images, or one as a poster, to a PDF file or a printer",
     "pictra-cli print [--paper NAME] [--orientation landscape|portrait]\n"
     "                        [--margin MM] [--layout AxD] [--offsets L,T] [--gaps H,V]\n"
     "                        (--pdf OUT.pdf | --printer NAME) ALBUM [INDEX...]\n"
     "       pictra-cli print --poster PAPER [--orientation landscape|portrait]\n"
     "                        [--sheet-orientation landscape|portrait] [--margin MM]\n"
     "                        --paper SHEET (--pdf OUT.pdf | --printer NAME) ALBUM INDEX",
     "The first form prints album images (INDEX from 0, default all) one per sheet,\n"
     "or A across and D down with --layout; paper A0-A6, B3-B6, L判, ２L判 or\n"
     "FREEｻｲｽﾞ, margins in mm, the rest from the print defaults.\n"
     "The second form prints one image as a poster (A0-A3) across sheets (A4-A6,\n"
     "B4-B6), the bottom row of sheets first.\n",
     kPrintOptions, runPrint},
#endif
    {"scan", "scan pages from a scanner into an album",
     "pictra-cli scan [--list] [--device NAME] [--resolution DPI]\n"
     "                       [--mode color|gray|lineart] [--source flatbed|feeder|duplex]\n"
     "                       [--area max|a4|b5|l|WxH] [--folder DIR] [--format jpg|bmp]\n"
     "                       ALBUM",
     "Scans every page from the scanner (default: the first one) at DPI (default 300\n"
     "or the nearest the scanner has), in colour, from its flatbed and its whole\n"
     "area unless told otherwise, into DIR (default: the program folder's IMAGE),\n"
     "and adds them to ALBUM (made when missing).\n"
     "  --area   max (the whole area), a4, b5 (JIS B5), l (89x127 mm) or WxH in mm\n"
     "  --list   print the scanners\n"
     "Values the scanner does not offer are refused (exit 2). Ctrl+C stops after\n"
     "the page being read and adds the pages scanned (exit 1).\n",
     kScanOptions, runScan},
    {"edit", "apply one image tool to a file",
     "pictra-cli edit TOOL IN OUT",
     "Applies one image tool to IN and writes OUT (formats by extension). TOOL is\n"
     "rotate=N (quarter turns counter-clockwise, 0..3), flip=v|h|vh (v upside down,\n"
     "h left-right), threshold[=T] (T = R + 256 G + 65536 B), gray=256|16|2,\n"
     "rgb=R,G,B (-100..100), lhs=L,H,S, negative, noise, red, green, blue, or\n"
     "histogram=U,L,1|2[,rgb|red|green|blue]. Turns and flips of a JPEG into a JPEG\n"
     "are lossless and keep its Exif (orientation reset), or are re-encoded, saying\n"
     "so, when its sides are not whole JPEG blocks.\n",
     {}, runEdit},
    {"search", "find images in a folder tree or an album",
     "pictra-cli search [--pattern P] [--words TEXT] [--words-any-pattern] PLACE",
     "Finds images as the search dialog does. PLACE is a folder (searched with its\n"
     "subfolders) or an album; prints one full path per line. P defaults to *.*.\n"
     "In a folder the words test album entries only with P *.abm, as in the\n"
     "dialog, and with every P given --words-any-pattern.\n",
     kSearchOptions, runSearch},
    {"xmp", "carry an album's dates and texts to and from XMP sidecars",
     "pictra-cli xmp export ALBUM\n"
     "       pictra-cli xmp import [--overwrite] ALBUM",
     "export writes each image's date, summary, memo, author and place into the XMP\n"
     "sidecar beside its file (IMG_1.xmp for IMG_1.jpg), merged with a sidecar\n"
     "already there.\n"
     "import fills the images' dates and texts from their sidecars (IMG_1.xmp,\n"
     "IMG_1.jpg.xmp) and their files' own Exif, XMP and IPTC, and saves the album;\n"
     "only empty texts and unset dates are filled unless --overwrite is given.\n",
     kXmpOptions, runXmp},
    {"relink", "find the moved or renamed originals of an album's missing images",
     "pictra-cli relink [--search DIR]... [--apply] ALBUM",
     "Finds the moved or renamed originals of the album's missing images by their\n"
     "pictures, as 元画像を探す does: in each DIR with its subfolders (default: the\n"
     "album's folder, the last folders used, the picture folder and mounted media).\n"
     "Prints \"OLD → NEW\" per image found, \"ambiguous: OLD → A | B\" where files are\n"
     "equally alike (left unchanged) and \"not found: OLD\".\n"
     "  --apply  point the album at the files found\n"
     "Hashes are kept in $XDG_CACHE_HOME/pictra; exit 3 when some image was not\n"
     "found.\n",
     kRelinkOptions, runRelink},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}

const CliCommand* findCliCommand(std::string_view name)
{
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [name](const CliCommand& c) { return c.name == name; });
    return found == std::end(kCommands) ? nullptr : &*found;
}

} // namespace pictra::cli
