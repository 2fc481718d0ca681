#include "gui/widgets/lazy_page.h"

#include <QVBoxLayout>

namespace trelkin::ui {

LazyPage::LazyPage(Build build, QWidget* parent) : QWidget(parent), m_build(std::move(build)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QWidget* LazyPage::content() {
    if (m_content)
        return m_content;
    m_content = m_build();
    layout()->addWidget(m_content);
    std::vector<std::function<void()>> waiting = std::move(m_waiting);
    for (const std::function<void()>& work : waiting)
        work();
    return m_content;
}

void LazyPage::whenBuilt(std::function<void()> work) {
    if (isBuilt())
        work();
    else
        m_waiting.push_back(std::move(work));
}

void LazyPage::showEvent(QShowEvent* event) {
    content();
    QWidget::showEvent(event);
}

} // namespace trelkin::ui
