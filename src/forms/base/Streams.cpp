#include "forms/base/Streams.h"

#include "forms/base/Exceptions.h"
#include "forms/base/Files.h"

#include <algorithm>
#include <cstring>

namespace forms {

void TStream::ReadBuffer(void* buffer, size_t count) {
    if (count != 0 && Read(buffer, count) != count)
        throw EStreamReadError();
}

void TStream::WriteBuffer(const void* buffer, size_t count) {
    if (count != 0 && Write(buffer, count) != count)
        throw Exception("ストリームへの書き込みエラー");
}

void TStream::CopyFrom(TStream& source, int64_t count) {
    if (count < 0 || count > source.Remaining())
        throw EStreamReadError();
    char chunk[65536];
    while (count > 0) {
        const size_t n = static_cast<size_t>(std::min<int64_t>(count, sizeof chunk));
        source.ReadBuffer(chunk, n);
        WriteBuffer(chunk, n);
        count -= static_cast<int64_t>(n);
    }
}

int32_t Int32LE(const uint8_t* bytes) {
    return static_cast<int32_t>(uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 |
                                uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24);
}

size_t TMemoryStream::Read(void* buffer, size_t count) {
    const size_t n = pos_ < data_.size() ? std::min(count, data_.size() - pos_) : 0;
    if (n)
        std::memcpy(buffer, data_.data() + pos_, n);
    pos_ += n;
    return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count) {
    if (pos_ + count > data_.size())
        data_.resize(pos_ + count);
    if (count)
        std::memcpy(data_.data() + pos_, buffer, count);
    pos_ += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
    const int64_t base = origin == SeekOrigin::Begin     ? 0
                         : origin == SeekOrigin::Current ? static_cast<int64_t>(pos_)
                                                         : Size();
    const int64_t target = base + offset;
    if (target < 0)
        throw EStreamReadError();
    pos_ = static_cast<size_t>(target);
    return target;
}

void TMemoryStream::Clear() {
    data_.clear();
    pos_ = 0;
}

TFileStream::TFileStream(std::string_view fileName, FileMode mode)
    : file_(OpenFile(fileName, mode)) {}

TFileStream::~TFileStream() = default;

size_t TFileStream::Read(void* buffer, size_t count) {
    return file_->Read(buffer, count);
}
size_t TFileStream::Write(const void* buffer, size_t count) {
    return file_->Write(buffer, count);
}
int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin) {
    return file_->Seek(offset, static_cast<int>(origin));
}
int64_t TFileStream::Size() {
    const int64_t here = file_->Seek(0, 1);
    const int64_t end = file_->Seek(0, 2);
    file_->Seek(here, 0);
    return end;
}

} // namespace forms
