#pragma once
// An owning list: every entry is freed when it is deleted, replaced or the list goes. A bad index
// raises EListIndexError and changes nothing; an object the list refuses stays with the caller
// (entries are taken by rvalue reference and moved from only on success).
#include "forms/base/Exceptions.h"

#include <memory>
#include <utility>
#include <vector>

namespace forms {

template <typename T> class TObjectList {
public:
    TObjectList() = default;
    TObjectList(const TObjectList&) = delete;
    TObjectList& operator=(const TObjectList&) = delete;
    virtual ~TObjectList() = default;

    int Count() const { return static_cast<int>(items_.size()); }

    T* Items(int index) const {
        Check(index, Count() - 1);
        return items_[static_cast<size_t>(index)].get();
    }

    // Appends and returns the new entry's index.
    int Add(std::unique_ptr<T>&& item) {
        items_.push_back(std::move(item));
        return Count() - 1;
    }

    // 0 <= index <= Count.
    void Insert(int index, std::unique_ptr<T>&& item) {
        Check(index, Count());
        items_.insert(items_.begin() + index, std::move(item));
    }

    void Delete(int index) {
        Check(index, Count() - 1);
        items_.erase(items_.begin() + index);
    }

    // Removes the entry without freeing it.
    std::unique_ptr<T> Extract(int index) {
        Check(index, Count() - 1);
        std::unique_ptr<T> item = std::move(items_[static_cast<size_t>(index)]);
        items_.erase(items_.begin() + index);
        return item;
    }

    // Stores item at index and frees the entry that stood there (unless it is the same object).
    void SetItems(int index, std::unique_ptr<T>&& item) {
        Check(index, Count() - 1);
        auto& slot = items_[static_cast<size_t>(index)];
        if (slot.get() == item.get()) {
            (void)item.release(); // the list owns it already
            return;
        }
        slot = std::move(item);
    }

    int IndexOf(const T* item) const {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == item)
                return static_cast<int>(i);
        return -1;
    }

    void Clear() { items_.clear(); }

    // For whole-list operations (sorting, swapping a loaded list in).
    std::vector<std::unique_ptr<T>>& Storage() { return items_; }
    const std::vector<std::unique_ptr<T>>& Storage() const { return items_; }

private:
    static void Check(int index, int last) {
        if (index < 0 || index > last)
            throw EListIndexError(index);
    }

    std::vector<std::unique_ptr<T>> items_;
};

} // namespace forms
