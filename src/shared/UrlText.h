#pragma once
// A URL made safe for a command line: whatever the URL came from (a data file, an internet
// shortcut, a comment), it reaches the browser as one argument and never closes a quote or
// starts another argument.
#include <string>
#include <string_view>

// The URL with every byte up to 20h (blanks, tabs, line ends and the other control bytes), the
// double quote, 7Fh and a lead byte without its trail byte written as '%' and two upper-case
// hexadecimal digits (a lone lead byte would take the closing quote or blank after the URL for
// its second byte). Every other byte stays, so an ordinary URL (its "%20" and its double-byte
// characters too) comes back unchanged.
[[nodiscard]] std::string EscapeUrl(std::string_view url);
