#pragma once
// Text routines shared by both programs. Texts are code page 932 and are searched character by
// character: a trail byte is never taken for '@', '.', '|' or any other delimiter.
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
