#pragma once
// Settings for a round trip through an editor, every key at a value of its own, so that two keys
// swapped between controls or a key lost on the way show. Numbers and texts are given distinct
// and off their defaults; Booleans, which have two values only, take bit `round` of their place
// (counted from 1), so that over kRoundTripRounds rounds any two of them differ in some round and
// each is off its default in one.
#include "forms/base/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cfgtest {

constexpr int kRoundTripRounds = 5; // places 1..30

struct TRoundTripKey {
    std::string Section, Key, Value;
};

inline std::vector<TRoundTripKey> RoundTripKeys(const std::vector<TRoundTripKey>& flags,
                                                std::vector<TRoundTripKey> values, int round) {
    for (size_t place = 1; place <= flags.size(); ++place) {
        const TRoundTripKey& f = flags[place - 1];
        values.push_back({f.Section, f.Key, (place >> round & 1) ? "1" : "0"});
    }
    return values;
}

inline void WriteRoundTripKeys(const std::string& ini, const std::vector<TRoundTripKey>& keys) {
    forms::TSettingsFile file(ini);
    for (const TRoundTripKey& k : keys)
        file.WriteString(k.Section, k.Key, k.Value);
}

inline void ExpectRoundTripKeys(const std::string& ini, const std::vector<TRoundTripKey>& keys,
                                int round) {
    const forms::TSettingsFile file(ini);
    for (const TRoundTripKey& k : keys)
        EXPECT_EQ(file.ReadString(k.Section, k.Key, "<none>"), k.Value)
            << "[" << k.Section << "] " << k.Key << ", round " << round;
}

} // namespace cfgtest
