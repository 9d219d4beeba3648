#pragma once

#include <QLabel>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace acpower {

// A caption that answers a click, as the brand halves of the top line do.
// QLabel's own link support would need the text to be rich-text markup and
// would style it as a browser link; the captions must keep their plain look.
// Tab reaches it, Enter or Space follows it, and screen readers meet a link.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // Where the link leads, for screen readers.
    void SetTarget(const QString& address);
    QString Target() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
    QString target_;
};

}  // namespace acpower
