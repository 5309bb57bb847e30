#include "qvtcfg/ProgramArguments.h"

#include "forms/base/StrUtils.h"

bool IsArgumentSeparator(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b != 0 && b <= 0x20;
}

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> arguments;
    size_t i = 0;
    for (;;) {
        while (i < text.size() && IsArgumentSeparator(text[i]))
            ++i;
        if (i >= text.size())
            return arguments;
        std::string argument;
        while (i < text.size() && !IsArgumentSeparator(text[i])) {
            if (text[i] != '"') {
                const size_t next = forms::NextChar(text, i);
                argument.append(text.substr(i, next - i));
                i = next;
                continue;
            }
            ++i; // the opening quote
            while (i < text.size() && text[i] != '"') {
                const size_t next = forms::NextChar(text, i);
                argument.append(text.substr(i, next - i));
                i = next;
            }
            if (i < text.size())
                ++i; // the closing quote
        }
        arguments.push_back(std::move(argument));
    }
}

size_t OwnPathPrefix(std::string_view commandLine, const std::vector<std::string>& ownPaths) {
    for (const std::string& path : ownPaths) {
        if (path.empty() || commandLine.size() < path.size())
            continue;
        if (!forms::SameText(commandLine.substr(0, path.size()), path))
            continue;
        if (commandLine.size() == path.size() || IsArgumentSeparator(commandLine[path.size()]))
            return path.size();
    }
    return 0;
}

TProgramArguments::TProgramArguments(std::string_view commandLine,
                                     std::vector<std::string> ownPaths) {
    const size_t prefix = OwnPathPrefix(commandLine, ownPaths);
    arguments_ = SplitArguments(commandLine.substr(prefix));
    std::string fromLine;
    if (prefix > 0) {
        fromLine = std::string(commandLine.substr(0, prefix));
    } else if (!arguments_.empty()) {
        fromLine = arguments_.front();
        arguments_.erase(arguments_.begin());
    }
    program_ = !ownPaths.empty() ? ownPaths.front() : fromLine;
}

std::string TProgramArguments::ParamStr(int index) const {
    if (index < 0 || index > ParamCount())
        return "";
    const std::string& argument =
        index == 0 ? program_ : arguments_[static_cast<size_t>(index - 1)];
    return argument.find('\0') == std::string::npos ? argument : "";
}
