// Times the full preview beside its floor, in one process and alternately:
// - open: from the main window's menu command to the window painted, against
//   a bare window with one multi-line edit box of the same size and font,
//   given the same 222 characters in one call, created, shown and painted;
// - slider step: one arrow key on the slider until the characters are
//   painted at the new size, against a new font given to the bare edit box
//   and painted.
// Prints medians in ms and each ratio beside its goal (1.5x the floor), at
// the resolution of the prefix it runs in.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "resources/AppInfo.h"
#include "forms/Session.h"
#include "main/frmKernwell.h"
#include "windows/frmPreview.h"

namespace {
constexpr int Rounds = 15;
constexpr double Goal = 1.5;

void paintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

const wchar_t* floorClass() {
    static const wchar_t* const name = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"KernwellFloor";
        RegisterClassExW(&windowClass);
        return L"KernwellFloor";
    }();
    return name;
}

// The floor: the least any window showing these characters does, its text
// box holding the focus as the full preview's does.
class BareWindow {
public:
    BareWindow(const RECT& frame, const RECT& edit, HFONT font, const std::wstring& text) {
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, floorClass(), L"Floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN,
                                edit.left, edit.top, edit.right - edit.left, edit.bottom - edit.top, window_,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetWindowTextW(edit_, text.c_str());
        ShowWindow(window_, SW_SHOW);
        SetFocus(edit_);
        paintNow(window_);
    }
    BareWindow(const BareWindow&) = delete;
    BareWindow& operator=(const BareWindow&) = delete;
    ~BareWindow() { DestroyWindow(window_); }
    HWND edit() const { return edit_; }
    HWND window() const { return window_; }

private:
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

RECT childRect(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LOGFONTW fontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font;
}

void pressRight(HWND slider) {
    SendMessageW(slider, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(slider, WM_KEYUP, VK_RIGHT, 0);
}

void printRatio(const char* what, double measured, double floor) {
    std::printf("%-12s %8.2f %8.2f %7.2fx   goal <= %.1fx: %s\n", what, measured, floor, measured / floor, Goal,
                measured <= Goal * floor ? "met" : "missed");
}
}  // namespace

int main() {
    Session session{appinfo::Title};
    frmKernwell& main = frmKernwell::instance();
    withGameRegistered([&] { main.Show(); });
    std::vector<double> open, openFloor, step, stepFloor;
    for (int round = 0; round < Rounds; ++round) {
        auto start = Clock::now();
        SendMessageW(main.hwnd(), WM_COMMAND, MAKEWPARAM(main.mnuPreview.id(), 0), 0);
        frmPreview& preview = frmPreview::instance();
        paintNow(preview.hwnd());
        open.push_back(msSince(start));

        HWND text = preview.txtPreview.hwnd();
        RECT frame;
        GetWindowRect(preview.hwnd(), &frame);
        RECT textRect = childRect(text);
        LOGFONTW font = fontOf(text);
        std::wstring characters = preview.txtPreview.text();
        for (int key = 0; key < 3; ++key) {
            start = Clock::now();
            pressRight(preview.sldFontSize.hwnd());
            paintNow(preview.hwnd());
            step.push_back(msSince(start));
        }
        SendMessageW(preview.hwnd(), WM_CLOSE, 0, 0);

        FontHandle floorFont(CreateFontIndirectW(&font));
        start = Clock::now();
        BareWindow floor(frame, textRect, floorFont.get(), characters);
        openFloor.push_back(msSince(start));
        for (int key = 0; key < 3; ++key) {
            start = Clock::now();
            font.lfHeight -= 1;
            FontHandle bigger(CreateFontIndirectW(&font));
            SendMessageW(floor.edit(), WM_SETFONT, reinterpret_cast<WPARAM>(bigger.get()), TRUE);
            paintNow(floor.window());
            stepFloor.push_back(msSince(start));
            floorFont = std::move(bigger);
        }
    }
    std::printf("full preview at %d dpi, %d rounds; medians in ms\n", screenDpi(), Rounds);
    std::printf("%-12s %8s %8s %8s\n", "", "preview", "floor", "ratio");
    printRatio("open", median(open), median(openFloor));
    printRatio("slider step", median(step), median(stepFloor));
    return 0;
}
