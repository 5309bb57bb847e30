#include "qvtdock/ChildPrograms.h"

#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"

#include <exception>

using forms::Quoted;

namespace {
constexpr char kCfgProgram[] = "qvtcfg.exe";
constexpr char kSettingsExt[] = ".ini";
constexpr char kCfgMissing[] = "QVTCFG.EXEが見つからない為、処理を中止します。";
constexpr char kEditorMissing[] = "XQMEDIT.EXEが見つからない為、処理を中止します。";
} // namespace

std::string ChildPosition(bool visible, int left, int top) {
    if (!visible)
        return Quoted("-1:-1");
    return Quoted(std::to_string(left) + ":" + std::to_string(top));
}

std::string ChildCommandLine(TChildProgram kind, const TChildLineInputs& in) {
    switch (kind) {
    case TChildProgram::SettingsEditor:
    case TChildProgram::StyleEditor: {
        const char* option = kind == TChildProgram::SettingsEditor ? " /CFG " : " /STYLE ";
        return Quoted(in.ProgramFolder + kCfgProgram) + option +
               ChildPosition(in.Visible, in.Left, in.Top) + " " +
               Quoted(in.SettingsBase + kSettingsExt);
    }
    case TChildProgram::DataEditor:
        return Quoted(in.DataEditorFile) + " /FAS " + Quoted(in.DataFile);
    }
    return {};
}

TChildStartError ChildStartError(TChildProgram kind) {
    switch (kind) {
    case TChildProgram::SettingsEditor:
        return {"環境設定 呼び出しエラー", kCfgMissing};
    case TChildProgram::StyleEditor:
        return {"スタイルの設定 呼び出しエラー", kCfgMissing};
    case TChildProgram::DataEditor:
        break;
    }
    return {"登録データー編集 呼び出しエラー", kEditorMissing};
}

std::string HelpFileOf(std::string_view programPath) {
    return forms::UpperCase(forms::ChangeFileExt(programPath, ".HLP"));
}

void RunBracketed(const std::vector<TBracketStep>& steps, const std::function<void()>& body) {
    std::exception_ptr first;
    const auto keep = [&first](std::exception_ptr e) {
        if (!first)
            first = e;
    };
    // Counted before its Enter runs: a half-taken step is given back too.
    size_t entered = 0;
    try {
        for (const TBracketStep& step : steps) {
            ++entered;
            if (step.Enter)
                step.Enter();
        }
        if (body)
            body();
    } catch (...) {
        keep(std::current_exception());
    }
    while (entered > 0) {
        --entered;
        if (!steps[entered].Leave)
            continue;
        try {
            steps[entered].Leave();
        } catch (...) {
            keep(std::current_exception());
        }
    }
    if (first)
        std::rethrow_exception(first);
}
