#include "win32/main_window.h"

#include "core/entry_rules.h"
#include "core/hints.h"
#include "form/bindings.h"
#include "form/placement.h"
#include "win32/internal/open_page.h"
#include "win32/internal/resource_ids.h"
#include "win32/internal/wide_text.h"
#include "win32/internal/work_area.h"

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

form::Rgb RgbOf(COLORREF colour)
{
    return form::Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// The system colours the controls are drawn with: captions in the button
// text colour on the dialog face, boxes in the window text colour on the
// window colour.
form::Theme SystemTheme()
{
    return form::Theme{RgbOf(GetSysColor(COLOR_BTNFACE)), RgbOf(GetSysColor(COLOR_BTNTEXT)),
                       RgbOf(GetSysColor(COLOR_WINDOW)), RgbOf(GetSysColor(COLOR_WINDOWTEXT))};
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

    {
        const UniqueScreenDc screen(GetDC(nullptr));
        dotsPerInch_ = GetDeviceCaps(screen.Get(), LOGPIXELSY);
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
        RunLoadSteps();
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        if (OnNotify(*reinterpret_cast<NMHDR*>(lParam))) {
            return 0;
        }
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        // A new desktop theme: judged afresh, so that a classic look taken
        // for a dark theme is dropped again on a light one.
        for (const HWND tip : {tip_.Window(), hoverTip_.Window()}) {
            SendMessageW(tip, message, wParam, lParam);
        }
        FitColoursToTheme();
        return 0;
    case WM_ERASEBKGND: {
        RECT client = {};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, faceBrush_.Get());
        return TRUE;
    }
    case WM_DRAWITEM:
        OnDrawCaption(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) {
            return TRUE;
        }
        break;
    case WM_CLOSE:
        // Every close shows the company page, and none is refused.
        tip_.Dismiss();
        OpenCompanyPage();
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void MainWindow::CreateControls()
{
    windowFont_ = CreateFormFont(form::Form1.DefaultFont, dotsPerInch_);
    resultBrush_.Reset(CreateSolidBrush(ColourOf(form::LightGrey)));
    FitColoursToTheme();

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
    CreateTips();
}

void MainWindow::CreateTips()
{
    const int width = form::TwipsToPixels(form::Form1.ClientWidth, dotsPerInch_);
    tip_.Create(Handle(), instance_, width);
    // Long enough to read the power's explanation.
    hoverTip_.Create(Handle(), instance_, width, HintMilliseconds);
    for (const form::ResultBinding& binding : form::ResultBoxes) {
        hoverTip_.AddBox(GetDlgItem(Handle(), form::FindControl(binding.Box)->Id));
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
                                        StyleOf(control), left, top, width, height, Handle(),
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
        return windowFont_.Get();
    }
    for (const OwnFont& own : ownFonts_) {
        if (SameFont(own.Face, *font)) {
            return own.Gdi.Get();
        }
    }
    ownFonts_.push_back({*font, CreateFormFont(*font, dotsPerInch_)});
    return ownFonts_.back().Gdi.Get();
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
        lastFocus_ = GetDlgItem(Handle(), form::TabOrder().front()->Id);
    }
    SetFocus(lastFocus_);
}

void MainWindow::RunLoadSteps()
{
    const HWND selector = GetDlgItem(Handle(), ControlNamed(form::SideSelector).Id);
    for (const WindowSideEntry& entry : WindowSides) {
        const std::u16string text(entry.Text);
        SendMessageW(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text)));
    }
    SendMessageW(selector, CB_SETCURSEL, IndexOf(calculator_.SelectShadySide()), 0);
}

void MainWindow::OnCommand(int id, int code)
{
    // A result box reached with the keyboard shows its hover text until the
    // focus moves on; only result boxes have one.
    if (code == EN_SETFOCUS) {
        OnResultFocused(GetDlgItem(Handle(), id));
        return;
    }
    if (code == EN_KILLFOCUS) {
        const form::Control* control = form::FindControl(id);
        if (control != nullptr && control->Kind == form::ControlKind::ResultBox
            && tip_.Box() == GetDlgItem(Handle(), id)) {
            tip_.Dismiss();
        }
        return;
    }
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
    const HWND box = GetDlgItem(Handle(), id);
    const std::u16string text = TextOf(box);
    // Any change of a box's text is a next keystroke and takes the last
    // notice away.
    tip_.Dismiss();
    const EntryOutcome outcome = calculator_.AcceptNumericEntry(field, text);
    if (outcome.ClearBox) {
        // Runs this handler once more, nested, on the empty text.
        SetWindowTextW(box, L"");
    }
    ShowResults(outcome.Results);
    // Only now: the nested change above hides whatever tip is up, and this
    // notice is about the text that change removed.
    if (!outcome.Notice.empty()) {
        tip_.ShowAt(box, outcome.Notice, NoticeMilliseconds, true);
    }
}

void MainWindow::OnResultFocused(HWND box)
{
    const std::u16string hint = HintFor(box);
    if (!hint.empty()) {
        tip_.ShowAt(box, hint, HintMilliseconds, false);
    }
}

bool MainWindow::OnNotify(NMHDR& header)
{
    const HWND box = hoverTip_.AskedFor(header);
    if (box == nullptr) {
        return false;
    }
    hoverTip_.Answer(header, HintFor(box));
    return true;
}

std::u16string MainWindow::HintFor(HWND box) const
{
    const int id = GetDlgCtrlID(box);
    for (const form::ResultBinding& binding : form::ResultBoxes) {
        if (form::FindControl(binding.Box)->Id == id) {
            return calculator_.Hint(binding.Shows);
        }
    }
    return {};
}

void MainWindow::OnKeyPressed(WPARAM key)
{
    // A modifier pressed alone only prepares the next key.
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LWIN || key == VK_RWIN) {
        return;
    }
    tip_.Dismiss();
}

// The form sets a few colours and leaves the rest to the system's, which
// works on the light desktops it was drawn for. Where the system's colours
// cannot carry the form's (a dark or a high-contrast scheme), every control
// and the window's face take the classic light look, on which every colour
// of the form reads.
void MainWindow::FitColoursToTheme()
{
    const form::Theme system = SystemTheme();
    theme_ = form::FormReadsOn(system) ? system : form::ClassicLight;
    faceBrush_.Reset(CreateSolidBrush(ColourOf(theme_.Window)));
    baseBrush_.Reset(CreateSolidBrush(ColourOf(theme_.Base)));
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::OnSidePicked()
{
    const HWND selector = GetDlgItem(Handle(), ControlNamed(form::SideSelector).Id);
    // At CBN_SELENDOK the window text may still be the old entry; the list's
    // current selection is the one just picked.
    if (const std::optional<WindowSide> side = SideAt(SendMessageW(selector, CB_GETCURSEL, 0, 0))) {
        ShowResults(calculator_.ApplyWindowSide(*side));
    }
}

void MainWindow::ShowResults(const ResultTexts& results)
{
    for (const form::ResultBinding& binding : form::ResultBoxes) {
        SetDlgItemTextW(Handle(), form::FindControl(binding.Box)->Id, Wide(TextOf(results, binding.Shows)));
    }
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control, UINT message)
{
    // Read-only edits, the result boxes, ask with WM_CTLCOLORSTATIC.
    const form::Control* described = form::FindControl(GetDlgCtrlID(control));
    if (described != nullptr && described->Background) {
        // The form's grey is light whatever the system's: its text is the
        // classic dark one unless the form names another.
        SetTextColor(dc, ColourOf(described->TextColour.value_or(form::ClassicLight.Text)));
        SetBkColor(dc, ColourOf(*described->Background));
        return reinterpret_cast<LRESULT>(resultBrush_.Get());
    }
    // The entry boxes, and the selector's field and list.
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
        SetTextColor(dc, ColourOf(theme_.Text));
        SetBkColor(dc, ColourOf(theme_.Base));
        return reinterpret_cast<LRESULT>(baseBrush_.Get());
    }
    SetTextColor(dc,
                 ColourOf(described != nullptr && described->TextColour ? *described->TextColour : theme_.WindowText));
    SetBkColor(dc, ColourOf(theme_.Window));
    return reinterpret_cast<LRESULT>(faceBrush_.Get());
}

void MainWindow::OnDrawCaption(const DRAWITEMSTRUCT& item)
{
    const form::Control* described = form::FindControl(static_cast<int>(item.CtlID));
    if (described == nullptr) {
        return;
    }
    FillRect(item.hDC, &item.rcItem, faceBrush_.Get());
    const COLORREF text = ColourOf(described->TextColour.value_or(theme_.WindowText));
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
    if (linkCursor_.Get() == nullptr) {
        linkCursor_.Reset(static_cast<HCURSOR>(
            LoadImageW(instance_, MAKEINTRESOURCEW(LinkCursorId), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
    }
    if (linkCursor_.Get() == nullptr) {
        return false;
    }
    SetCursor(linkCursor_.Get());
    return true;
}

}  // namespace acpower::win32
