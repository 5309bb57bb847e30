#include "qvtdock/TitleText.h"

#include "forms/base/IntText.h"
#include "forms/base/StrUtils.h"

std::string CounterText(int64_t value) {
    return forms::IntToStrPad(value, 3);
}

std::string CommentLines(std::string_view comment) {
    // Matched only where a character starts, so the 5C byte inside ソ or 表 is no backslash.
    return forms::ReplaceAll(comment, "\\n", "\r\n");
}

std::string ComposeButtonText(const TLaunchList& list, int page, int slot, bool withComment,
                              bool withPage) {
    const TLaunchDataItem& item = *list.Items(page, slot);
    const std::string comment = withComment ? CommentLines(item.Comment) : std::string();
    std::string text;
    if (withPage)
        text = "[" + list.Pages().Items(page)->Caption + "] \r\n";
    if (!comment.empty())
        return text + item.Title + " : \r\n" + comment;
    return text + item.Title;
}
