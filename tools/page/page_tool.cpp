// Writes the web page's pieces at build time, from the form table and the
// program's resources:
//   acpower_page_tool form <cursor.cur> <directory>
//   acpower_page_tool base64 <file> <out>
//   acpower_page_tool favicon <icon.ico> <out>
//   acpower_page_tool hex-base64 <hex digits>   (to standard output)

#include "tools/encoding/base64.h"
#include "tools/page/binary_files.h"
#include "tools/page/page_markup.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace {

std::optional<std::string> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool WriteFile(const std::string& path, std::string_view text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "acpower_page_tool: cannot write " << path << "\n";
        return false;
    }
    return true;
}

int WriteForm(const std::string& cursorPath, const std::string& directory)
{
    const std::optional<std::string> cursor = ReadFile(cursorPath);
    const std::optional<acpower::page::HotSpot> hotSpot = cursor ? acpower::page::CursorHotSpot(*cursor) : std::nullopt;
    if (!hotSpot) {
        std::cerr << "acpower_page_tool: " << cursorPath << " is not a cursor\n";
        return 1;
    }
    const std::string spot = std::to_string(hotSpot->X) + " " + std::to_string(hotSpot->Y);
    const bool written = WriteFile(directory + "/form.html", acpower::page::FormMarkup())
        && WriteFile(directory + "/form.css", acpower::page::FormStyle(spot))
        && WriteFile(directory + "/form-page.js", acpower::page::FormFacts(spot, false))
        && WriteFile(directory + "/form-element.js", acpower::page::FormFacts(spot, true))
        && WriteFile(directory + "/title.txt", acpower::page::FormTitle())
        && WriteFile(directory + "/theme.txt", acpower::page::ThemeColour())
        && WriteFile(directory + "/manifest.webmanifest", acpower::page::SiteManifest());
    return written ? 0 : 1;
}

int WriteConverted(std::string_view mode, const std::string& from, const std::string& to)
{
    std::optional<std::string> bytes = ReadFile(from);
    if (bytes && mode == "favicon") {
        // A tab shows 16 px, 32 px on a dense screen; the larger images
        // would only make the page heavier.
        bytes = acpower::page::SmallIcons(*bytes, 32);
    }
    if (!bytes) {
        std::cerr << "acpower_page_tool: cannot use " << from << "\n";
        return 1;
    }
    return WriteFile(to, acpower::encoding::Base64(*bytes)) ? 0 : 1;
}

// CMake hashes the page's script and style for its policy, but gives the
// digest in hex, where the policy wants base64.
int PrintHexAsBase64(std::string_view digits)
{
    const std::optional<std::string> bytes = acpower::encoding::FromHex(digits);
    if (!bytes) {
        std::cerr << "acpower_page_tool: not hexadecimal: " << digits << "\n";
        return 1;
    }
    std::cout << acpower::encoding::Base64(*bytes);
    return std::cout.flush() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (argc == 4 && mode == "form") {
        return WriteForm(argv[2], argv[3]);
    }
    if (argc == 4 && (mode == "base64" || mode == "favicon")) {
        return WriteConverted(mode, argv[2], argv[3]);
    }
    if (argc == 3 && mode == "hex-base64") {
        return PrintHexAsBase64(argv[2]);
    }
    std::cerr << "usage: acpower_page_tool form <cursor.cur> <directory>\n"
                 "       acpower_page_tool base64|favicon <file> <out>\n"
                 "       acpower_page_tool hex-base64 <hex digits>\n";
    return 2;
}
