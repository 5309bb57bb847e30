#pragma once
// The system's environment of the configuration program with the editors recorded instead of
// shown (they may raise), and optionally another program path; messages and the error box are
// the real ones.
#include "qvtcfg/FakeCfgEnvironment.h"
#include "qvtcfg/SystemCfgEnvironment.h"

#include "support/GuiTest.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cfgtest {

class RecordingEnvironment : public TSystemCfgEnvironment {
public:
    std::optional<std::vector<std::string>> programPaths;
    std::function<void()> editorFails;
    bool realEditors = false; // recorded and then shown for real
    std::vector<EditorCall> editors;

    std::vector<std::string> ProgramPaths() override {
        return programPaths ? *programPaths : TSystemCfgEnvironment::ProgramPaths();
    }
    bool ShowCfgForm(int x, int y, bool centre, const std::string& path) override {
        return Edit("cfg", x, y, centre, path) &&
               (!realEditors || TSystemCfgEnvironment::ShowCfgForm(x, y, centre, path));
    }
    bool ShowStyleForm(int x, int y, bool centre, const std::string& path) override {
        return Edit("style", x, y, centre, path) &&
               (!realEditors || TSystemCfgEnvironment::ShowStyleForm(x, y, centre, path));
    }

private:
    bool Edit(const char* editor, int x, int y, bool centre, const std::string& path) {
        editors.push_back({editor, x, y, centre, path});
        if (editorFails)
            editorFails();
        return true;
    }
};

// Reads the message dialog that the driver found, then answers it with OK.
inline kbtest::MessageDialogView ReadAndClose(HWND box) {
    kbtest::MessageDialogView view;
    kbtest::WaitUntil([&] {
        view = kbtest::ReadMessageDialog(box);
        return !view.buttons.empty();
    });
    kbtest::AnswerDialog(box, "OK");
    return view;
}

} // namespace cfgtest
