// Writes the demo launcher's data folder from the table:
//   demo_data TABLE FOLDER DATA_FOLDER
// FOLDER is where the files go (a path of this system); DATA_FOLDER is the same folder as the
// launcher will see it (a Windows path, without a trailing backslash, in UTF-8).
#include "forms/base/Codepage.h"
#include "forms/base/Files.h"
#include "tools/demo/DemoData.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: demo_data TABLE FOLDER DATA_FOLDER\n");
        return 2;
    }
    try {
        bool lossy = false;
        const std::string dataFolder = cp932::FromUtf8(argv[3], &lossy);
        if (lossy) {
            std::fprintf(stderr, "demo_data: code page 932 cannot hold the folder %s\n", argv[3]);
            return 1;
        }
        const demo::TDemoData data = demo::ReadDemoTable(forms::ReadFileBytes(argv[1]), dataFolder);
        demo::WriteDemoFolder(data, argv[2]);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo_data: %s: %s\n", argv[1], e.what());
        return 1;
    }
}
