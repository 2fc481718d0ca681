#pragma once

#include <QWidget>

namespace trelkin {

// The "情報提供" page: the form that describes an armour piece for a report by mail.
class ReportPage : public QWidget {
    Q_OBJECT
public:
    explicit ReportPage(QWidget* parent = nullptr);
};

} // namespace trelkin
