// The image tools of the enlarged view: which command opens which tool, the
// tool's dialog, title and popup-menu text, and the files it writes in the program folder's
// TEMP folder (the scratch BMP of the edited picture and the "開く" copy).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pictra {

enum class ImageTool {
    Rotate,
    Flip,
    Threshold,
    Rgb,
    LightnessHueSaturation,
    GrayScale,
    Negative,
    Noise,
    RedScale,
    GreenScale,
    BlueScale,
    Histogram,
};

struct ImageToolInfo {
    ImageTool tool;
    int command;              // the enlarged view's command that opens it
    int dialog;               // dialog template number (155 serves five tools)
    std::string_view title;   // window title
    std::string_view menuText; // its item in the view's popup menu (shorter for RGB)
    std::string_view scratch; // scratch file name in TEMP ("_rgb.dat")
    std::string_view suffix;  // ending of the "開く" copy ("_rgb.bmp")
};

const ImageToolInfo& imageToolInfo(ImageTool tool);
// The tool a command opens; nullopt for any other command.
std::optional<ImageTool> toolForCommand(int command);

// programFolder/TEMP/<scratch name>.
std::string toolScratchPath(std::string_view programFolder, ImageTool tool);
// programFolder/TEMP/<BaseName of the source><suffix>: where "開く" puts the result.
std::string toolOpenPath(std::string_view programFolder, std::string_view sourcePath, ImageTool tool);
// The name "追加" writes: the chosen name when its extension is one the
// program writes (see the format table; any case), else the name with its
// extension replaced by (or, without one, followed by) "jpg".
std::string addedFilePath(std::string_view chosenPath);

// Where "変更" keeps the result of a picture whose format the program cannot
// write: a JPEG beside it, "IMG_1.jpg" for "IMG_1.heic", else "IMG_1-1.jpg",
// "IMG_1-2.jpg" ..., the first name `taken` says is free. nullopt when no
// free name fits a stored path (359 bytes) within 999 tries.
std::optional<std::string> jpegBesidePath(std::string_view source, const std::function<bool(const std::string&)>& taken);

} // namespace pictra
