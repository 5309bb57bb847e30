#pragma once
// The demo launcher's data, made from a readable table (tools/demo/demo-launcher.txt): the data
// file qvtdock.lst with its pages and buttons, the internet shortcut files its URL buttons name,
// and a qvtdock.ini that sets the hot key. ./run.sh puts them into a new data folder; the tests
// check that everything they name exists under Wine.
#include "shared/LaunchData.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace demo {

// An error in the table, naming its line ("line 12: ...").
class ETableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An internet shortcut file to write into the data folder.
struct TDemoLink {
    std::string FileName; // a name without a folder, code page 932
    std::string Url;
};

struct TDemoData {
    std::unique_ptr<TLaunchList> List;
    std::vector<TDemoLink> Links;
};

// Reads the table (UTF-8). dataFolder is the data folder as the launcher will see it (code page
// 932, without a trailing backslash); it stands for {data} and holds the shortcut files. Raises
// ETableError for a line it cannot read: an unknown kind, a missing or extra field, a button
// before any page or beyond its page's number of buttons, a number that is not one, a special
// folder of no known name, text that code page 932 cannot hold, or a table without pages.
TDemoData ReadDemoTable(std::string_view table, std::string_view dataFolder);

// The settings of the demo: the hot key Ctrl+Alt+L, and the window shown in the screen's centre
// when it is called by the hot key.
constexpr char kDemoHotKey[] = "Ctrl+Alt+L";
constexpr int kDemoHotKeyShowPos = 2;

// Writes qvtdock.lst, qvtdock.ini and the shortcut files into folder, a path of this platform
// (the files inside it name the folder as dataFolder).
void WriteDemoFolder(const TDemoData& data, const std::string& folder);

} // namespace demo
