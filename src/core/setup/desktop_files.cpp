// Texts of the menu entries, the file type and the thumbnailer registration.
#include "core/setup/desktop_files.h"

#include "core/album/album_file.h"
#include "core/image/image_format.h"

namespace pictra {
namespace {

constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";

std::string menuEntry(std::string_view name, const std::string& exec, std::string_view extra)
{
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
    text += "Name=" + desktopString(name) + "\n";
    text += "Exec=" + exec + "\n";
    text += std::string(extra);
    return text;
}

} // namespace

std::string execArgument(std::string_view argument)
{
    std::string escaped;
    bool quote = argument.empty();
    for (char c : argument) {
        if (kReservedInExec.find(c) != std::string_view::npos)
            quote = true;
        if (c == '%') {
            escaped += "%%";
            continue;
        }
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return quote ? "\"" + escaped + "\"" : escaped;
}

std::string execValue(const std::vector<std::string>& arguments)
{
    std::string joined;
    for (const std::string& argument : arguments) {
        if (!joined.empty())
            joined += ' ';
        // Field codes (%f, %i ...) pass as they are.
        joined += (argument.size() == 2 && argument[0] == '%') ? argument : execArgument(argument);
    }
    std::string value;
    for (char c : joined) {
        if (c == '\\')
            value += '\\';
        value += c;
    }
    return value;
}

std::string desktopString(std::string_view value)
{
    std::string out;
    for (char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string programDesktopEntry(const ProgramLocations& where)
{
    std::string extra = "GenericName=写真アルバム\nComment=写真をアルバムに整理して表示・印刷します\n";
    extra += "Icon=" + desktopString(kIconName) + "\n";
    if (!where.workFolder.empty())
        extra += "Path=" + desktopString(where.workFolder) + "\n";
    extra += "Terminal=false\nCategories=Graphics;Photography;Viewer;\n";
    // Words a menu search finds the program by, in both languages its users type.
    extra += "Keywords=写真;アルバム;画像;スライドショー;印刷;photo;album;slideshow;\n";
    extra += "MimeType=" + std::string(kAlbumMimeType) + ";";
    for (std::string_view type : readableMimeTypes())
        extra += std::string(type) + ";";
    extra += "\n";
    extra += "Actions=help;manual;\n";
    const std::string openManual = execValue({"xdg-open", where.manual});
    extra += "\n[Desktop Action help]\nName=ﾍﾙﾌﾟ\nExec=" + openManual + "\n";
    extra += "\n[Desktop Action manual]\nName=ﾏﾆｭｱﾙ\nExec=" + openManual + "\n";
    return menuEntry(kMenuEntryName, execValue({where.program, "%f"}), extra);
}

std::string uninstallDesktopEntry(const std::string& uninstaller, const std::string& installFolder)
{
    const std::string extra = "Comment=" + desktopString(installFolder) + " のPictraを削除します\n"
                              "Icon=" + std::string(kIconName) + "\nTerminal=false\nCategories=Settings;\n";
    return menuEntry(std::string(kMenuEntryName) + " のアンインストール",
                     execValue({uninstaller, "--uninstall", "--target", installFolder}), extra);
}

std::string albumMimePackage()
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    xml += "  <mime-type type=\"" + std::string(kAlbumMimeType) + "\">\n";
    xml += "    <comment>Pictra album</comment>\n";
    xml += "    <comment xml:lang=\"ja\">Pictra アルバム</comment>\n";
    xml += "    <icon name=\"" + std::string(kIconName) + "\"/>\n";
    xml += "    <magic priority=\"80\">\n";
    xml += "      <match type=\"string\" offset=\"0\" value=\"" + std::string(kAlbumMagic) + "\"/>\n";
    xml += "    </magic>\n";
    xml += "    <glob pattern=\"*.abm\"/>\n";
    xml += "  </mime-type>\n</mime-info>\n";
    return xml;
}

std::string thumbnailerEntry(const std::string& thumbnailer)
{
    return "[Thumbnailer Entry]\nTryExec=" + desktopString(thumbnailer) + "\nExec=" +
           execValue({thumbnailer, "%i", "%o", "%s"}) + "\nMimeType=" + std::string(kAlbumMimeType) + ";\n";
}

} // namespace pictra
