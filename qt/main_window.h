#pragma once

// The road of one keystroke: the user types "5" into the people box Text3.
// Its textChanged signal runs AcceptEntry for Text3 and the people count (the
// form's bindings pair them), which hands the box's whole text to the
// Calculator; the engine parses it under the user's locale,
// stores 5 as the people count and recalculates the volume and the power;
// their display texts come back here, and ShowResults writes them into the
// result boxes Text6 and Text7. The window itself decides nothing.

#include "core/calculator.h"
#include "core/entry_rules.h"
#include "core/recalculate.h"

#include <QWidget>

#include <memory>
#include <string_view>

class QCloseEvent;
class QEvent;
class QLineEdit;

namespace Ui {
class Form1;
}

namespace acpower {

class BoxTip;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The form's control of that name; the form table and the Designer form
    // share every name.
    QWidget* Control(std::string_view name) const;

    void StyleControls();
    void FillWindowSides();
    void ConnectNotifications();
    void CentreOnScreen();
    void FitColoursToTheme();
    BoxTip& Tip();

    void AcceptEntry(QLineEdit* box, EntryField field);
    void ApplyPickedWindowSide();
    void ShowResults(const ResultTexts& results);

    std::unique_ptr<Ui::Form1> ui_;
    Calculator calculator_;
    BoxTip* tip_ = nullptr;  // made on first use, owned as a child
};

}  // namespace acpower
