// Load and save of a data file of 100 pages x 100 slots with Japanese titles and paths: median
// times of several runs, and the heap that each needs beside the file's size. Heap use is
// counted by replacing the global allocation functions (so the numbers are exact, not sampled).
#include "shared/LaunchData.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <new>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {
size_t g_live = 0;
size_t g_peak = 0;

void* Allocate(size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    g_live += malloc_usable_size(p);
    g_peak = std::max(g_peak, g_live);
    return p;
}

void Release(void* p) noexcept {
    if (p) {
        g_live -= malloc_usable_size(p);
        std::free(p);
    }
}
} // namespace

void* operator new(size_t n) {
    return Allocate(n);
}
void* operator new[](size_t n) {
    return Allocate(n);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, size_t) noexcept {
    Release(p);
}

namespace {

constexpr int kPages = 100;
constexpr int kSlots = 100;
constexpr int kRuns = 15;

std::string Num(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

void Fill(TLaunchList& list) {
    list.DeletePage(0);
    for (int p = 0; p < kPages; ++p) {
        list.AddPage("ページ" + Num(p), kSlots, 0);
        for (int s = 0; s < kSlots; ++s) {
            TLaunchDataItem& item = *list.Items(p, s);
            item.Kind = ikProgram;
            item.UseCount = (p * 37 + s * 11) % 500;
            item.Title = "表示ソフト" + Num(p) + "－" + Num(s);
            item.Path =
                "C:\\Program Files\\日本語ツール" + Num(p) + "\\プログラム" + Num(s) + ".exe";
            item.WorkDir = "C:\\Program Files\\日本語ツール" + Num(p);
        }
    }
}

struct Run {
    double ms;
    size_t peak;     // heap above the level before the call
    size_t retained; // heap still held after the call, above that level
};

template <typename F> Run Measure(F&& f) {
    const size_t base = g_live;
    g_peak = g_live;
    const auto start = std::chrono::steady_clock::now();
    f();
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(end - start).count(), g_peak - base,
            g_live > base ? g_live - base : 0};
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Report(const char* what, const std::vector<Run>& runs, double fileSize) {
    std::vector<double> ms;
    for (const Run& r : runs)
        ms.push_back(r.ms);
    const Run& last = runs.back();
    std::printf("%-5s median %7.2f ms  (min %.2f, max %.2f, %d runs)\n", what, Median(ms),
                *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()),
                static_cast<int>(runs.size()));
    std::printf("      peak heap %8.0f KiB = %.2f x file; held afterwards %8.0f KiB = %.2f x "
                "file; transient %.2f x file\n",
                last.peak / 1024.0, last.peak / fileSize, last.retained / 1024.0,
                last.retained / fileSize, (last.peak - last.retained) / fileSize);
}

long MaxRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main() {
    std::string dir = (std::filesystem::temp_directory_path() / "kb-bench-XXXXXX").string();
    if (!::mkdtemp(dir.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string file = dir + "/qvtdock.lst";
    const long rssStart = MaxRssKiB();

    auto model = std::make_unique<TLaunchList>();
    Fill(*model);
    model->SetFileName(file);
    model->SaveToFile();
    const double fileSize = static_cast<double>(std::filesystem::file_size(file));
    std::printf("data file: %d pages x %d slots, %.0f KiB\n", kPages, kSlots, fileSize / 1024.0);

    std::vector<Run> loads;
    for (int i = 0; i < kRuns; ++i) {
        TLaunchList list;
        list.DeletePage(0); // as the launcher does before it loads
        list.SetFileName(file);
        loads.push_back(Measure([&] { list.LoadFromFile(); }));
        if (!list.Loaded() || list.Count() != kPages * kSlots) {
            std::fprintf(stderr, "load failed\n");
            return 1;
        }
    }
    Report("load", loads, fileSize);

    std::vector<Run> saves;
    for (int i = 0; i < kRuns; ++i)
        saves.push_back(Measure([&] { model->SaveToFile(); }));
    Report("save", saves, fileSize);

    std::printf("process peak RSS grew by %ld KiB over the whole run\n", MaxRssKiB() - rssStart);
    model.reset();
    std::filesystem::remove_all(dir);
    return 0;
}
