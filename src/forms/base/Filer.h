#pragma once
// Tagged values of the older binary forms: a type byte, then little-endian data.
//   02/03/04  integer of 1, 2 or 4 bytes (signed)
//   06        text, 1-byte length, code-page-932 bytes
//   0C        text, 4-byte length, code-page-932 bytes
//   12        text, 4-byte count of UTF-16 units (read only)
//   14        text, 4-byte length, UTF-8
// A wrong type or data that ends early raises EStreamReadError; a text length is checked against
// what the stream still holds before anything is allocated, and one that is negative or too long
// raises EStreamLengthError.
#include "forms/base/Streams.h"

#include <cstdint>
#include <string>

namespace forms {

class TWriter {
public:
    explicit TWriter(TStream& stream) : stream_(stream) {}
    // The smallest integer type that holds the value.
    void WriteInteger(int32_t value);
    // Only bytes below 80: type 06 up to 255 bytes, else 0C; any other text as UTF-8 (14).
    void WriteString(const std::string& text);

private:
    TStream& stream_;
};

class TReader {
public:
    explicit TReader(TStream& stream) : stream_(stream) {}
    int32_t ReadInteger();
    // Type 12 and 14 texts come back in code page 932.
    std::string ReadString();

private:
    uint8_t ReadByte();
    int32_t ReadInt32();
    TStream& stream_;
};

} // namespace forms
