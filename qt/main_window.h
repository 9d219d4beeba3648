#pragma once

#include "core/calculator.h"
#include "core/entry_rules.h"
#include "core/recalculate.h"
#include "form/form1.h"

#include <QWidget>

#include <array>
#include <string_view>

class QCloseEvent;
class QEvent;
class QLineEdit;
class QPoint;

namespace acpower {

class BoxTip;

// The calculator's one window: the controls of the form table, wired to the
// engine, which decides everything the window shows.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The form's control of that name, or nullptr for a name the form does
    // not hold.
    QWidget* Control(std::string_view name) const;

    void CreateControls();
    void FillWindowSides();
    void ConnectNotifications();
    void FitColoursToTheme();
    void FitPopupsToLook();
    void CentreOnScreen();
    BoxTip& Tip();

    void AcceptEntry(QLineEdit* box, EntryField field);
    void ApplyPickedWindowSide();
    void ShowResults(const ResultTexts& results);
    void OnResultFocused(QWidget* box);
    void CopyAccount();
    void ShowResultMenu(QLineEdit* box, const QPoint& where);

    Calculator calculator_;
    // At the index of its row in the form table; owned as children.
    std::array<QWidget*, form::Form1Controls.size()> controls_{};
    BoxTip* tip_ = nullptr;  // made on first use, owned as a child
};

}  // namespace acpower
