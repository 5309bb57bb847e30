#include "forms/base/Filer.h"

#include "forms/base/Codepage.h"
#include "forms/base/Exceptions.h"

#include <algorithm>

namespace forms {

namespace {
enum : uint8_t {
    kInt8 = 0x02,
    kInt16 = 0x03,
    kInt32 = 0x04,
    kString = 0x06,
    kLString = 0x0C,
    kWString = 0x12,
    kUtf8String = 0x14,
};

void PutLE(TStream& s, uint32_t v, int bytes) {
    uint8_t b[4];
    for (int i = 0; i < bytes; ++i)
        b[i] = static_cast<uint8_t>(v >> (8 * i));
    s.WriteBuffer(b, static_cast<size_t>(bytes));
}
} // namespace

void TWriter::WriteInteger(int32_t value) {
    const int bytes = value >= -128 && value <= 127 ? 1 : value >= -32768 && value <= 32767 ? 2 : 4;
    const uint8_t type = bytes == 1 ? kInt8 : bytes == 2 ? kInt16 : kInt32;
    stream_.WriteBuffer(&type, 1);
    PutLE(stream_, static_cast<uint32_t>(value), bytes);
}

void TWriter::WriteString(const std::string& text) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    uint8_t type = kUtf8String;
    std::string bytes = text;
    if (!ascii)
        bytes = cp932::ToUtf8(text);
    else
        type = text.size() <= 255 ? kString : kLString;
    stream_.WriteBuffer(&type, 1);
    if (type == kString)
        PutLE(stream_, static_cast<uint32_t>(bytes.size()), 1);
    else
        PutLE(stream_, static_cast<uint32_t>(bytes.size()), 4);
    stream_.WriteBuffer(bytes.data(), bytes.size());
}

uint8_t TReader::ReadByte() {
    uint8_t b = 0;
    stream_.ReadBuffer(&b, 1);
    return b;
}

int32_t TReader::ReadInt32() {
    uint8_t b[4];
    stream_.ReadBuffer(b, 4);
    return Int32LE(b);
}

int32_t TReader::ReadInteger() {
    switch (ReadByte()) {
    case kInt8:
        return static_cast<int8_t>(ReadByte());
    case kInt16: {
        uint8_t b[2];
        stream_.ReadBuffer(b, 2);
        return static_cast<int16_t>(static_cast<uint16_t>(b[0] | b[1] << 8));
    }
    case kInt32:
        return ReadInt32();
    default:
        throw EStreamReadError();
    }
}

std::string TReader::ReadString() {
    const uint8_t type = ReadByte();
    int64_t length = 0;
    switch (type) {
    case kString:
        length = ReadByte();
        break;
    case kLString:
    case kUtf8String:
        length = ReadInt32();
        break;
    case kWString:
        length = int64_t{ReadInt32()} * 2;
        break;
    default:
        throw EStreamReadError();
    }
    if (length < 0 || length > stream_.Remaining())
        throw EStreamLengthError();
    std::string bytes(static_cast<size_t>(length), '\0');
    stream_.ReadBuffer(bytes.data(), bytes.size());
    if (type == kUtf8String)
        return cp932::FromUtf8(bytes);
    if (type == kWString) {
        std::u16string units(bytes.size() / 2, u'\0');
        for (size_t i = 0; i < units.size(); ++i)
            units[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                             static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
        return cp932::FromUtf16(units);
    }
    return bytes;
}

} // namespace forms
