// The form's notifications, each handed to the engine, and the engine's
// answers shown in the boxes and the tip.

#include "win32/main_window.h"

#include "core/entry_rules.h"
#include "core/hints.h"
#include "form/bindings.h"
#include "form/company_page.h"
#include "win32/internal/wide_text.h"

#include <string>

namespace acpower::win32 {
namespace {

std::u16string TextOf(HWND control)
{
    const int length = GetWindowTextLengthW(control);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(control, Wide(text), length + 1);
    text.resize(static_cast<size_t>(copied));
    return text;
}

}  // namespace

void MainWindow::FillWindowSides()
{
    const HWND selector = Control(form::SideSelector);
    if (selector == nullptr) {
        return;
    }
    for (const WindowSideEntry& entry : WindowSides) {
        const std::u16string text(entry.Text);
        SendMessageW(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text)));
    }
    SendMessageW(selector, CB_SETCURSEL, IndexOf(calculator_.SelectShadySide()), 0);
}

void MainWindow::OnCommand(HWND control, int code)
{
    switch (code) {
    case EN_CHANGE:
        if (const std::optional<EntryField> field = FieldOf(control)) {
            AcceptEntry(control, *field);
        }
        break;
    case EN_SETFOCUS:
        OnResultFocused(control);
        break;
    case EN_KILLFOCUS:
        OnResultLeft(control);
        break;
    case CBN_SELENDOK:
        // Unlike CBN_SELCHANGE, it also comes when the user picks the entry
        // that is already shown; that pick recalculates too.
        ApplyPickedWindowSide();
        break;
    case STN_CLICKED:
        OnCaptionClicked(control);
        break;
    default:
        break;
    }
}

void MainWindow::AcceptEntry(HWND box, EntryField field)
{
    const std::u16string text = TextOf(box);
    // Any change of a box's text is a next keystroke and takes the last
    // notice away.
    tip_.Dismiss();
    const EntryOutcome outcome = calculator_.AcceptNumericEntry(field, text);
    if (outcome.ClearBox) {
        // Setting a text wipes the box's undo, so the number offered back is
        // set, then replaced as an edit that can be undone: the box's own
        // undo (Ctrl+Z, the context menu) brings it back, and the rule runs
        // on it as on any change. Each change runs this handler, nested.
        SetWindowTextW(box, Wide(outcome.Restorable));
        if (!outcome.Restorable.empty()) {
            SendMessageW(box, EM_SETSEL, 0, -1);
            SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
        }
    }
    ShowResults(outcome.Results);
    // Only now: the nested change above takes whatever tip is up away, and
    // this notice is about the text that change removed.
    if (!outcome.Notice.empty()) {
        CreateTips();
        tip_.ShowAt(box, outcome.Notice, NoticeMilliseconds, true);
    }
}

void MainWindow::ApplyPickedWindowSide()
{
    // At CBN_SELENDOK the window text may still be the old entry; the list's
    // current selection is the one just picked.
    const HWND selector = Control(form::SideSelector);
    if (selector == nullptr) {
        return;
    }
    if (const std::optional<WindowSide> side = SideAt(SendMessageW(selector, CB_GETCURSEL, 0, 0))) {
        ShowResults(calculator_.ApplyWindowSide(*side));
    }
}

void MainWindow::ShowResults(const ResultTexts& results)
{
    for (const form::ResultBinding& binding : form::ResultBoxes) {
        if (const HWND box = Control(binding.Box)) {
            SetWindowTextW(box, Wide(TextOf(results, binding.Shows)));
        }
    }
}

// A result box reached with the keyboard shows its hover text until the
// focus moves on; only result boxes have one.
void MainWindow::OnResultFocused(HWND box)
{
    const std::u16string hint = HintFor(box);
    if (!hint.empty()) {
        CreateTips();
        tip_.ShowAt(box, hint, HintMilliseconds, false);
    }
}

// Only a hover text goes with the focus: a notice under an entry box stays
// its time wherever the focus goes.
void MainWindow::OnResultLeft(HWND box)
{
    if (ResultShownBy(box) && tip_.Box() == box) {
        tip_.Dismiss();
    }
}

void MainWindow::OnCaptionClicked(HWND caption)
{
    const form::Control* control = form::FindControl(GetDlgCtrlID(caption));
    if (control != nullptr && control->Link) {
        OpenCompanyPage();
    }
}

std::optional<EntryField> MainWindow::FieldOf(HWND box) const
{
    for (const form::EntryBinding& binding : form::EntryBoxes) {
        if (box != nullptr && Control(binding.Box) == box) {
            return binding.Field;
        }
    }
    return std::nullopt;
}

std::optional<Result> MainWindow::ResultShownBy(HWND box) const
{
    for (const form::ResultBinding& binding : form::ResultBoxes) {
        if (box != nullptr && Control(binding.Box) == box) {
            return binding.Shows;
        }
    }
    return std::nullopt;
}

std::u16string MainWindow::HintFor(HWND box) const
{
    const std::optional<Result> shown = ResultShownBy(box);
    return shown ? calculator_.Hint(*shown) : std::u16string();
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

void MainWindow::OnKeyPressed(WPARAM key)
{
    // A modifier pressed alone only prepares the next key.
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LWIN || key == VK_RWIN) {
        return;
    }
    tip_.Dismiss();
}

}  // namespace acpower::win32
