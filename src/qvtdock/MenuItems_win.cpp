#include "qvtdock/MenuItems.h"

using forms::TMenuItem;

TMenuItem* AddMenuItem(TMenuItem& parent, std::string_view caption, std::string_view hint,
                       bool radioItem, int number,
                       std::function<void(forms::TComponent*)> onClick) {
    forms::Scoped<TMenuItem> item = forms::MakeScoped<TMenuItem>();
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    item->SetRadioItem(radioItem);
    if (radioItem)
        item->SetGroupIndex(number);
    else
        item->SetTag(number);
    if (!hint.empty())
        item->SetHint(hint);
    return parent.Add(std::move(item));
}

void ClearMenuItems(TMenuItem& parent) {
    for (int i = parent.Count() - 1; i >= 0; --i)
        parent.Delete(i);
}
