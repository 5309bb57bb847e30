#include "forms/shell/Pidl.h"

namespace forms {

void Pidl::Adopt(PIDLIST_ABSOLUTE p) {
    if (p_ && p_ != p)
        CoTaskMemFree(p_);
    p_ = p;
}

Pidl Pidl::Clone() const {
    return Pidl(p_ ? ILCloneFull(p_) : nullptr);
}

} // namespace forms
