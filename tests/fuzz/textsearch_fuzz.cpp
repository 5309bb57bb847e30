// The links of a button's comment (the command list's "URL: " and "MAIL: " entries) and the text
// searches behind them. Every link offered stands in the comment whole, starting where a character
// starts: a trail byte is never the start of an address.
#include "FuzzTarget.h"

#include "forms/base/StrUtils.h"
#include "qvtdock/CommandMenu.h"
#include "qvtdock/TitleText.h"
#include "shared/TextSearch.h"

#include <vector>

namespace {

std::vector<size_t> CharacterStarts(std::string_view text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); i = forms::NextChar(text, i))
        starts.push_back(i);
    return starts;
}

bool StandsAtACharacter(std::string_view text, const std::vector<size_t>& starts,
                        std::string_view found) {
    for (const size_t i : starts)
        if (text.substr(i, found.size()) == found)
            return true;
    return false;
}

void CheckFirst(std::string_view text, const std::vector<size_t>& starts,
                bool (*find)(std::string_view, int&, int&)) {
    int start = 0, length = 0;
    if (!find(text, start, length))
        return;
    const auto at = static_cast<size_t>(start - 1);
    FUZZ_CHECK(start >= 1 && length >= 1 && at + static_cast<size_t>(length) <= text.size());
    FUZZ_CHECK(StandsAtACharacter(text, starts, text.substr(at, static_cast<size_t>(length))));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string comment = fuzz::Bytes(data, size);
    const std::vector<size_t> starts = CharacterStarts(comment);
    CheckFirst(comment, starts, &FindUrl);
    CheckFirst(comment, starts, &FindMailAddress);

    std::vector<TCommandEntry> entries;
    AddCommentLinks(entries, comment);
    for (const TCommandEntry& entry : entries)
        if (!entry.IsSeparator())
            FUZZ_CHECK(!entry.Hint.empty() && StandsAtACharacter(comment, starts, entry.Hint));

    (void)CommentLines(comment);
    std::string field;
    GetDelimitedField('|', comment, 2, field);
    GetDelimitedField(' ', comment, 1, field);
    (void)ExtInList(comment, ".EXE.COM.SCR.ICO");
    (void)StrPosIC("http", comment, 1);
    return 0;
}
