// The picture formats the program knows, in one table (names, extensions,
// MIME types, read and write support), and the reader or writer a file name
// asks for. What a file's bytes say is in image_format_sniff.h.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace pictra {

enum class ImageFormat { Unknown, Bmp, Jpeg, Tiff, Psd, Pcx, Png, Gif, Webp, Heif, Avif, Jxl };

struct ImageFormatInfo {
    ImageFormat format = ImageFormat::Unknown;
    std::string_view name;                        // shown to the user: "PNG", "HEIF"
    std::span<const std::string_view> extensions; // lower case, without the dot; the first is the usual one
    std::span<const std::string_view> mimeTypes;  // the first is the shared-mime-info main type
    bool readable = false;
    bool writable = false;
};

// Every known format once, in the order file dialogs list them.
std::span<const ImageFormatInfo> imageFormats();

// The table row of a format; nullptr for Unknown.
const ImageFormatInfo* formatInfo(ImageFormat format);

// The extensions (lower case, no dot) of the formats the program reads /
// writes, in table order. File dialogs build their patterns from these,
// adding the upper-case spelling.
std::vector<std::string_view> readableExtensions();
std::vector<std::string_view> writableExtensions();

// The MIME types of every readable format (for the desktop entry), aliases included.
std::vector<std::string_view> readableMimeTypes();

// The format whose extension `extension` is ("PNG", "jpeg"; no dot), ignoring
// case; Unknown for none.
ImageFormat formatOfExtension(std::string_view extension);

// The reader for a path by the text after the last '.' of its file name,
// ignoring case ("/a/b.HEIC" -> Heif). Unknown for names without a readable
// format's extension.
ImageFormat loadFormatOf(std::string_view path);

// The writer for a path by the text after the last '.' ("bmp", "jpg" or
// "jpeg", "tif" or "tiff", "psd", "pcx", "png", "webp"), ignoring case.
// Unknown for a format the program does not write.
ImageFormat saveFormatOf(std::string_view path);

} // namespace pictra
