#include "win32/main_window.h"

#include "core/hints.h"
#include "form/bindings.h"
#include "form/company_page.h"
#include "form/placement.h"
#include "win32/internal/form_controls.h"
#include "win32/internal/resource_ids.h"
#include "win32/internal/wide_text.h"
#include "win32/internal/work_area.h"

#include <string>

namespace acpower::win32 {
namespace {

constexpr wchar_t ClassName[] = L"AcpowerForm1";

// Posted as the window is made, so that it arrives after the first paint.
constexpr UINT MakeTipsMessage = WM_APP + 1;

// Fixed size: a frame that cannot be dragged and no maximise box, as the form
// was laid out for one size only.
constexpr DWORD FrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The title bar's and the taskbar's sizes, each drawn for its size.
HICON LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(ProgramIconId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, NumberLocale locale)
    : instance_(instance)
    , calculator_(std::move(locale))
    , dotsPerInch_(ScreenDotsPerInch())
    , look_(instance, dotsPerInch_)
{
}

MainWindow::~MainWindow()
{
    // The window before its class, and both before the fonts, brushes and
    // icons they draw with.
    window_.Reset();
    UnregisterClassW(ClassName, instance_);
}

HWND MainWindow::Handle() const
{
    return window_.Get();
}

bool MainWindow::Create()
{
    icon_.Reset(LoadProgramIcon(instance_, SM_CXICON, SM_CYICON));
    smallIcon_.Reset(LoadProgramIcon(instance_, SM_CXSMICON, SM_CYSMICON));
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &MainWindow::WindowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hIcon = icon_.Get();
    windowClass.hIconSm = smallIcon_.Get();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    if (RegisterClassExW(&windowClass) == 0) {
        return false;
    }

    RECT frame = {0, 0, form::TwipsToPixels(form::Form1.ClientWidth, dotsPerInch_),
                  form::TwipsToPixels(form::Form1.ClientHeight, dotsPerInch_)};
    AdjustWindowRectEx(&frame, FrameStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // Centred, but never with the title bar off the work area, even when the
    // window is larger than it (large fonts on a small screen).
    const form::ScreenRect placed = form::PlaceCentred(width, height, WorkArea());

    const std::u16string title(form::Form1.Title);
    // The window procedure takes the handle as the window is made.
    return CreateWindowExW(0, ClassName, Wide(title), FrameStyle, placed.Left, placed.Top, width, height, nullptr,
                           nullptr, instance_, this)
        != nullptr;
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<MainWindow*>(created->lpCreateParams);
        self->window_.Reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The system has freed the window: nothing is left to free.
        self->window_.Release();
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(window, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls();
        FillWindowSides();
        AddCopyToMenus();
        // The tips show nothing until the user acts, and making their
        // windows was a tenth of the start; they are made once it is shown.
        PostMessageW(window, MakeTipsMessage, 0, 0);
        return 0;
    case MakeTipsMessage:
        CreateTips();
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_COMMAND:
        OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        if (OnNotify(*reinterpret_cast<NMHDR*>(lParam))) {
            return 0;
        }
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        OnThemeChanged(message, wParam, lParam);
        return 0;
    case WM_ERASEBKGND: {
        RECT client = {};
        GetClientRect(window, &client);
        look_.FillFace(reinterpret_cast<HDC>(wParam), client);
        return TRUE;
    }
    case WM_DRAWITEM:
        look_.DrawCaption(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<LRESULT>(
            look_.ColourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) {
            return TRUE;
        }
        break;
    case WM_SYSCOMMAND:
        // The system keeps the low four bits for itself.
        if ((wParam & 0xFFF0U) == CopyAccountCommandId) {
            CopyAccount();
            return 0;
        }
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MainWindow::Control(std::string_view name) const
{
    const form::Control* control = form::FindControl(name);
    if (control == nullptr) {
        return nullptr;
    }
    return GetDlgItem(Handle(), control->Id);
}

void MainWindow::CreateControls()
{
    const auto create = [this](const form::Control& control) {
        CreateFormControl(Handle(), instance_, control, dotsPerInch_, look_.FontFor(control.OwnFont));
    };
    // First the captions that name no box, below the rest: the brand's first
    // word then paints beneath the half it touches.
    for (const form::Control& control : form::Form1Controls) {
        if (!form::TakesFocus(control) && control.LabelFor.empty()) {
            create(control);
        }
    }
    // Then z-order is the Tab order. A caption goes just before the box it
    // names, which is where screen readers look for a box's name.
    for (const form::Control* focusable : form::TabOrder()) {
        for (const form::Control& caption : form::Form1Controls) {
            if (caption.LabelFor == focusable->Name) {
                create(caption);
            }
        }
        create(*focusable);
    }
}

// Also called where a tip is wanted, which a message sent from another
// program may ask for before the posted one that makes them arrives.
void MainWindow::CreateTips()
{
    if (tip_.Window() != nullptr) {
        return;
    }
    const int width = form::TwipsToPixels(form::Form1.ClientWidth, dotsPerInch_);
    tip_.Create(Handle(), instance_, width);
    // Long enough to read the power's explanation.
    hoverTip_.Create(Handle(), instance_, width, HintMilliseconds);
    for (const form::ResultBinding& binding : form::ResultBoxes) {
        if (const HWND box = Control(binding.Box)) {
            hoverTip_.AddBox(box);
        }
    }
}

void MainWindow::FitColoursToTheme()
{
    look_.FitToTheme();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// A new desktop theme: judged afresh, so that a classic look taken for a dark
// theme is dropped again on a light one.
void MainWindow::OnThemeChanged(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const HWND tip : {tip_.Window(), hoverTip_.Window()}) {
        SendMessageW(tip, message, wParam, lParam);
    }
    FitColoursToTheme();
}

// Every close shows the company page, and none is refused.
void MainWindow::OnClose()
{
    tip_.Dismiss();
    OpenCompanyPage();
    DestroyWindow(Handle());
}

void MainWindow::OnActivate(bool active)
{
    // A window is no dialog box, so Windows neither gives its first box the
    // focus nor gives the focus back when the user returns to it; both are
    // done here, as a form does.
    if (!active) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Handle(), focus)) {
            lastFocus_ = focus;
        }
        return;
    }
    if (lastFocus_ == nullptr) {
        lastFocus_ = Control(form::TabOrder().front()->Name);
    }
    SetFocus(lastFocus_);
}

bool MainWindow::OnSetCursor(HWND under)
{
    const HCURSOR cursor = look_.CursorOver(under);
    if (cursor == nullptr) {
        return false;
    }
    SetCursor(cursor);
    return true;
}

}  // namespace acpower::win32
