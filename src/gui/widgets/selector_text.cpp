#include "gui/widgets/selector_text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QToolTip>
#include <algorithm>

namespace trelkin::ui {
namespace {

// Room for the list's frame and item margins beside the text.
constexpr int kPopupTextMargin = 16;

// Shows the chosen text as the tooltip only where the edit field cannot hold it.
class CutTextToolTip : public QObject {
public:
    explicit CutTextToolTip(QComboBox* selector) : QObject(selector), m_selector(selector) {
        selector->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_selector || event->type() != QEvent::ToolTip)
            return false;
        const QString text = m_selector->currentText();
        if (!text.isEmpty() && m_selector->fontMetrics().horizontalAdvance(text) > fieldWidth())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, m_selector);
        else
            QToolTip::hideText();
        return true;
    }

private:
    int fieldWidth() const {
        QStyleOptionComboBox option;
        option.initFrom(m_selector);
        option.editable = m_selector->isEditable();
        return m_selector->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, m_selector)
            .width();
    }

    QComboBox* m_selector;
};

} // namespace

void showNamesInFull(QComboBox* selector) {
    constexpr const char* kHasCutTextToolTip = "trelkinCutTextToolTip";
    if (!selector->property(kHasCutTextToolTip).toBool()) {
        new CutTextToolTip(selector);
        selector->setProperty(kHasCutTextToolTip, true);
    }
    const QFontMetrics metrics(selector->view()->font());
    int widest = 0;
    for (int i = 0; i < selector->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(selector->itemText(i)));
    selector->view()->setMinimumWidth(widest + kPopupTextMargin +
                                      selector->view()->verticalScrollBar()->sizeHint().width());
}

} // namespace trelkin::ui
