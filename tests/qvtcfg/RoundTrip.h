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

// Keys of a section from "key=value" texts (a flag's key alone).
inline std::vector<TRoundTripKey> SectionKeys(const std::string& section,
                                              std::vector<TRoundTripKey> keys,
                                              const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const size_t eq = line.find('=');
        keys.push_back(
            {section, line.substr(0, eq), eq == std::string::npos ? "" : line.substr(eq + 1)});
    }
    return keys;
}

// Each round: the keys written into ini, the editor opened on it and saved into out (a file of
// its own, so that a key the editor does not write shows too), every key read back from out.
template <typename OpenAndSave>
void ExpectRoundTrips(const std::vector<TRoundTripKey>& flags,
                      const std::vector<TRoundTripKey>& values, const std::string& ini,
                      const std::string& out, OpenAndSave openAndSave) {
    for (int round = 0; round < kRoundTripRounds; ++round) {
        std::vector<TRoundTripKey> keys = values;
        for (size_t place = 1; place <= flags.size(); ++place)
            keys.push_back(
                {flags[place - 1].Section, flags[place - 1].Key, (place >> round & 1) ? "1" : "0"});
        forms::TSettingsFile written(ini);
        for (const TRoundTripKey& k : keys)
            written.WriteString(k.Section, k.Key, k.Value);
        openAndSave();
        const forms::TSettingsFile read(out);
        for (const TRoundTripKey& k : keys)
            EXPECT_EQ(read.ReadString(k.Section, k.Key, "<none>"), k.Value)
                << "[" << k.Section << "] " << k.Key << ", round " << round;
    }
}

} // namespace cfgtest
