#include "gui/widgets/integer_field.h"

#include "core/text/integer_reader.h"

namespace trelkin::ui {

IntegerField::IntegerField(const QString& objectName, QWidget* parent)
    : QLineEdit(QString::number(kFieldMinimum), parent) {
    setObjectName(objectName);
    setAlignment(Qt::AlignRight);
}

std::int32_t IntegerField::value() const {
    return readIntegerField(text().toStdString());
}

} // namespace trelkin::ui
