#include "views/side/report_page.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace trelkin {

ReportPage::ReportPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QGroupBox(QStringLiteral("防具"), this));
}

} // namespace trelkin
