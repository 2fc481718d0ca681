#include "gui/widgets/integer_field.h"

#include "core/text/integer_reader.h"

namespace trelkin::ui {
namespace {

constexpr std::int32_t kNoInteger = 0;

} // namespace

IntegerField::IntegerField(const QString& objectName, QWidget* parent)
    : QLineEdit(QString::number(kNoInteger), parent) {
    setObjectName(objectName);
    setAlignment(Qt::AlignRight);
}

std::int32_t IntegerField::value() const {
    return readIntegerOr(text().toStdString(), kNoInteger);
}

} // namespace trelkin::ui
