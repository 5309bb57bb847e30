#include "qvtcfg/Placement.h"

#include "forms/win/Form.h"
#include "forms/win/Screen.h"

void PlaceEditorForm(forms::TForm& form, int x, int y, bool centre) {
    const forms::TPoint place =
        EditorPosition(x, y, centre, form.Width(), form.Height(),
                       {forms::Screen.Width(), forms::Screen.Height()}, forms::Screen.WorkArea());
    form.SetBounds(place.X, place.Y, form.Width(), form.Height());
}
