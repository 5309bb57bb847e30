#pragma once
// The promise both data-file targets check: a model that loaded saves in the text form, and that
// file loads again to the same model, its texts with CR, LF, byte 1A and NUL written as blanks.
#include "FuzzTarget.h"

#include "shared/DataFile.h"
#include "shared/LaunchData.h"

#include <tuple>

namespace fuzz {

inline std::string OnOneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\x1A' || c == '\0')
            c = ' ';
    return text;
}

inline auto FieldsOf(const TDataStatus& s) {
    return std::tuple(OnOneLine(s.ProductName), OnOneLine(s.Version), OnOneLine(s.Notice), s.Value1,
                      s.Value2, s.Value3);
}

inline auto FieldsOf(const TPageItem& p) {
    return std::tuple(OnOneLine(p.Caption), p.BtnCount, p.Value);
}

inline auto FieldsOf(const TLaunchDataItem& i) {
    return std::tuple(i.Kind, i.UseCount, OnOneLine(i.Title), OnOneLine(i.Path),
                      OnOneLine(i.LinkFile), OnOneLine(i.Params), OnOneLine(i.WorkDir),
                      OnOneLine(i.IconFile), i.ShowCmd, i.IconIndex, OnOneLine(i.Comment));
}

// Models of at most this many slots make the round trip: a few bytes of page counts may give a
// hundred thousand empty slots, whose saving and reading again would take a second each time
// and show nothing that a small model does not.
constexpr int kMaxRoundTripSlots = 2000;

inline void CheckSavedFileLoadsAlike(const TLaunchList& loaded) {
    static const ScratchFile saved("-saved.lst");
    if (loaded.Count() > kMaxRoundTripSlots)
        return;
    TLaunchList copy;
    copy.SetFileName(saved.Write(""));
    SaveListAsText(loaded, copy.FileName());
    copy.LoadFromFile();
    FUZZ_CHECK(copy.Loaded());
    FUZZ_CHECK(FieldsOf(copy.Status()) == FieldsOf(loaded.Status()));
    FUZZ_CHECK(copy.Pages().Count() == loaded.Pages().Count());
    for (int p = 0; p < loaded.Pages().Count(); ++p)
        FUZZ_CHECK(FieldsOf(*copy.Pages().Items(p)) == FieldsOf(*loaded.Pages().Items(p)));
    FUZZ_CHECK(copy.Count() == loaded.Count());
    for (int i = 0; i < loaded.Count(); ++i)
        FUZZ_CHECK(FieldsOf(*copy.Items(i)) == FieldsOf(*loaded.Items(i)));
}

} // namespace fuzz
