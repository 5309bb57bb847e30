#pragma once
// Searching text: the first mail address or URL in a text, a substring with or without case, an
// extension in a list of extensions, and one field of a delimited text. Texts are code page 932
// and are searched character by character: a trail byte is never taken for '@', '.', '|' or any
// other delimiter.
#include <string>
#include <string_view>

// Finds the first mail address in text: a run of the characters
//   ! $ % & * , - . / 0-9 ; = ? @ A-Z ^ _ a-z ~
// that does not start with '@' and holds an '@' with a '.' after it. The run goes up to the
// first character outside the set, a trailing '.' or ',' included. start is the run's 1-based
// byte position and length its bytes; both 0 and false when there is none.
bool FindMailAddress(std::string_view text, int& start, int& length);

// field := the index-th field (from 0) of text cut at delim. The text is first trimmed of blanks
// and control characters (with a blank as delim, runs of blanks count as one); the fields
// themselves are not trimmed. An index past the last field gives the last field again; a
// negative index leaves field as it was.
void GetDelimitedField(char delim, std::string_view text, int index, std::string& field);

// The 1-based byte position of subText in text, 0 when absent or when subText is empty; a match
// starts only where a character starts. With ignoreCase 1 the letters are compared without
// regard to case (upper-casing, as the locale does for ANSI text, changes only ASCII letters in
// code page 932); any other value compares the bytes.
int StrPosIC(std::string_view subText, std::string_view text, int ignoreCase);

// True when the file name's extension, without its dot, occurs in list (letter case ignored);
// list is written as dotted extensions (".EXE.COM.SCR.ICO"), and the test is a plain substring
// test, so "ex" and "c" are found in that list too. False without an extension.
bool ExtInList(std::string_view fileName, std::string_view list);

// Finds the first URL in text: at a character "ftp:", "http:", "https:" or "www." (lower case),
// extended over the following characters of the set A-Z a-z 0-9 # % & + - . / : = ? _ ~. start is
// its 1-based byte position and length its bytes (the prefix included); both 0 and false when
// there is none.
bool FindUrl(std::string_view text, int& start, int& length);
