#include "win32/main_window.h"

#include "core/entry_rules.h"
#include "form/bindings.h"
#include "link/company_page.h"
#include "win32/resource_ids.h"
#include "win32/wide_text.h"

#include <string>

namespace acpower::win32 {
namespace {

constexpr wchar_t ClassName[] = L"AcpowerForm1";

// Fixed size: a frame that cannot be dragged and no maximise box, as the form
// was laid out for one size only.
constexpr DWORD FrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The pixels kept free right of right-aligned captions.
constexpr int CaptionOverhang = 2;

// Room for both entries below the selector when it drops down.
constexpr int DropDownListHeight = 80;

const form::Control& ControlNamed(std::string_view name)
{
    return *form::FindControl(name);
}

std::u16string TextOf(HWND control)
{
    const int length = GetWindowTextLengthW(control);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(control, Wide(text), length + 1);
    text.resize(static_cast<size_t>(copied));
    return text;
}

COLORREF ColourOf(const form::Rgb& colour)
{
    return RGB(colour.Red, colour.Green, colour.Blue);
}

bool SameFont(const form::Font& left, const form::Font& right)
{
    return left.Face == right.Face && left.CentiPoints == right.CentiPoints && left.Bold == right.Bold;
}

DWORD StyleOf(const form::Control& control)
{
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (control.Kind) {
    case form::ControlKind::Caption:
        // Drawn by the window (OnDrawCaption), so that right-aligned text
        // keeps clear of the edge its last letter could overhang.
        style |= SS_OWNERDRAW;
        if (control.Link) {
            // Without SS_NOTIFY a static lets clicks through and sends no STN_CLICKED.
            style |= SS_NOTIFY;
        }
        return style;
    case form::ControlKind::EntryBox:
        return style | WS_TABSTOP | ES_AUTOHSCROLL;
    case form::ControlKind::ResultBox:
        return style | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY;
    case form::ControlKind::Selector:
        return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    }
    return style;
}

const wchar_t* ClassOf(form::ControlKind kind)
{
    switch (kind) {
    case form::ControlKind::Caption:
        return L"STATIC";
    case form::ControlKind::EntryBox:
    case form::ControlKind::ResultBox:
        return L"EDIT";
    case form::ControlKind::Selector:
        return L"COMBOBOX";
    }
    return L"STATIC";
}

// The closed selector takes the form's height. Its height follows from the
// selection field's by a frame that differs between systems (and Wine's
// CB_GETITEMHEIGHT answers two more than was set), so the field is set, the
// result measured and the request corrected until they agree.
void FitSelectorHeight(HWND selector, int wanted)
{
    auto request = static_cast<int>(SendMessageW(selector, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 4; ++attempt) {
        RECT closed = {};
        GetWindowRect(selector, &closed);
        const int error = (closed.bottom - closed.top) - wanted;
        if (error == 0) {
            return;
        }
        request -= error;
        SendMessageW(selector, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
    }
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, NumberLocale locale)
    : instance_(instance)
    , calculator_(std::move(locale))
{
}

MainWindow::~MainWindow()
{
    if (resultBrush_ != nullptr) {
        DeleteObject(resultBrush_);
    }
}

HWND MainWindow::Handle() const
{
    return window_;
}

bool MainWindow::Create()
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &MainWindow::WindowProcedure;
    windowClass.hInstance = instance_;
    // The title bar's and the taskbar's sizes, each drawn for its size.
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(ProgramIconId), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm
        = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(ProgramIconId), IMAGE_ICON,
                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    if (RegisterClassExW(&windowClass) == 0) {
        return false;
    }

    const HDC screen = GetDC(nullptr);
    dotsPerInch_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    RECT frame = {0, 0, form::TwipsToPixels(form::Form1.ClientWidth, dotsPerInch_),
                  form::TwipsToPixels(form::Form1.ClientHeight, dotsPerInch_)};
    AdjustWindowRectEx(&frame, FrameStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT workArea = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const int left = workArea.left + (workArea.right - workArea.left - width) / 2;
    const int top = workArea.top + (workArea.bottom - workArea.top - height) / 2;

    const std::u16string title(form::Form1.Title);
    window_ = CreateWindowExW(0, ClassName, Wide(title), FrameStyle, left, top, width, height, nullptr, nullptr,
                              instance_, this);
    return window_ != nullptr;
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<MainWindow*>(created->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls();
        RunLoadSteps();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        OnDrawCaption(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_CTLCOLOREDIT:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) {
            return TRUE;
        }
        break;
    case WM_CLOSE:
        // Every close shows the company page, and none is refused.
        OpenCompanyPage();
        DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::CreateControls()
{
    windowFont_ = std::make_unique<FormFont>(form::Form1.DefaultFont, dotsPerInch_);
    const COLORREF grey = ColourOf(form::LightGrey);
    resultBrush_ = CreateSolidBrush(grey);

    // Z-order is the Tab order. A caption goes just before the box it names,
    // which is where screen readers look for a box's name.
    for (const form::Control* focusable : form::TabOrder()) {
        for (const form::Control& caption : form::Form1Controls) {
            if (caption.LabelFor == focusable->Name) {
                CreateControl(caption);
            }
        }
        CreateControl(*focusable);
    }
    for (const form::Control& control : form::Form1Controls) {
        if (control.Kind == form::ControlKind::Caption && control.LabelFor.empty()) {
            CreateControl(control);
        }
    }
}

void MainWindow::CreateControl(const form::Control& control)
{
    const int left = form::TwipsToPixels(control.Rect.Left, dotsPerInch_);
    const int top = form::TwipsToPixels(control.Rect.Top, dotsPerInch_);
    const int width = form::TwipsToPixels(control.Rect.Width, dotsPerInch_);
    int height = form::TwipsToPixels(control.Rect.Height, dotsPerInch_);
    const bool selector = control.Kind == form::ControlKind::Selector;
    if (selector) {
        height += DropDownListHeight;
    }
    const bool box = control.Kind == form::ControlKind::EntryBox || control.Kind == form::ControlKind::ResultBox;
    const std::u16string caption(control.Caption);
    const HWND handle = CreateWindowExW(box ? WS_EX_CLIENTEDGE : 0, ClassOf(control.Kind), Wide(caption),
                                        StyleOf(control), left, top, width, height, window_,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.Id)), instance_, nullptr);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.OwnFont)), FALSE);
    if (control.Kind == form::ControlKind::EntryBox) {
        // A pasted text is judged whole, however long, as it is on Linux.
        SendMessageW(handle, EM_SETLIMITTEXT, 0, 0);
    }
    if (selector) {
        FitSelectorHeight(handle, form::TwipsToPixels(control.Rect.Height, dotsPerInch_));
    }
}

HFONT MainWindow::FontFor(const std::optional<form::Font>& font)
{
    if (!font) {
        return windowFont_->Handle();
    }
    for (const OwnFont& own : ownFonts_) {
        if (SameFont(own.Face, *font)) {
            return own.Gdi->Handle();
        }
    }
    ownFonts_.push_back({*font, std::make_unique<FormFont>(*font, dotsPerInch_)});
    return ownFonts_.back().Gdi->Handle();
}

void MainWindow::RunLoadSteps()
{
    const HWND selector = GetDlgItem(window_, ControlNamed(form::SideSelector).Id);
    for (std::u16string_view entry : WindowSideEntries) {
        const std::u16string text(entry);
        SendMessageW(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text)));
    }
    const std::u16string shown(calculator_.SelectShadySide());
    SendMessageW(selector, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(Wide(shown)));
}

void MainWindow::OnCommand(int id, int code)
{
    if (code == EN_CHANGE) {
        for (const form::EntryBinding& binding : form::EntryBoxes) {
            if (ControlNamed(binding.Box).Id == id) {
                OnEntryChanged(id, binding.Field);
                return;
            }
        }
        return;
    }
    // CBN_SELENDOK, unlike CBN_SELCHANGE, also comes when the user picks the
    // entry that is already shown; that pick recalculates too.
    if (code == CBN_SELENDOK && id == ControlNamed(form::SideSelector).Id) {
        OnSidePicked();
        return;
    }
    if (code == STN_CLICKED) {
        const form::Control* control = form::FindControl(id);
        if (control != nullptr && control->Link) {
            OpenCompanyPage();
        }
    }
}

void MainWindow::OnEntryChanged(int id, EntryField field)
{
    const HWND box = GetDlgItem(window_, id);
    const std::u16string text = TextOf(box);
    const EntryOutcome outcome = calculator_.AcceptNumericEntry(field, text);
    if (outcome.ClearBox) {
        // Runs this handler once more, nested, on the empty text.
        SetWindowTextW(box, L"");
    }
    ShowResults(outcome.Results);
}

void MainWindow::OnSidePicked()
{
    const HWND selector = GetDlgItem(window_, ControlNamed(form::SideSelector).Id);
    // At CBN_SELENDOK the window text may still be the old entry; the list's
    // current selection is the one just picked.
    const LRESULT index = SendMessageW(selector, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return;
    }
    const LRESULT length = SendMessageW(selector, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(selector, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Wide(text)));
    text.resize(static_cast<size_t>(length));
    ShowResults(calculator_.ApplyWindowSide(text));
}

void MainWindow::ShowResults(const ResultTexts& results)
{
    SetDlgItemTextW(window_, ControlNamed(form::VolumeBox).Id, Wide(results.Volume));
    SetDlgItemTextW(window_, ControlNamed(form::PowerBox).Id, Wide(results.Power));
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control, bool editable)
{
    const form::Control* described = form::FindControl(GetDlgCtrlID(control));
    if (described == nullptr) {
        return DefWindowProcW(window_, editable ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    if (described->TextColour) {
        SetTextColor(dc, ColourOf(*described->TextColour));
    }
    if (described->Background) {
        SetBkColor(dc, ColourOf(*described->Background));
        return reinterpret_cast<LRESULT>(resultBrush_);
    }
    const int systemColour = editable ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(dc, GetSysColor(systemColour));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(systemColour));
}

void MainWindow::OnDrawCaption(const DRAWITEMSTRUCT& item)
{
    const form::Control* described = form::FindControl(static_cast<int>(item.CtlID));
    if (described == nullptr) {
        return;
    }
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const COLORREF text = described->TextColour ? ColourOf(*described->TextColour) : GetSysColor(COLOR_BTNTEXT);
    SetTextColor(item.hDC, text);
    SetBkMode(item.hDC, TRANSPARENT);
    const HGDIOBJ previous = SelectObject(item.hDC, FontFor(described->OwnFont));
    RECT area = item.rcItem;
    // DT_NOCLIP: a letter wider than its advance, as some faces draw the last
    // one, is not cut at the line's end; the control's edge still clips.
    UINT format = DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP;
    if (described->WordWrap) {
        format |= DT_WORDBREAK;
    }
    if (described->Align == form::TextAlign::Right) {
        format |= DT_RIGHT;
        // A scalable face may draw its last letter past its advance width.
        area.right -= CaptionOverhang;
    }
    DrawTextW(item.hDC, Wide(std::u16string(described->Caption)), -1, &area, format);
    SelectObject(item.hDC, previous);
}

bool MainWindow::OnSetCursor(HWND under)
{
    const form::Control* control = form::FindControl(GetDlgCtrlID(under));
    if (control == nullptr || !control->Link) {
        return false;
    }
    // Loaded when first needed, not on the way to showing the window.
    if (linkCursor_ == nullptr) {
        linkCursor_ = static_cast<HCURSOR>(
            LoadImageW(instance_, MAKEINTRESOURCEW(LinkCursorId), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    }
    if (linkCursor_ == nullptr) {
        return false;
    }
    SetCursor(linkCursor_);
    return true;
}

}  // namespace acpower::win32
