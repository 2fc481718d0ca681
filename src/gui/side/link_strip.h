#pragma once

#include <QLabel>

namespace trelkin {

namespace ui {
class UrlOpener;
}

// The one-line link strip above the pages: navy, underlined, with a hand cursor; a click opens the game page, and
// so do Enter and Space once Tab has brought the focus to it.
class LinkStrip : public QLabel {
    Q_OBJECT
public:
    explicit LinkStrip(QWidget* parent = nullptr);

    ui::UrlOpener* urlOpener() const { return m_opener; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Opens the game page; whether the desktop could open it is not reported.
    void Panel1Click();

    ui::UrlOpener* m_opener;
};

} // namespace trelkin
