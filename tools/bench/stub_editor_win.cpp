// A data editor that changes nothing: it notes when it ends (the performance counter, which all
// processes share, in the file "ended" beside itself) and ends, so that the bench can time the
// launcher's return from the editor.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring mark(self);
    mark = mark.substr(0, mark.find_last_of(L'\\') + 1) + L"ended";
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    // Written whole under another name first: the bench never reads half a number.
    const std::wstring part = mark + L".part";
    if (FILE* f = _wfopen(part.c_str(), L"wb")) {
        std::fprintf(f, "%lld", static_cast<long long>(now.QuadPart));
        std::fclose(f);
        MoveFileExW(part.c_str(), mark.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    return 0;
}
