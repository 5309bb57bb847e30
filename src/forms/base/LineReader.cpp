#include "forms/base/LineReader.h"

namespace forms {

bool TLineReader::Next(std::string& line) {
    line.clear();
    if (ended_ || pos_ >= bytes_.size())
        return false;
    const size_t start = pos_;
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_];
        if (c == '\x1A') {
            ended_ = true;
            return pos_ > start; // the text before the end mark is the last line
        }
        ++pos_;
        if (c == '\n')
            return true;
        if (c != '\r')
            line.push_back(c);
    }
    return true;
}

} // namespace forms
