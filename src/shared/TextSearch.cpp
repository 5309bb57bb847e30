#include "shared/TextSearch.h"

#include "forms/base/Paths.h"
#include "forms/base/StrUtils.h"

#include <array>

namespace {
constexpr std::array<bool, 256> LettersDigitsAnd(std::string_view punctuation) {
    std::array<bool, 256> set{};
    for (const char c : punctuation)
        set[static_cast<unsigned char>(c)] = true;
    for (int c = '0'; c <= '9'; ++c)
        set[static_cast<size_t>(c)] = true;
    for (int c = 'A'; c <= 'Z'; ++c)
        set[static_cast<size_t>(c)] = set[static_cast<size_t>(c + 32)] = true;
    return set;
}
constexpr std::array<bool, 256> kMailCharacters = LettersDigitsAnd("!$%&*,-./;=?@^_~");
constexpr std::array<bool, 256> kUrlCharacters = LettersDigitsAnd("#%&+-./:=?_~");
constexpr std::string_view kUrlPrefixes[] = {"ftp:", "http:", "https:", "www."};

// A single-byte character of the set; every byte of a double-byte character lies outside.
bool IsMailCharacter(std::string_view s, size_t i) {
    return forms::CharLength(s, i) == 1 && kMailCharacters[static_cast<unsigned char>(s[i])];
}
} // namespace

bool FindMailAddress(std::string_view text, int& start, int& length) {
    start = length = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (!IsMailCharacter(text, i) || text[i] == '@') {
            i = forms::NextChar(text, i);
            continue;
        }
        // Every run that starts inside this one ends where it ends and sees only a part of its
        // '@'s, so when this run holds no address none of them does: the scan goes on after it.
        size_t end = i;
        bool at = false, dotAfterAt = false;
        while (end < text.size() && IsMailCharacter(text, end)) {
            at |= text[end] == '@';
            dotAfterAt |= at && text[end] == '.';
            ++end;
        }
        if (dotAfterAt) {
            start = static_cast<int>(i + 1);
            length = static_cast<int>(end - i);
            return true;
        }
        i = end;
    }
    return false;
}

void GetDelimitedField(char delim, std::string_view text, int index, std::string& field) {
    if (index < 0)
        return;
    std::string rest;
    if (delim == ' ') {
        for (const char c : text)
            if (c != ' ' || rest.empty() || rest.back() != ' ')
                rest += c;
    } else {
        rest = text;
    }
    rest = forms::Trim(rest);
    for (int n = 0; n <= index; ++n) {
        const size_t at = forms::FindChar(rest, delim);
        if (at == forms::npos) {
            field = rest; // every further round gives the same
            return;
        }
        field = rest.substr(0, at);
        rest.erase(0, at + 1);
    }
}

int StrPosIC(std::string_view subText, std::string_view text, int ignoreCase) {
    const size_t at = ignoreCase == 1 ? forms::PosIC(subText, text) : forms::Pos(subText, text);
    return at == forms::npos ? 0 : static_cast<int>(at + 1);
}

bool ExtInList(std::string_view fileName, std::string_view list) {
    const std::string ext = forms::ExtractFileExt(fileName);
    return ext.size() > 1 && StrPosIC(std::string_view(ext).substr(1), list, 1) > 0;
}

bool FindUrl(std::string_view text, int& start, int& length) {
    start = length = 0;
    // Character by character: a trail byte may be an 'f', 'h' or 'w'.
    for (size_t i = 0; i < text.size(); i = forms::NextChar(text, i)) {
        bool match = false;
        for (const std::string_view prefix : kUrlPrefixes)
            match = match || text.substr(i, prefix.size()) == prefix;
        if (!match)
            continue;
        // Every byte of the set is single-byte, so the run ends at the first double-byte
        // character.
        size_t end = i;
        while (end < text.size() && kUrlCharacters[static_cast<unsigned char>(text[end])])
            ++end;
        start = static_cast<int>(i + 1);
        length = static_cast<int>(end - i);
        return true;
    }
    return false;
}
