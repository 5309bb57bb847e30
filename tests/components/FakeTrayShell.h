#pragma once
// A notification area for tests: it records every call and answers as told, and keeps the icons
// it holds as a real shell would (an add of an id it holds, or a change or delete of one it does
// not, is refused).
#include "components/TrayNotifier.h"

#include <map>
#include <utility>
#include <vector>

class FakeTrayShell : public TTrayShell {
public:
    struct Call {
        TTrayOperation Operation;
        TTrayRecord Record;
    };

    bool Notify(TTrayOperation operation, const TTrayRecord& record) override {
        calls.push_back({operation, record});
        if (refuse)
            return false;
        const auto key = std::make_pair(record.Window, record.Id);
        const bool holds = icons.count(key) != 0;
        switch (operation) {
        case TTrayOperation::Add:
            if (holds)
                return false;
            icons[key] = record;
            return true;
        case TTrayOperation::Modify:
            if (!holds)
                return false;
            icons[key] = record;
            return true;
        case TTrayOperation::Delete:
            return icons.erase(key) != 0;
        }
        return false;
    }

    // The shell restarts: it holds nothing.
    void Restart() { icons.clear(); }
    [[nodiscard]] size_t Count(TTrayOperation operation) const {
        size_t n = 0;
        for (const Call& c : calls)
            n += c.Operation == operation;
        return n;
    }

    std::vector<Call> calls;
    std::map<std::pair<uintptr_t, int>, TTrayRecord> icons; // by window and id
    bool refuse = false; // refuse every call (no notification area yet)
};
