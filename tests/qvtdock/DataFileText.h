#pragma once
// The bytes of the data file that a first run writes: one page "新規ページ" of ten empty buttons.
#include <string>
#include <string_view>

namespace qvttest {

inline std::string NewDataFileText() {
    const std::string_view head[] = {"; ステータス",
                                     ";*STR",
                                     "\"K+Bandeo\",\"3.00\",\"K+Bandeo のランチャーデータ\",0,0,1",
                                     "**",
                                     "; ページリスト",
                                     ";*PAGE",
                                     "\"新規ページ\",10,0",
                                     "**",
                                     "; ファイルリスト",
                                     ";*FILE",
                                     "; [ 新規ページ ]",
                                     ";*0"};
    std::string text;
    for (auto line : head)
        text.append(line).append("\r\n");
    for (int i = 0; i < 10; ++i)
        text.append("0,0,\"未登録\",\"\",\"\",\"\",\"\",\"\",0,1,\"\"\r\n");
    return text + "**\r\n";
}

} // namespace qvttest
