#pragma once
// Byte streams: exact reads (ReadBuffer raises EStreamReadError when the data ends early), a
// memory stream and a file stream.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace forms {

class FileHandle;
enum class FileMode;

enum class SeekOrigin { Begin, Current, End };

class TStream {
public:
    virtual ~TStream() = default;
    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual size_t Write(const void* buffer, size_t count) = 0;
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;
    virtual int64_t Size() = 0;

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(int64_t position) { Seek(position, SeekOrigin::Begin); }
    int64_t Remaining() { return Size() - Position(); }
    void ReadBuffer(void* buffer, size_t count);
    void WriteBuffer(const void* buffer, size_t count);
    // Copies count bytes from source's position (EStreamReadError when it has fewer).
    void CopyFrom(TStream& source, int64_t count);
};

// The little-endian 32-bit signed integer held in the four bytes at bytes, as the files' indexes
// and tagged values store them.
[[nodiscard]] int32_t Int32LE(const uint8_t* bytes);

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : data_(std::move(bytes)) {}

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    void Clear();
    const std::string& Bytes() const { return data_; }

private:
    std::string data_;
    size_t pos_ = 0;
};

class TFileStream : public TStream {
public:
    // Raises EFileOpenError or EFileCreateError.
    TFileStream(std::string_view fileName, FileMode mode);
    ~TFileStream() override;

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override;

private:
    std::unique_ptr<FileHandle> file_;
};

} // namespace forms
