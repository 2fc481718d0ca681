#include "gui/side/link_strip.h"

#include "core/side/side_addresses.h"
#include "gui/widgets/colour.h"
#include "gui/widgets/keyboard_use.h"
#include "gui/widgets/url_opener.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace trelkin {
namespace {

constexpr int kStripHeight = 21;

} // namespace

LinkStrip::LinkStrip(QWidget* parent)
    : QLabel(QStringLiteral("Brakmoorのページへ"), parent), m_opener(new ui::UrlOpener(this)) {
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(kStripHeight);
    setFrameShape(QFrame::Box);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette navyText = palette();
    navyText.setColor(QPalette::WindowText, ui::toQColor(kNavy));
    setPalette(navyText);
}

void LinkStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Panel1Click();
    QLabel::mouseReleaseEvent(event);
}

void LinkStrip::keyPressEvent(QKeyEvent* event) {
    if (ui::isActivationKey(*event))
        Panel1Click();
    else
        QLabel::keyPressEvent(event);
}

void LinkStrip::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    ui::drawFocusMark(painter, *this, rect());
}

void LinkStrip::Panel1Click() {
    m_opener->open(gamePageUrl());
}

} // namespace trelkin
