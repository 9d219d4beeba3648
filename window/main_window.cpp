#include "window/main_window.h"

namespace acpower {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Предварительный расчет требуемой мощности кондиционера"));
}

}  // namespace acpower
