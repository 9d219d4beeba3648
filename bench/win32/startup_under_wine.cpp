// Starts two Windows programs in turn, many times, and measures each start
// from CreateProcess to its window shown; reports the medians and their
// ratio. Each window is closed before the next start.
//
//   acpower_win32_startup RUNS FIRST.exe SECOND.exe

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr DWORD SettleMs = 500;

struct Search {
    DWORD ProcessId;
    HWND Window;
};

BOOL CALLBACK FindShown(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->ProcessId && IsWindowVisible(window)) {
        search->Window = window;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds to the window shown, or a negative number on failure.
double StartOnce(const std::wstring& path)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + path + L"\"";
    LARGE_INTEGER frequency;
    LARGE_INTEGER started;
    LARGE_INTEGER shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1.0;
    }
    Search search = {process.dwProcessId, nullptr};
    while (search.Window == nullptr && WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    }
    QueryPerformanceCounter(&shown);
    if (search.Window != nullptr) {
        PostMessageW(search.Window, WM_CLOSE, 0, 0);
    }
    WaitForSingleObject(process.hProcess, 30000);
    // What a close sets going (the calculator opens a web page) settles
    // before the next start is timed.
    Sleep(SettleMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (search.Window == nullptr) {
        return -1.0;
    }
    return static_cast<double>(shown.QuadPart - started.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 4) {
        std::fputs("usage: acpower_win32_startup RUNS FIRST.exe SECOND.exe\n", stderr);
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    std::vector<double> first;
    std::vector<double> second;
    // One start of each first, unmeasured: Wine's own first start loads what
    // every later one finds ready.
    StartOnce(argv[2]);
    StartOnce(argv[3]);
    for (int run = 0; run < runs; ++run) {
        const double a = StartOnce(argv[2]);
        const double b = StartOnce(argv[3]);
        if (a < 0.0 || b < 0.0) {
            std::fputs("a program did not show its window\n", stderr);
            return 1;
        }
        first.push_back(a);
        second.push_back(b);
    }
    const double a = Median(first);
    const double b = Median(second);
    std::printf("%-40ls %8.1f ms (median of %d)\n", argv[2], a, runs);
    std::printf("%-40ls %8.1f ms (median of %d)\n", argv[3], b, runs);
    std::printf("ratio %.3f\n", a / b);
    return 0;
}
