#pragma once
// The repository's demo table, read where the tests run.
#include "forms/base/Files.h"

#include <string>

namespace demotest {

// Under Wine the source tree's Unix path is reached through drive Z:.
inline std::string TablePath() {
    std::string path = KB_DEMO_TABLE;
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
#endif
    return path;
}

inline std::string Table() {
    return forms::ReadFileBytes(TablePath());
}

} // namespace demotest
