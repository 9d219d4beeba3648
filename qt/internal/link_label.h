#pragma once

#include <QLabel>

class QMouseEvent;

namespace acpower {

// A caption that answers a click, as the brand halves of the top line do.
// QLabel's own link support would need the text to be rich-text markup and
// would style it as a browser link; the captions must keep their plain look.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace acpower
