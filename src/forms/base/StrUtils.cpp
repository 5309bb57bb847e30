#include "forms/base/StrUtils.h"

#include "forms/base/Codepage.h"

namespace forms {

size_t CharLength(std::string_view s, size_t i) {
    if (i + 1 < s.size() && cp932::IsLeadByte(static_cast<unsigned char>(s[i])) && s[i + 1] != '\0')
        return 2;
    return 1;
}

bool IsTrailByte(std::string_view s, size_t i) {
    size_t p = 0;
    while (p < i)
        p = NextChar(s, p);
    return p != i;
}

size_t FindChar(std::string_view s, char c, size_t from) {
    for (size_t i = from; i < s.size(); i = NextChar(s, i))
        if (s[i] == c && CharLength(s, i) == 1)
            return i;
    return npos;
}

size_t LastDelimiter(std::string_view delims, std::string_view s) {
    size_t found = npos;
    for (size_t i = 0; i < s.size(); i = NextChar(s, i))
        if (CharLength(s, i) == 1 && delims.find(s[i]) != std::string_view::npos)
            found = i;
    return found;
}

std::vector<std::string> Split(std::string_view s, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = FindChar(s, separator); at != npos; at = FindChar(s, separator, start)) {
        parts.emplace_back(s.substr(start, at - start));
        start = at + 1;
    }
    parts.emplace_back(s.substr(start));
    return parts;
}

std::vector<TTextLine> SplitLines(std::string_view text) {
    std::vector<TTextLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        const size_t eolLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({text.substr(start, end - start), text.substr(end, eolLength)});
        start = end + eolLength;
    }
    return lines;
}

std::string CutAtBytes(std::string_view s, size_t maxBytes) {
    size_t end = 0;
    while (end < s.size() && NextChar(s, end) <= maxBytes)
        end = NextChar(s, end);
    return std::string(s.substr(0, end));
}

namespace {
template <typename Map> std::string MapAscii(std::string_view s, Map map) {
    std::string out(s);
    for (size_t i = 0; i < out.size(); i = NextChar(out, i))
        if (CharLength(out, i) == 1)
            out[i] = map(out[i]);
    return out;
}
char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
} // namespace

std::string UpperCase(std::string_view s) {
    return MapAscii(s, Upper);
}
std::string LowerCase(std::string_view s) {
    return MapAscii(s, Lower);
}

int CompareText(std::string_view a, std::string_view b) {
    const std::string ua = UpperCase(a), ub = UpperCase(b);
    const int c = ua.compare(ub);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

size_t Pos(std::string_view sub, std::string_view s, size_t from) {
    if (sub.empty())
        return npos;
    for (size_t i = from; i + sub.size() <= s.size(); i = NextChar(s, i))
        if (s.compare(i, sub.size(), sub) == 0)
            return i;
    return npos;
}

size_t PosIC(std::string_view sub, std::string_view s) {
    // Upper-casing is character-wise and keeps byte positions, so positions carry over.
    return Pos(UpperCase(sub), UpperCase(s));
}

bool StartsText(std::string_view prefix, std::string_view s) {
    return s.size() >= prefix.size() && SameText(prefix, s.substr(0, prefix.size())) &&
           !IsTrailByte(s, prefix.size());
}

namespace {
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}
} // namespace

std::string TrimLeft(std::string_view s) {
    size_t b = 0;
    while (b < s.size() && IsBlank(s[b]))
        ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
    // A trail byte is never a blank (trail bytes are 40 and above), so the end can be cut bytewise.
    size_t e = s.size();
    while (e > 0 && IsBlank(s[e - 1]))
        --e;
    return std::string(s.substr(0, e));
}

std::string Trim(std::string_view s) {
    return TrimRight(TrimLeft(s));
}

namespace {
// Replaces from by to, comparing the texts that key gives (which must keep byte positions).
template <typename Key>
std::string ReplaceBy(std::string_view s, std::string_view from, std::string_view to, Key key) {
    if (from.empty())
        return std::string(s);
    const std::string ks = key(s), kf = key(from);
    std::string out;
    size_t i = 0;
    while (i < s.size()) {
        if (ks.compare(i, kf.size(), kf) == 0) {
            out.append(to);
            i += kf.size();
        } else {
            const size_t n = CharLength(s, i);
            out.append(s.substr(i, n));
            i += n;
        }
    }
    return out;
}
} // namespace

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
    return ReplaceBy(s, from, to, [](std::string_view t) { return std::string(t); });
}

std::string ReplaceText(std::string_view s, std::string_view from, std::string_view to) {
    return ReplaceBy(s, from, to, [](std::string_view t) { return UpperCase(t); });
}

std::string Format(std::string_view fmt, std::initializer_list<std::string_view> args) {
    std::string out;
    auto next = args.begin();
    for (size_t i = 0; i < fmt.size(); i = NextChar(fmt, i)) {
        if (fmt[i] == '%' && i + 1 < fmt.size() && fmt[i + 1] == 's') {
            if (next != args.end())
                out.append(*next++);
            ++i;
        } else if (fmt[i] == '%' && i + 1 < fmt.size() && fmt[i + 1] == '%') {
            out.push_back('%');
            ++i;
        } else {
            out.append(fmt.substr(i, CharLength(fmt, i)));
        }
    }
    return out;
}

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

std::string WithoutLineBreaks(std::string_view s) {
    std::string kept;
    kept.reserve(s.size());
    // CR and LF are never the second byte of a double-byte character.
    for (const char c : s)
        if (c != '\r' && c != '\n')
            kept += c;
    return kept;
}

} // namespace forms
