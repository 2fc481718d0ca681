#pragma once

#include "gui/widgets/error_box.h"

#include <QStringList>

namespace trelkin::testing {

// Records error boxes instead of showing them, for the life of one test.
class RecordedErrorBoxes {
public:
    RecordedErrorBoxes() {
        m_previous = ui::setErrorBoxSink([this](QWidget*, const QString& title, const QString& text) {
            m_titles << title;
            m_texts << text;
        });
    }
    ~RecordedErrorBoxes() { ui::setErrorBoxSink(std::move(m_previous)); }

    QStringList titles() const { return m_titles; }
    QStringList texts() const { return m_texts; }

private:
    ui::ErrorBoxSink m_previous;
    QStringList m_titles;
    QStringList m_texts;
};

} // namespace trelkin::testing
