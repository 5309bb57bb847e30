#pragma once
// The exceptions of the class library. Messages are code-page-932 text, shown to the user as
// they are.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace forms {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

class EListIndexError : public Exception {
public:
    explicit EListIndexError(int64_t index);
};

// A grid's column or row that does not exist, with the index.
class EGridIndexError : public Exception {
public:
    explicit EGridIndexError(int64_t index);
};

// "'%s' は整数ではありません"
class EConversionError : public Exception {
public:
    explicit EConversionError(std::string_view text);
};

// "ストリームからの読み込みエラー"
class EStreamReadError : public Exception {
public:
    EStreamReadError();
};

// The same error for a length or count read from a stream that is negative or more than the
// stream still holds, so that readers of damaged files can tell it from a value of a wrong type.
class EStreamLengthError : public EStreamReadError {};

// "ファイル "%s". %s は開けません" with the file name and the system's reason.
class EFileOpenError : public Exception {
public:
    EFileOpenError(std::string_view fileName, std::string_view reason);
};

// "ファイル "%s". %s を作成できません"
class EFileCreateError : public Exception {
public:
    EFileCreateError(std::string_view fileName, std::string_view reason);
};

// A failed read or write of an open file.
class EIoError : public Exception {
public:
    EIoError(std::string_view fileName, std::string_view reason);
};

// "ビットマップイメージが不正です"
class EBitmapError : public Exception {
public:
    EBitmapError();
};

// A settings file that could not be written.
class EIniWriteError : public Exception {
public:
    EIniWriteError(std::string_view fileName, std::string_view reason);
};

// An OLE (COM) failure: the HRESULT and the system's text for it.
class EComError : public Exception {
public:
    explicit EComError(int32_t code);
    [[nodiscard]] int32_t Code() const { return code_; }

private:
    int32_t code_;
};

// Raises EComError for a failure code (a negative HRESULT); success codes pass.
inline void OleCheck(int32_t code) {
    if (code < 0)
        throw EComError(code);
}

// The system's text for an error code (errno natively, GetLastError on Windows).
std::string SysErrorMessage(int code);
int LastSystemError();
// The system's text for an HRESULT; empty when it has none (always natively).
std::string SysComErrorMessage(int32_t code);

} // namespace forms
