#include "gui/widgets/flat_button_pages.h"

#include "gui/widgets/flow_layout.h"

#include <QButtonGroup>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace trelkin::ui {
namespace {

constexpr int kButtonSpacing = 2;

} // namespace

FlatButtonPages::FlatButtonPages(int buttonWidth, QWidget* parent)
    : QWidget(parent), m_buttonWidth(buttonWidth), m_buttonRow(new FlowLayout(nullptr, kButtonSpacing)),
      m_buttons(new QButtonGroup(this)), m_pages(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kButtonSpacing);
    layout->addLayout(m_buttonRow);
    layout->addWidget(m_pages, 1);
    m_buttons->setExclusive(true);
    connect(m_buttons, &QButtonGroup::idClicked, this, &FlatButtonPages::setCurrentIndex);
}

int FlatButtonPages::addPage(QWidget* page, const QString& caption, const QIcon& icon) {
    // The button joins the focus chain before its page, so that Tab reaches the row of buttons above first.
    const int index = m_pages->count();
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setIcon(icon);
    button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
    button->setCheckable(true);
    button->setAutoRaise(true);
    if (m_buttonWidth > 0)
        button->setFixedWidth(m_buttonWidth);
    m_buttons->addButton(button, index);
    m_buttonRow->addWidget(button);
    m_pages->addWidget(page);
    button->setChecked(index == m_pages->currentIndex());
    return index;
}

void FlatButtonPages::setButtonVisible(int index, bool visible) {
    if (QToolButton* found = button(index))
        found->setVisible(visible);
}

int FlatButtonPages::count() const {
    return m_pages->count();
}

int FlatButtonPages::currentIndex() const {
    return m_pages->currentIndex();
}

void FlatButtonPages::setCurrentIndex(int index) {
    if (index < 0 || index >= count())
        return;
    if (QToolButton* current = button(index))
        current->setChecked(true);
    if (index == m_pages->currentIndex())
        return;
    m_pages->setCurrentIndex(index);
    emit currentChanged(index);
}

QWidget* FlatButtonPages::page(int index) const {
    return m_pages->widget(index);
}

QToolButton* FlatButtonPages::button(int index) const {
    return qobject_cast<QToolButton*>(m_buttons->button(index));
}

} // namespace trelkin::ui
