// The walks over an editor's binding table that the editors' round trips do not reach: a list that
// selects nothing leaves its field, and a restore shows the defaults on the rows of one page only.
#include "qvtcfg/EditorBindings.h"

#include <gtest/gtest.h>

namespace {

enum class TPage { First, Second, Third };

struct TRecord {
    bool Flag = false, Shared = false, Kept = false;
    int32_t Spin = 0, Index = 0;
    std::string Text;
};

// Controls that hold what they were shown; the list holds no value while it selects nothing.
struct TFakeControls {
    bool Check = false, SharedCheck = false, KeptCheck = false;
    int32_t Spin = 0;
    std::optional<int32_t> List;
    std::string Edit;
};

template <typename T, typename Held> TControlAccess<T> Access(Held& held) {
    return {[&held] { return std::optional<T>(held); }, [&held](const T& v) { held = v; }};
}

TBindingTable<TPage> Table(TFakeControls& c, TRecord& r) {
    return {
        {Access<bool>(c.Check), r.Flag, TPage::First},
        {Access<bool>(c.SharedCheck), r.Shared, {TPage::Second, TPage::Third}},
        {Access<bool>(c.KeptCheck), r.Kept, {}},
        {Access<int32_t>(c.Spin), r.Spin, TPage::First},
        {Access<int32_t>(c.List), r.Index, TPage::Second},
        {Access<std::string>(c.Edit), r.Text, TPage::Third},
    };
}

TRecord Distinct() {
    return {true, true, true, 7, 2, "text"};
}

} // namespace

TEST(EditorBindings, AListThatSelectsNothingLeavesItsField) {
    TFakeControls c;
    TRecord r = Distinct();
    ReadBound(Table(c, r));
    EXPECT_EQ(r.Index, 2);
    EXPECT_EQ(r.Spin, 0); // the others give what they show
}

TEST(EditorBindings, ARestoreShowsTheDefaultsOnItsPagesRowsOnly) {
    TFakeControls c;
    TRecord shown = Distinct();
    ShowBound(Table(c, shown));
    TRecord defaults;
    ShowBoundPage(Table(c, defaults), TPage::Second);
    EXPECT_FALSE(c.SharedCheck);
    EXPECT_EQ(c.List, 0);
    EXPECT_TRUE(c.Check && c.KeptCheck);
    EXPECT_EQ(c.Spin, 7);
    EXPECT_EQ(c.Edit, "text");

    ShowBound(Table(c, shown));
    ShowBoundPage(Table(c, defaults), TPage::Third);
    EXPECT_FALSE(c.SharedCheck); // a row on two pages is restored by either
    EXPECT_EQ(c.Edit, "");
    EXPECT_EQ(c.List, 2);
    EXPECT_TRUE(c.KeptCheck); // a row on no page by none
}
