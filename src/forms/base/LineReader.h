#pragma once
// Reads text lines as the data files define them: a line ends at LF (a CR right before it is
// dropped), any other CR is left out of the line, byte 1A ends the input, and lines have no
// length limit.
#include <string>
#include <string_view>

namespace forms {

class TStream;

class TLineReader {
public:
    explicit TLineReader(std::string_view bytes) : bytes_(bytes) {}
    // Reads the stream from its position in chunks, so that a large file is never held whole.
    explicit TLineReader(TStream& stream) : stream_(&stream) {}

    // The next line into line; false at the end of the input.
    bool Next(std::string& line);

private:
    // More input into bytes_ (stream mode only); false at its end.
    bool Refill();

    TStream* stream_ = nullptr;
    std::string chunk_;
    std::string_view bytes_;
    size_t pos_ = 0;
    bool ended_ = false;
};

} // namespace forms
