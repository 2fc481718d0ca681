#pragma once

#include <QLabel>

namespace trelkin {

// The one-line link strip above the pages: navy, underlined, with a hand cursor; a click emits clicked().
class LinkStrip : public QLabel {
    Q_OBJECT
public:
    explicit LinkStrip(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace trelkin
