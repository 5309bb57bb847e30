#pragma once
// An environment of the configuration program without a system: a command line and program
// paths as given, a current folder for relative names, a set of existing files, and editors and
// messages that record how they were called (and may raise).
#include "qvtcfg/CfgEnvironment.h"

#include "forms/base/Exceptions.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace cfgtest {

struct EditorCall {
    std::string editor; // "cfg" or "style"
    int x = 0, y = 0;
    bool centre = false;
    std::string path;
};

struct MessageCall {
    std::string message, title;
    int x = 0, y = 0;
};

class FakeCfgEnvironment : public TCfgEnvironment {
public:
    std::string commandLine;
    std::vector<std::string> programPaths{"C:\\KB\\qvtcfg.exe"};
    // Relative names are full below this folder; a name starting with "?" cannot be made full.
    std::string currentFolder = "C:\\cur\\";
    std::set<std::string> files;
    bool editorAnswer = true;
    // Raised by the editors when set.
    std::function<void()> editorFails;

    std::vector<EditorCall> editors;
    std::vector<MessageCall> messages;
    std::vector<std::string> errors;

    std::string CommandLine() override { return commandLine; }
    std::vector<std::string> ProgramPaths() override { return programPaths; }
    std::string FullPath(const std::string& path) override {
        if (path.empty() || path[0] == '?')
            return "";
        const bool absolute = path.size() > 1 && path[1] == ':';
        return absolute ? path : currentFolder + path;
    }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    bool ShowCfgForm(int x, int y, bool centre, const std::string& path) override {
        return Edit("cfg", x, y, centre, path);
    }
    bool ShowStyleForm(int x, int y, bool centre, const std::string& path) override {
        return Edit("style", x, y, centre, path);
    }
    void TellError(std::string_view message, std::string_view title, int x, int y) override {
        messages.push_back({std::string(message), std::string(title), x, y});
    }
    void ShowError(std::exception_ptr error) override {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            errors.push_back(e.what());
        }
    }

private:
    bool Edit(const char* editor, int x, int y, bool centre, const std::string& path) {
        editors.push_back({editor, x, y, centre, path});
        if (editorFails)
            editorFails();
        return editorAnswer;
    }
};

} // namespace cfgtest
