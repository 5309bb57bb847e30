#include "forms/base/LineReader.h"

#include "forms/base/Streams.h"

namespace forms {

namespace {
constexpr size_t kChunkBytes = 64 * 1024;
}

bool TLineReader::Refill() {
    if (!stream_)
        return false;
    chunk_.resize(kChunkBytes);
    chunk_.resize(stream_->Read(chunk_.data(), chunk_.size()));
    bytes_ = chunk_;
    pos_ = 0;
    return !chunk_.empty();
}

bool TLineReader::Next(std::string& line) {
    line.clear();
    if (ended_ || (pos_ >= bytes_.size() && !Refill()))
        return false;
    bool consumed = false; // any byte of this line, a dropped CR included
    for (;;) {
        if (pos_ >= bytes_.size() && !Refill())
            return true; // the last line has no LF
        // Two byte searches: the line feed, then the end mark before it.
        const size_t lf = bytes_.find('\n', pos_);
        const size_t mark =
            bytes_.substr(pos_, (lf == std::string_view::npos ? bytes_.size() : lf) - pos_)
                .find('\x1A');
        const size_t stop = mark == std::string_view::npos ? lf : pos_ + mark;
        const size_t end = stop == std::string_view::npos ? bytes_.size() : stop;
        for (std::string_view rest = bytes_.substr(pos_, end - pos_); !rest.empty();) {
            const size_t cr = rest.find('\r');
            line.append(rest.substr(0, cr));
            rest.remove_prefix(cr == std::string_view::npos ? rest.size() : cr + 1);
        }
        consumed = consumed || end > pos_;
        pos_ = end;
        if (stop == std::string_view::npos)
            continue;
        if (bytes_[stop] == '\x1A') {
            ended_ = true;
            return consumed; // the text before the end mark is the last line
        }
        ++pos_;
        return true;
    }
}

} // namespace forms
