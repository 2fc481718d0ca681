#include "gui/widgets/painted_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace trelkin::ui {
namespace {

class PaintedIconEngine : public QIconEngine {
public:
    PaintedIconEngine(QSize logicalSize, IconPainting painting)
        : m_logicalSize(logicalSize), m_painting(std::move(painting)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal scale =
            std::min(qreal(rect.width()) / m_logicalSize.width(), qreal(rect.height()) / m_logicalSize.height());
        const QSizeF drawn = QSizeF(m_logicalSize) * scale;
        painter->save();
        painter->translate(rect.x() + (rect.width() - drawn.width()) / 2,
                           rect.y() + (rect.height() - drawn.height()) / 2);
        painter->scale(scale, scale);
        m_painting(*painter);
        painter->restore();
    }

    // Asked for in device pixels when the icon becomes a pixmap (buttons, drag images).
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(m_logicalSize, m_painting); }

private:
    QSize m_logicalSize;
    IconPainting m_painting;
};

} // namespace

QIcon paintedIcon(QSize logicalSize, IconPainting painting) {
    return QIcon(new PaintedIconEngine(logicalSize, std::move(painting)));
}

} // namespace trelkin::ui
