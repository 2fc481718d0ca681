#pragma once

#include <QGroupBox>

namespace trelkin {

// The legend "ヒント": what the three name colours of the recipe views mean, each colour word in its colour.
class RecipeLegend : public QGroupBox {
    Q_OBJECT
public:
    explicit RecipeLegend(QWidget* parent = nullptr);
};

} // namespace trelkin
