#pragma once
// The texts of the title bar and of the button hints: the two counters (the selected button and
// the buttons of the page), and what a button says of itself (its page, title and comment).
#include "shared/LaunchData.h"

#include <cstdint>
#include <string>
#include <string_view>

// A counter: at least three digits, left-filled with zeros; a longer number keeps every digit
// (7 -> "007", 1000 -> "1000").
[[nodiscard]] std::string CounterText(int64_t value);

// A comment as it is shown: every "\n" (a backslash and an n, each a character of its own) is a
// line break (CR LF). A double-byte character whose second byte is a backslash (ソ, 表) followed
// by an n stays as it is.
[[nodiscard]] std::string CommentLines(std::string_view comment);

// The text of slot 'slot' of page 'page': with withPage, "[caption] " and a line break first;
// then the title, and with withComment a non-empty comment as "title : ", a line break and the
// comment's lines. A page or slot outside the list raises forms::EListIndexError.
[[nodiscard]] std::string ComposeButtonText(const TLaunchList& list, int page, int slot,
                                            bool withComment, bool withPage);
