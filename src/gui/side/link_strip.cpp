#include "gui/side/link_strip.h"

#include "core/side/side_addresses.h"
#include "gui/widgets/colour.h"
#include "gui/widgets/url_opener.h"

#include <QMouseEvent>

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

void LinkStrip::Panel1Click() {
    m_opener->open(gamePageUrl());
}

} // namespace trelkin
