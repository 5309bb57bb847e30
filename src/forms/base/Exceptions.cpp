#include "forms/base/Exceptions.h"

#include "forms/base/StrUtils.h"

namespace forms {

EListIndexError::EListIndexError(int64_t index)
    : Exception(Format("リストのインデックスが範囲を超えています (%s)", {IntToStr(index)})) {}

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

} // namespace forms
