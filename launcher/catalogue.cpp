#include "launcher/catalogue.h"

#include <array>
#include <span>

namespace catalogue {
namespace {

// With NamesTitle, the third line is Line3 followed by the application title and a full
// stop, built each time the list is filled.
struct TTool {
    const char* Title;
    const char* Line2;
    const char* Line3;
    const char* Line4;
    const char* Program;
    bool NamesTitle = false;
};

constexpr std::array DataTools{
    TTool{"Data CD", "Create a standard data disc which can be used to save all",
          "types of files and complete folders. The disc can be read", "on all Windows platforms.",
          "FileWriter.exe"},
    TTool{"Data DVD", "Create a data DVD which can be used to save all types of",
          "files and complete folders. The DVD can be read on all", "Windows platforms.",
          "FileWriter.exe"},
    TTool{"Data HD DVD", "Create a HD DVD which can be used to save all types of",
          "files and complete folders. The disc can be read on all",
          "Windows platforms which support HD DVD drives.", "FileWriter.exe"},
    TTool{"Data Blu-ray Disc", "Create a Blu-ray disc which can be used to save all types",
          "of files and complete folders. The disc can be read on all", "Windows platforms.",
          "FileWriter.exe"},
};

constexpr std::array MusicTools{
    TTool{"Audio CD", "Create a standard data Audio CD which will play on all audio",
          "CD players. MP3/OGG/WMA files will be automatically converted",
          "to Audio CD format during the burn process.", "SoundWriter.exe"},
    TTool{"Grab Audio CD", "Grab audio track from Audio CD to wave file and convert audio data",
          "to Windows Media Audio format", " ", "SoundRipper.exe"},
};

constexpr std::array VideoTools{
    TTool{"Video CD", "Create a Video CD from your video that can be played back on",
          "most VCD and DVD players. The files are automatically converted",
          "to the correct format during the burn process.", "MovieWriter.exe"},
    TTool{"Super Video CD", "Create a high quality Super Video CD from your video that can be",
          "played back on most SVCD and DVD players. The files are automatically",
          "converted to the correct format during the burn process.", "MovieWriter.exe"},
    TTool{"DVD-Video Files", "Create a high quality DVD-Video from DVD-Video file structures on",
          "Your hard drive. Please note that to make a DVD-Video disc you",
          "must use a DVD authoring tool.", "MovieWriter.exe"},
};

constexpr std::array ToolsTools{
    TTool{"Disc Eraser", "This wizard will guide you through CD or DVD disc erasing process",
          "using ", " ", "MediaWiper.exe", true},
    TTool{"Device Info", "This wizard will show information about CD/DVD devices present",
          "in the system and discs inserted into them.", " ", "DriveProbe.exe"},
    TTool{"ISO Creator", "The wizard will help you to build file system ISO that can be later",
          "burned on disc.", " ", "ImageMaker.exe"},
    TTool{"ISO Burner", "The wizard will guide you through file system ISO burning process",
          "using ", " ", "ImageWriter.exe", true},
    TTool{"ISO Grabber", "The wizard will guide you through data disc grabbing process using", "",
          " ", "ImageRipper.exe", true},
};

struct TCategory {
    std::span<const TTool> Tools;
    int FirstToolIcon;
};

const std::array<TCategory, CategoryCount> Categories{{
    {DataTools, 0},
    {MusicTools, 4},
    {VideoTools, 6},
    {ToolsTools, 9},
}};

std::span<const TTool> ToolsOf(int category) {
    if (category < 0 || category >= CategoryCount)
        return {};
    return Categories[size_t(category)].Tools;
}

std::string TextOf(const TTool& tool, const std::string& title) {
    const std::string line3 = tool.NamesTitle ? tool.Line3 + title + "." : tool.Line3;
    return std::string(tool.Title) + '\r' + tool.Line2 + '\r' + line3 + '\r' + tool.Line4;
}

} // namespace

const std::vector<std::string>& CategoryNames() {
    static const std::vector<std::string> names{"Data", "Music", "Video", "Tools"};
    return names;
}

std::vector<std::string> EntryTexts(int category, const std::string& title) {
    std::vector<std::string> texts;
    for (const TTool& tool : ToolsOf(category))
        texts.push_back(TextOf(tool, title));
    return texts;
}

std::optional<std::string> ProgramFor(int category, int position) {
    const auto tools = ToolsOf(category);
    if (position < 0 || size_t(position) >= tools.size())
        return std::nullopt;
    return tools[size_t(position)].Program;
}

int FirstToolIcon(int category) {
    if (category < 0 || category >= CategoryCount)
        return 0;
    return Categories[size_t(category)].FirstToolIcon;
}

} // namespace catalogue
