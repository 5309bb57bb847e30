#include "tools/demo/DemoData.h"

#include "forms/base/Codepage.h"
#include "forms/base/Paths.h"
#include "forms/base/SettingsFile.h"
#include "shared/LaunchItems.h"

#include <cstdlib>
#include <map>

namespace demo {

namespace {
// The table is split as UTF-8 bytes: '|' may be the trail byte of a code-page-932 character, but
// never part of a UTF-8 one.
std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t bar = line.find('|', start);
        std::string_view f = line.substr(start, bar == std::string_view::npos ? bar : bar - start);
        while (!f.empty() && static_cast<unsigned char>(f.front()) <= ' ')
            f.remove_prefix(1);
        while (!f.empty() && static_cast<unsigned char>(f.back()) <= ' ')
            f.remove_suffix(1);
        fields.emplace_back(f);
        if (bar == std::string_view::npos)
            return fields;
        start = bar + 1;
    }
}

const std::map<std::string, TItemKind>& Kinds() {
    static const std::map<std::string, TItemKind> kinds = {{"program", ikProgram},
                                                           {"document", ikDocument},
                                                           {"folder", ikFolder},
                                                           {"special", ikSpecialFolder},
                                                           {"url", ikUrl}};
    return kinds;
}

class TableReader {
public:
    explicit TableReader(std::string_view dataFolder) : dataFolder_(dataFolder) {
        data_.List = std::make_unique<TLaunchList>();
        data_.List->DeletePage(0);
    }

    void Line(int number, std::string_view text) {
        number_ = number;
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        const std::vector<std::string> f = Fields(text);
        if (f.size() == 1 && f[0].empty())
            return; // a blank line
        if (f[0].rfind('#', 0) == 0)
            return;
        if (f[0] == "page")
            Page(f);
        else
            Button(f);
    }

    TDemoData Finish() {
        if (data_.List->Pages().Count() == 0)
            throw ETableError("the table has no page");
        return std::move(data_);
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw ETableError("line " + std::to_string(number_) + ": " + what);
    }

    std::string Text(const std::string& utf8) const {
        bool lossy = false;
        std::string text = cp932::FromUtf8(utf8, &lossy);
        if (lossy)
            Fail("\"" + utf8 + "\" has characters that code page 932 cannot hold");
        return text;
    }

    void Page(const std::vector<std::string>& f) {
        if (f.size() != 3)
            Fail("a page has a caption and a number of buttons");
        char* end = nullptr;
        const long count = std::strtol(f[2].c_str(), &end, 10);
        if (f[2].empty() || *end != '\0' || count < 1 || count > 1000)
            Fail("\"" + f[2] + "\" is not a number of buttons from 1 to 1000");
        if (f[1].empty())
            Fail("a page needs a caption");
        data_.List->AddPage(Text(f[1]), static_cast<int>(count), 0);
        filled_ = 0;
    }

    void Button(const std::vector<std::string>& f) {
        const auto kind = Kinds().find(f[0]);
        if (kind == Kinds().end())
            Fail("\"" + f[0] + "\" is no kind of button");
        const size_t fields = kind->second == ikUrl ? 5 : 4;
        if (f.size() != fields)
            Fail(f[0] + " has " + std::to_string(fields) + " fields");
        const int page = data_.List->Pages().Count() - 1;
        if (page < 0)
            Fail("a button before the first page");
        if (filled_ >= data_.List->Pages().Items(page)->BtnCount)
            Fail("more buttons than the page has");
        if (f[1].empty() || f[2].empty())
            Fail("a button needs a title and a path");

        TLaunchDataItem& item = *data_.List->Items(page, filled_++);
        item.Kind = kind->second;
        item.Title = Text(f[1]);
        item.Path = Path(f[2]);
        item.Comment = Text(f[3]);
        item.ShowCmd = kShowNormal;
        switch (kind->second) {
        case ikProgram:
            item.WorkDir = forms::ExtractFileDir(item.Path);
            // Wine's shell gives its own programs the plain document icon; the icon in the file
            // is the program's own.
            item.IconFile = item.Path;
            item.IconIndex = 0;
            break;
        case ikSpecialFolder:
            if (!RootFolderFromName(item.Path))
                Fail("\"" + f[2] + "\" is no special folder");
            break;
        case ikUrl: {
            const std::string name = Text(f[4]);
            if (name.empty() || name.find_first_of("\\/:") != std::string::npos)
                Fail("the shortcut file is a name without a folder");
            item.LinkFile = std::string(dataFolder_) + "\\" + name;
            data_.Links.push_back({name, item.Path});
            break;
        }
        default:
            break;
        }
    }

    // {data} stands for the data folder.
    std::string Path(const std::string& field) const {
        std::string path = Text(field);
        const std::string mark = "{data}";
        if (const size_t at = path.find(mark); at != std::string::npos)
            path.replace(at, mark.size(), dataFolder_);
        return path;
    }

    std::string_view dataFolder_;
    TDemoData data_;
    int number_ = 0;
    int filled_ = 0;
};

std::string Join(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    return forms::IncludeTrailingBackslash(folder) + name;
#else
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
#endif
}
} // namespace

TDemoData ReadDemoTable(std::string_view table, std::string_view dataFolder) {
    TableReader reader(dataFolder);
    int number = 0;
    size_t start = 0;
    while (start < table.size()) {
        const size_t end = table.find('\n', start);
        reader.Line(++number,
                    table.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return reader.Finish();
}

void WriteDemoFolder(const TDemoData& data, const std::string& folder) {
    data.List->SetFileName(Join(folder, "qvtdock.lst"));
    data.List->SaveToFile();
    forms::TSettingsFile ini(Join(folder, "qvtdock.ini"));
    ini.WriteString("Key", "Show", kDemoHotKey);
    ini.WriteInteger("Key", "ShowPos", kDemoHotKeyShowPos);
    for (const TDemoLink& link : data.Links)
        forms::TSettingsFile(Join(folder, link.FileName))
            .WriteString("InternetShortcut", "URL", link.Url);
}

} // namespace demo
