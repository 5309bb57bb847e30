// Build-time tool: copies a UTF-8 C++ source, writing every non-ASCII character of its narrow
// string and character literals as the code-page-932 bytes g++ -fexec-charset=CP932 gives it, in
// three-digit octal escapes. Compilers without that option (clang) then build the same bytes.
// g++ converts through the C library's iconv, so the tool does too, and checks each result against
// the generated code-page table: a character that does not convert both ways is an error, never a
// silent difference.
//   cp932_escape <in.cpp> <out.cpp>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <iterator>
#include <stdexcept>
#include <string>

#include "cp932_table.inc"

namespace {

struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The code point a CP932 byte sequence decodes to in the table; 0 = none.
uint32_t TableDecode(const std::string& bytes) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() == 1)
        return kSingleByte[b(0)];
    if (bytes.size() != 2)
        return 0;
    const int lead = b(0);
    if (lead >= 0x81 && lead <= 0x9F)
        return kDoubleByte[lead - 0x81][b(1)];
    if (lead >= 0xE0 && lead <= 0xFC)
        return kDoubleByte[lead - 0xE0 + 31][b(1)];
    return 0;
}

class Converter {
public:
    Converter() : cd_(iconv_open("CP932", "UTF-8")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw Error("the C library has no CP932 codec");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // One UTF-8 character (whole sequence) to its CP932 bytes.
    std::string Encode(const std::string& utf8, uint32_t codePoint) {
        char out[8];
        char* ip = const_cast<char*>(utf8.data());
        char* op = out;
        size_t il = utf8.size(), ol = sizeof out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &ip, &il, &op, &ol) == static_cast<size_t>(-1) || il != 0)
            throw Error("character U+" + Hex(codePoint) + " has no code-page-932 form");
        const std::string bytes(out, static_cast<size_t>(op - out));
        if (TableDecode(bytes) != codePoint)
            throw Error("character U+" + Hex(codePoint) + " does not round-trip through the table");
        return bytes;
    }

private:
    static std::string Hex(uint32_t v) {
        char s[16];
        std::snprintf(s, sizeof s, "%04X", static_cast<unsigned>(v));
        return s;
    }
    iconv_t cd_;
};

bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

class Escaper {
public:
    explicit Escaper(const std::string& in) : in_(in) {}

    std::string Run() {
        while (i_ < in_.size()) {
            const char c = in_[i_];
            if (c == '/' && Next() == '/')
                CopyUntil("\n");
            else if (c == '/' && Next() == '*')
                CopyUntil("*/");
            else if (c == '"' || c == '\'')
                Literal(c);
            else
                Copy(1);
        }
        return out_;
    }

    size_t Line() const {
        size_t line = 1;
        for (size_t k = 0; k < i_ && k < in_.size(); ++k)
            line += in_[k] == '\n';
        return line;
    }

private:
    char Next() const { return i_ + 1 < in_.size() ? in_[i_ + 1] : '\0'; }
    void Copy(size_t n) {
        out_.append(in_, i_, n);
        i_ += n;
    }
    void CopyUntil(const char* end) {
        const size_t at = in_.find(end, i_ + 2);
        Copy(at == std::string::npos ? in_.size() - i_
                                     : at - i_ + std::char_traits<char>::length(end));
    }

    // The identifier or number just before a quote: an encoding prefix, a raw marker, or the digits
    // of a number with a digit separator.
    std::string WordBefore() const {
        size_t start = i_;
        while (start > 0 && IsWordChar(in_[start - 1]))
            --start;
        return in_.substr(start, i_ - start);
    }

    void Literal(char quote) {
        const std::string word = WordBefore();
        if (quote == '\'' && !word.empty() && word[0] >= '0' && word[0] <= '9') {
            Copy(1); // 1'000
            return;
        }
        if (quote == '"' &&
            (word == "R" || word == "u8R" || word == "uR" || word == "UR" || word == "LR")) {
            RawLiteral(word == "R");
            return;
        }
        const bool narrow = word != "u8" && word != "u" && word != "U" && word != "L";
        Copy(1);
        while (true) {
            if (i_ >= in_.size() || in_[i_] == '\n')
                throw Error("unterminated literal");
            const unsigned char c = static_cast<unsigned char>(in_[i_]);
            if (c == static_cast<unsigned char>(quote)) {
                Copy(1);
                return;
            }
            if (c == '\\') {
                if (i_ + 1 < in_.size() && static_cast<unsigned char>(in_[i_ + 1]) >= 0x80)
                    throw Error("backslash before a non-ASCII character");
                Copy(2);
            } else if (c >= 0x80 && narrow)
                EscapeCharacter();
            else
                Copy(1);
        }
    }

    void RawLiteral(bool narrow) {
        const size_t open = in_.find('(', i_);
        if (open == std::string::npos)
            throw Error("raw literal without '('");
        const std::string close = ")" + in_.substr(i_ + 1, open - i_ - 1) + "\"";
        const size_t end = in_.find(close, open);
        if (end == std::string::npos)
            throw Error("unterminated raw literal");
        const size_t n = end + close.size() - i_;
        for (size_t k = i_; narrow && k < i_ + n; ++k)
            if (static_cast<unsigned char>(in_[k]) >= 0x80)
                throw Error(
                    "raw literal with non-ASCII characters: write it as an ordinary literal");
        Copy(n);
    }

    void EscapeCharacter() {
        const unsigned char lead = static_cast<unsigned char>(in_[i_]);
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i_ + length > in_.size())
            throw Error("invalid UTF-8");
        uint32_t codePoint = lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const unsigned char c = static_cast<unsigned char>(in_[i_ + k]);
            if ((c & 0xC0) != 0x80)
                throw Error("invalid UTF-8");
            codePoint = codePoint << 6 | (c & 0x3F);
        }
        // Octal escapes take at most three digits, so writing all three keeps a following digit
        // out of the escape.
        for (const char b : converter_.Encode(in_.substr(i_, length), codePoint)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(b));
            out_ += escape;
        }
        i_ += length;
    }

    const std::string& in_;
    std::string out_;
    size_t i_ = 0;
    Converter converter_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: cp932_escape <in.cpp> <out.cpp>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::perror(argv[1]);
        return 1;
    }
    const std::string source{std::istreambuf_iterator<char>(in), {}};
    Escaper escaper(source);
    std::string escaped;
    try {
        escaped = escaper.Run();
    } catch (const Error& e) {
        std::fprintf(stderr, "%s:%zu: %s\n", argv[1], escaper.Line(), e.what());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << escaped;
    if (!out.flush()) {
        std::perror(argv[2]);
        return 1;
    }
    return 0;
}
