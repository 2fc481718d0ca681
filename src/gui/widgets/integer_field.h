#pragma once

#include <QLineEdit>
#include <cstdint>

namespace trelkin::ui {

// An integer input without bounds. It takes any text; its value is the integer that the text holds, and 0 for a
// text that holds none.
class IntegerField : public QLineEdit {
    Q_OBJECT
public:
    explicit IntegerField(const QString& objectName, QWidget* parent = nullptr);

    std::int32_t value() const;
};

} // namespace trelkin::ui
