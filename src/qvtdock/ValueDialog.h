#pragma once
// The launcher's one question form: a number in a range, a text, or one entry of a list. Each
// asks modally at screen point (x, y), kept inside the work area, and returns true exactly when
// OK was pressed; only then is the value written.
#include <string>
#include <vector>

// A number from min to max, starting at value (pulled to the nearest bound); a default other than
// -1 offers "デフォルト", which puts the default back. A typed number beyond a bound counts as the
// bound, a text that is no number as min; a min above max leaves only max.
bool InputNumber(int x, int y, int min, int max, const std::string& caption,
                 const std::string& message, int& value, int defaultValue);
// A text, starting at text; an empty text cannot be confirmed (OK and Enter do nothing).
bool InputText(int x, int y, const std::string& caption, const std::string& message,
               std::string& text);
// One of items, starting at startIndex; a start index outside the items selects none, and OK
// without a selection gives -1.
bool InputChoice(int x, int y, const std::string& caption, const std::string& message,
                 const std::vector<std::string>& items, int& index, int startIndex);
