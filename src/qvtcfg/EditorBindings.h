#pragma once
// The editors' settings bound to their controls. A table holds one row per setting: the control,
// the field of the editor's record that it shows, and the pages whose "初期値に戻す" resets it.
// The walks below show a record in the controls, read it back, and show the defaults on one
// page, so adding a setting is adding a row. What a row cannot say (an order among controls, a
// radio group, a value held outside the controls) each form writes by hand beside its table.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// How a walk reaches a control: the value it shows, and how to show one. A check box or toggle
// holds a Boolean, a spin edit or a list's selected item an integer, an edit a text. A list that
// selects nothing shows no value, and the field keeps what it holds.
template <typename T> struct TControlAccess {
    std::function<std::optional<T>()> Shown;
    std::function<void(const T&)> Show;
};

// The pages whose restore resets a setting; none for one that keeps its state.
template <typename Page> class TPageSet {
public:
    TPageSet() = default;
    TPageSet(Page page) : bits_(Bit(page)) {}
    TPageSet(std::initializer_list<Page> pages) {
        for (Page page : pages)
            bits_ |= Bit(page);
    }
    [[nodiscard]] bool Contains(Page page) const { return (bits_ & Bit(page)) != 0; }

private:
    static uint32_t Bit(Page page) { return uint32_t{1} << static_cast<unsigned>(page); }
    uint32_t bits_ = 0;
};

// One row: a control bound to a field of the same type, on its pages.
template <typename Page> struct TBinding {
    template <typename T>
    TBinding(TControlAccess<T> control, T& field, TPageSet<Page> pages)
        : ShowField([show = std::move(control.Show), &field] { show(field); }),
          ReadField([shown = std::move(control.Shown), &field] {
              if (std::optional<T> value = shown())
                  field = std::move(*value);
          }),
          Pages(pages) {}

    std::function<void()> ShowField, ReadField;
    TPageSet<Page> Pages;
};

template <typename Page> using TBindingTable = std::vector<TBinding<Page>>;

// Every control shows its field.
template <typename Page> void ShowBound(const TBindingTable<Page>& table) {
    for (const TBinding<Page>& row : table)
        row.ShowField();
}

// Every field takes what its control shows.
template <typename Page> void ReadBound(const TBindingTable<Page>& table) {
    for (const TBinding<Page>& row : table)
        row.ReadField();
}

// The restore of a page: a table bound to the defaults, shown on that page's controls only.
template <typename Page> void ShowBoundPage(const TBindingTable<Page>& defaults, Page page) {
    for (const TBinding<Page>& row : defaults)
        if (row.Pages.Contains(page))
            row.ShowField();
}
