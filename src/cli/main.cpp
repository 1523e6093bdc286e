// pictra-cli: a command-line companion to Pictra for scripting and batch
// work on albums and image files. One command per call.
#include "cli_context.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: pictra-cli COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  info [--json] ALBUM        list the album's images: path, date, author, place,\n"
    "                             summary, memo and store-copy size\n"
    "  extract ALBUM DIR          write every embedded copy as DIR/<image name>.jpg\n"
    "  create [--force] [--skip-duplicates] ALBUM IMAGE...\n"
    "                             make a new album of the images (any type Pictra\n"
    "                             reads); images that cannot be read are reported and\n"
    "                             skipped; --force replaces an existing ALBUM;\n"
    "                             --skip-duplicates leaves out an image that repeats an\n"
    "                             earlier one (the same file, or the same picture by\n"
    "                             content: a re-encode or a smaller copy)\n"
    "  convert [--codec own|library] [--quality N] [--lossless] IN OUT\n"
    "                             convert an image file; IN may be any type Pictra reads\n"
    "                             (bmp jpg tif psd pcx png gif webp heic avif jxl), OUT\n"
    "                             is written by its extension (bmp jpg tif psd pcx png\n"
    "                             webp); --quality 1-100 for JPEG and lossy WebP (default:\n"
    "                             the JPEG setting), --lossless writes a lossless WebP;\n"
    "                             --codec own uses Pictra's own JPEG codec\n"
    "  exif FILE                  print the camera data of a picture (JPEG, PNG, WebP,\n"
    "                             HEIC/AVIF, JPEG XL)\n"
    "  print [--paper NAME] [--orientation landscape|portrait] [--margin MM]\n"
    "        [--layout AxD] [--offsets L,T] [--gaps H,V] (--pdf OUT.pdf | --printer NAME)\n"
    "        ALBUM [INDEX...]\n"
    "                             print album images (INDEX from 0, default all) one per\n"
    "                             sheet, or A across and D down with --layout; paper and\n"
    "                             margins in mm, the rest from the print defaults\n"
    "  print --poster PAPER [--orientation landscape|portrait]\n"
    "        [--sheet-orientation landscape|portrait] [--margin MM] --paper SHEET\n"
    "        (--pdf OUT.pdf | --printer NAME) ALBUM INDEX\n"
    "                             print one image as a poster (A0-A3) across sheets\n"
    "                             (A4-A6, B4-B6), the bottom row of sheets first\n"
    "  scan [--list] [--device NAME] [--resolution DPI] [--mode color|gray|lineart]\n"
    "       [--source flatbed|feeder|duplex] [--area max|a4|b5|l|WxH] [--folder DIR]\n"
    "       [--format jpg|bmp] ALBUM\n"
    "                             scan every page from the scanner (default: the first\n"
    "                             one) at DPI (default 300 or the nearest the scanner\n"
    "                             has), in colour, from its flatbed and its whole area\n"
    "                             unless told otherwise (b5 is JIS B5, l is 89x127 mm,\n"
    "                             WxH in mm), into DIR (default: the program folder's\n"
    "                             IMAGE) and add them to ALBUM (made when missing);\n"
    "                             values the scanner does not offer are refused (exit\n"
    "                             2); Ctrl+C stops after the page being read and adds\n"
    "                             the pages scanned (exit 1); --list prints the scanners\n"
    "  edit TOOL IN OUT           apply one image tool to IN and write OUT (formats by\n"
    "                             extension); TOOL is rotate=N (quarter turns counter-\n"
    "                             clockwise, 0..3), flip=v|h|vh (v upside down, h left-\n"
    "                             right), threshold[=T] (T = R + 256 G + 65536 B),\n"
    "                             gray=256|16|2, rgb=R,G,B (-100..100), lhs=L,H,S,\n"
    "                             negative, noise, red, green, blue, or\n"
    "                             histogram=U,L,1|2[,rgb|red|green|blue]; turns and\n"
    "                             flips of a JPEG into a JPEG are lossless and keep its\n"
    "                             Exif (orientation reset), or are re-encoded, saying\n"
    "                             so, when its sides are not whole JPEG blocks\n"
    "  search [--pattern P] [--words TEXT] [--words-any-pattern] PLACE\n"
    "                             find images as the search dialog does: PLACE a\n"
    "                             folder (searched with its subfolders) or an album;\n"
    "                             prints one full path per line; P defaults to *.*;\n"
    "                             in a folder the words test album entries only with\n"
    "                             P *.abm, as in the dialog, and with every P given\n"
    "                             --words-any-pattern\n"
    "  xmp export ALBUM           write each image's date, summary, memo, author and\n"
    "                             place into the XMP sidecar beside its file (IMG_1.xmp\n"
    "                             for IMG_1.jpg), merged with a sidecar already there\n"
    "  xmp import [--overwrite] ALBUM\n"
    "                             fill the images' dates and texts from their sidecars\n"
    "                             (IMG_1.xmp, IMG_1.jpg.xmp) and their files' own Exif,\n"
    "                             XMP and IPTC, and save the album; only empty texts and\n"
    "                             unset dates are filled unless --overwrite is given\n"
    "  relink [--search DIR]... [--apply] ALBUM\n"
    "                             find the moved or renamed originals of the album's\n"
    "                             missing images by their pictures, as 元画像を探す\n"
    "                             does: in each DIR with its subfolders (default: the\n"
    "                             album's folder, the last folders used, the picture\n"
    "                             folder and mounted media); prints \"OLD → NEW\" per\n"
    "                             image found, \"ambiguous: OLD → A | B\" where files are\n"
    "                             equally alike (left unchanged) and \"not found: OLD\";\n"
    "                             --apply points the album at the files found; hashes\n"
    "                             are kept in $XDG_CACHE_HOME/pictra; exit 3 when some\n"
    "                             image was not found\n"
    "  --help                     show this text\n"
    "\n"
    "Settings (JPEG options, image buffer size) come from Pictra's program folder.\n"
    "Exit status: 0 done, 1 failed, 2 wrong arguments, 3 done but images skipped.\n";

} // namespace

int main(int argc, char** argv)
{
    using namespace pictra::cli;
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    const std::string_view command = argv[1];
    const Args args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (command == "info")
        return runInfo(args);
    if (command == "extract")
        return runExtract(args);
    if (command == "create")
        return runCreate(args);
    if (command == "convert")
        return runConvert(args);
    if (command == "exif")
        return runExif(args);
#ifdef PICTRA_CLI_PRINT
    if (command == "print")
        return runPrint(args);
#endif
    if (command == "scan")
        return runScan(args);
    if (command == "edit")
        return runEdit(args);
    if (command == "search")
        return runSearch(args);
    if (command == "xmp")
        return runXmp(args);
    if (command == "relink")
        return runRelink(args);
    printError("unknown command \"" + std::string(command) + "\" (see pictra-cli --help)");
    return kExitUsage;
}
