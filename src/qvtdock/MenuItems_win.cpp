#include "qvtdock/MenuItems.h"

using forms::TMenuItem;

namespace {
forms::Scoped<TMenuItem> MakeMenuItem(std::string_view caption, std::string_view hint,
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
    return item;
}
} // namespace

TMenuItem* AddMenuItem(TMenuItem& parent, std::string_view caption, std::string_view hint,
                       bool radioItem, int number,
                       std::function<void(forms::TComponent*)> onClick) {
    return parent.Add(MakeMenuItem(caption, hint, radioItem, number, std::move(onClick)));
}

TMenuItem* InsertMenuItem(TMenuItem& parent, int index, std::string_view hint, bool radioItem,
                          int number, std::function<void(forms::TComponent*)> onClick,
                          std::string_view caption) {
    forms::Scoped<TMenuItem> item =
        MakeMenuItem(caption, hint, radioItem, number, std::move(onClick));
    TMenuItem* placed = item.get();
    parent.Insert(index, std::move(item));
    return placed;
}

void ClearMenuItems(TMenuItem& parent) {
    for (int i = parent.Count() - 1; i >= 0; --i)
        parent.Delete(i);
}
