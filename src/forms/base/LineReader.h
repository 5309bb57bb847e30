#pragma once
// Reads text lines as the data files define them: a line ends at LF (a CR right before it is
// dropped), any other CR is left out of the line, byte 1A ends the input, and lines have no
// length limit.
#include <string>
#include <string_view>

namespace forms {

class TLineReader {
public:
    explicit TLineReader(std::string_view bytes) : bytes_(bytes) {}
    // The next line into line; false at the end of the input.
    bool Next(std::string& line);

private:
    std::string_view bytes_;
    size_t pos_ = 0;
    bool ended_ = false;
};

} // namespace forms
