#include "forms/base/Exceptions.h"

#include "forms/base/StrUtils.h"

#include <cstdio>

namespace forms {

EListIndexError::EListIndexError(int64_t index)
    : Exception(Format("リストのインデックスが範囲を超えています (%s)", {IntToStr(index)})) {}

EGridIndexError::EGridIndexError(int64_t index)
    : Exception(Format("グリッドのインデックスが範囲を超えています (%s)", {IntToStr(index)})) {}

EConversionError::EConversionError(std::string_view text)
    : Exception(Format("'%s' は整数ではありません", {text})) {}

EStreamReadError::EStreamReadError() : Exception("ストリームからの読み込みエラー") {}

EFileOpenError::EFileOpenError(std::string_view fileName, std::string_view reason)
    : Exception(Format("ファイル \"%s\". %s は開けません", {fileName, reason})) {}

EFileCreateError::EFileCreateError(std::string_view fileName, std::string_view reason)
    : Exception(Format("ファイル \"%s\". %s を作成できません", {fileName, reason})) {}

EIoError::EIoError(std::string_view fileName, std::string_view reason)
    : Exception(Format("ファイル \"%s\" の入出力エラー. %s", {fileName, reason})) {}

EBitmapError::EBitmapError() : Exception("ビットマップイメージが不正です") {}

EIniWriteError::EIniWriteError(std::string_view fileName, std::string_view reason)
    : Exception(Format("設定ファイル \"%s\" に書き込めません. %s", {fileName, reason})) {}

namespace {
std::string ComErrorText(int32_t code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(code));
    const std::string text = SysComErrorMessage(code);
    return text.empty() ? Format("OLE エラー %s", {hex}) : Format("%s (%s)", {text, hex});
}
} // namespace

EComError::EComError(int32_t code) : Exception(ComErrorText(code)), code_(code) {}

} // namespace forms
