// The configuration program with editors whose loading fails: every editor raises as soon as it
// is opened, so that tests see what the program does with an error that escapes an editor.
#include "forms/base/Exceptions.h"
#include "forms/win/Application.h"
#include "qvtcfg/ProgramStart.h"
#include "qvtcfg/SystemCfgEnvironment.h"

#include <windows.h>

namespace {
class TRaisingEnvironment : public TSystemCfgEnvironment {
public:
    bool ShowCfgForm(int, int, bool, const std::string& path) override { Fail(path); }
    bool ShowStyleForm(int, int, bool, const std::string& path) override { Fail(path); }

private:
    [[noreturn]] static void Fail(const std::string& path) {
        throw forms::Exception("設定ファイル \"" + path + "\" を読み込めません");
    }
};
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TRaisingEnvironment environment;
    return RunConfigProgram(environment);
}
