#pragma once
// Moving the selection and scrolling the button bar, apart from the window. A bar of one row
// holds every button of the page and is wider than the window when the page has more buttons than
// a row shows; it is shifted sideways by whole screens so that the selection stays in view. A bar
// of several rows is as wide as the window, and is shifted up and down by rows. Steps are signed:
// a positive step goes towards the start, a step of 0 or less towards the end.
#include <optional>

// The selection of a one-row bar of count buttons after a step from index (which may be count:
// nothing selected). Past an end it goes to the other end with wrap, else it stops at the end.
// Without buttons the index stays.
[[nodiscard]] int SteppedIndex(int index, int step, bool wrap, int count);

// A button area this wide shows every button of a one-row bar: at least a row of formSize
// buttons and at least count of them fit.
[[nodiscard]] bool AllButtonsVisible(int baseWidth, int btnSize, int formSize, int count);

// A one-row bar that shows formSize buttons from First on, after the selection moved by Step.
struct TRowScroll {
    int First = 0;     // the leftmost button in view
    int Selection = 0; // the selected button, after the move
    int Step = 0;      // only its sign counts for the whole-screen rules
    int FormSize = 1;  // buttons in view
    int Count = 0;     // buttons of the bar
};
// The new leftmost button, or none when the bar stays. A selection just past the right edge
// brings the next screen (the last one at the end), one wrapped to the start or the end brings
// that end's screen, one left of the view the screen before. A selection that is still out of
// view then (after a step of a whole row) brings the nearest place that shows it. The bar never
// moves past its ends.
[[nodiscard]] std::optional<int> ScrolledFirstButton(const TRowScroll& s);

// A bar of RowCount rows of ColCount buttons that shows VisibleRows rows from Top on.
struct TRowsScroll {
    int Top = 0;        // the first row in view
    int Selection = 0;  // the selected button
    bool Down = false;  // the scroll goes down
    bool ByRow = false; // by one row whatever the selection, else only to follow the selection
    int VisibleRows = 1;
    int RowCount = 1;
    int ColCount = 1;
};
// The new first row in view, or none when the bar stays. When every row shows nothing moves. By
// row: one row down or up, not past the ends (up with the selection in the first row: the top).
// Following the selection: the least shift that brings the selected button's row into view.
[[nodiscard]] std::optional<int> ScrolledTopRow(const TRowsScroll& s);

// The first row in view of a bar whose top edge lies at barTop in its button area.
[[nodiscard]] int FirstVisibleRow(int barTop, int btnSize);

// The page before (the last before the first) and after (the first after the last); none
// without pages or for an index that names no page.
[[nodiscard]] std::optional<int> PreviousPage(int index, int count);
[[nodiscard]] std::optional<int> NextPage(int index, int count);
