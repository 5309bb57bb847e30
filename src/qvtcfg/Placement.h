#pragma once
// Where the configuration program's windows go: the start form centred on the screen, and an
// editor either centred or at the corner it is given, moved into the desktop work area.
#include "forms/gfx/Geometry.h"

// The position that centres size within extent: (extent - size) div 2, rounding towards zero.
[[nodiscard]] int CentredOn(int extent, int size);

// The top-left corner of an editor of w x h: centred on a screen of the given size when centre
// (x and y unused), else (x, y) moved into workArea as ClampToArea does.
[[nodiscard]] forms::TPoint EditorPosition(int x, int y, bool centre, int w, int h,
                                           forms::TSize screen, const forms::TRect& workArea);

#ifdef _WIN32
namespace forms {
class TForm;
}
// Puts an editor form where EditorPosition says for the screen and work area now.
void PlaceEditorForm(forms::TForm& form, int x, int y, bool centre);
#endif
