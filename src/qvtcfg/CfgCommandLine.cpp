#include "qvtcfg/CfgCommandLine.h"

#include "forms/base/IntText.h"
#include "forms/base/StrUtils.h"
#include "shared/TextSearch.h"

TCfgMode ModeOf(std::string_view argument1) {
    const std::string upper = forms::UpperCase(argument1);
    if (upper == "/CFG")
        return TCfgMode::Cfg;
    if (upper == "/STYLE")
        return TCfgMode::Style;
    return TCfgMode::StartForm;
}

TCfgCommandLine ParseCommandLine(const TProgramArguments& arguments) {
    const std::string position = arguments.ParamStr(2);
    std::string left, top;
    GetDelimitedField(':', position, 0, left);
    GetDelimitedField(':', position, 1, top);
    TCfgCommandLine parsed;
    parsed.X = forms::ParseIntText(left).value_or(-1);
    parsed.Y = forms::ParseIntText(top).value_or(-1);
    parsed.NoPos = parsed.X == -1 || parsed.Y == -1;
    parsed.SettingsPath = arguments.ParamStr(3);
    return parsed;
}

int32_t SaturatedAdd(int32_t value, int32_t offset) {
    const int64_t sum = static_cast<int64_t>(value) + offset;
    if (sum > INT32_MAX)
        return INT32_MAX;
    if (sum < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(sum);
}
