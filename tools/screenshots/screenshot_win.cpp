// The Wine-side half of tools/screenshots.sh: what the script needs beyond kb_helper to take the
// README's pictures as a person would see them. One command per call; the exit code says how it
// went (0 done, 1 not in time, 2 no such window, 3 bad arguments, 4 the picture was not written).
//   kb_shot shown CLASS [COUNT] [MS]  waits until COUNT (1) windows of the class are visible
//   kb_shot click CLASS X Y [right]   clicks at a point of the visible window's client area
//   kb_shot key VK                    presses and releases a virtual key (27: Esc)
//   kb_shot png FILE CLASS...         saves the screen under the visible windows of the classes,
//                                     cropped to the rectangle round them all, as a PNG
// PNG comes from the Windows Imaging Component (windowscodecs): Windows and Wine both have it, so
// the script needs no image tool on the Linux side and the build no library beyond mingw-w64's.
#include "forms/shell/ComInit.h"
#include "forms/shell/ComPtr.h"
#include "support/WideArguments.h"

#include <windows.h>

#include <wincodec.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
enum Result { kDone = 0, kTimeUp = 1, kNoWindow = 2, kBadArguments = 3, kNotWritten = 4 };

std::vector<HWND> VisibleWindowsOfClass(const std::wstring& className) {
    std::vector<HWND> found;
    for (HWND h = FindWindowExW(nullptr, nullptr, className.c_str(), nullptr); h;
         h = FindWindowExW(nullptr, h, className.c_str(), nullptr))
        if (IsWindowVisible(h))
            found.push_back(h);
    return found;
}

// A window that has just come up may not have painted yet: its thread must first have answered
// a sent message (so it is past its start-up) and then got through its paint queue.
void LetPaint(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

int Shown(const std::wstring& className, size_t count, DWORD ms) {
    const DWORD start = GetTickCount();
    while (VisibleWindowsOfClass(className).size() < count) {
        if (GetTickCount() - start > ms)
            return kTimeUp;
        Sleep(50);
    }
    return kDone;
}

int Key(long vk) {
    if (vk <= 0 || vk > 0xFE)
        return kBadArguments;
    INPUT in[2]{};
    for (INPUT& i : in) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = static_cast<WORD>(vk);
        i.ki.wScan = static_cast<WORD>(MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC));
    }
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
    return kDone;
}

void SendMouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

int Click(const std::wstring& className, int x, int y, bool right) {
    const std::vector<HWND> windows = VisibleWindowsOfClass(className);
    if (windows.empty())
        return kNoWindow;
    POINT point{x, y};
    ClientToScreen(windows.front(), &point);
    SetCursorPos(point.x, point.y);
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    return kDone;
}

// The screen's pixels inside the rectangle: top-down rows of 24-bit BGR, each padded to 4 bytes.
struct Pixels {
    int width = 0, height = 0, stride = 0;
    std::vector<BYTE> bytes;
};

Pixels Grab(const RECT& area) {
    Pixels p;
    p.width = area.right - area.left;
    p.height = area.bottom - area.top;
    p.stride = (p.width * 3 + 3) & ~3;
    p.bytes.resize(static_cast<size_t>(p.stride) * p.height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = p.width;
    info.bmiHeader.biHeight = -p.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, p.width, p.height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::memcpy(p.bytes.data(), bits, p.bytes.size());
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return p;
}

bool WritePng(const Pixels& pixels, const std::wstring& file) {
    const forms::ComInit com;
    forms::ComPtr<IWICImagingFactory> factory;
    forms::ComPtr<IWICStream> stream;
    forms::ComPtr<IWICBitmapEncoder> encoder;
    forms::ComPtr<IWICBitmapFrameEncode> frame;
    forms::ComPtr<IPropertyBag2> options;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    return com.Usable() &&
           SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory.Put()))) &&
           SUCCEEDED(factory->CreateStream(stream.Put())) &&
           SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Put())) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(frame.Put(), options.Put())) &&
           SUCCEEDED(frame->Initialize(options.Get())) &&
           SUCCEEDED(frame->SetSize(pixels.width, pixels.height)) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) &&
           // The encoder may offer another format; our rows are only this one.
           IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
           SUCCEEDED(frame->WritePixels(pixels.height, pixels.stride,
                                        static_cast<UINT>(pixels.bytes.size()),
                                        const_cast<BYTE*>(pixels.bytes.data()))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

int Png(const std::wstring& file, const std::vector<std::wstring>& classNames) {
    RECT area{};
    for (const std::wstring& className : classNames)
        for (HWND window : VisibleWindowsOfClass(className)) {
            LetPaint(window);
            RECT r;
            GetWindowRect(window, &r);
            UnionRect(&area, &area, &r);
        }
    if (IsRectEmpty(&area))
        return kNoWindow;
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&area, &area, &screen);
    return WritePng(Grab(area), file) ? kDone : kNotWritten;
}
} // namespace

int main() {
    const std::vector<std::wstring> args = kbtest::WideArguments();
    if (args.size() < 2)
        return kBadArguments;
    const std::wstring& command = args[0];
    auto number = [&](size_t i, long fallback) {
        return args.size() > i ? std::wcstol(args[i].c_str(), nullptr, 10) : fallback;
    };
    if (command == L"shown")
        return Shown(args[1], static_cast<size_t>(number(2, 1)),
                     static_cast<DWORD>(number(3, 10000)));
    if (command == L"click" && args.size() >= 4)
        return Click(args[1], number(2, 0), number(3, 0), args.size() > 4 && args[4] == L"right");
    if (command == L"key")
        return Key(number(1, 0));
    if (command == L"png" && args.size() >= 3)
        return Png(args[1], std::vector<std::wstring>(args.begin() + 2, args.end()));
    return kBadArguments;
}
