#include "gui/combination/recipe_legend.h"

#include "gui/widgets/colour.h"

#include <QLabel>
#include <QVBoxLayout>

namespace trelkin {
namespace {

QLabel* legendLine(const Rgb& colour, const QString& word, const QString& meaning, QWidget* parent) {
    auto* line = new QLabel(parent);
    line->setTextFormat(Qt::RichText);
    line->setText(QStringLiteral("<span style=\"color:%1\">%2</span>%3")
                      .arg(ui::toQColor(colour).name(), word.toHtmlEscaped(), meaning.toHtmlEscaped()));
    return line;
}

} // namespace

RecipeLegend::RecipeLegend(QWidget* parent) : QGroupBox(QStringLiteral("ヒント"), parent) {
    setObjectName(QStringLiteral("GroupBox3"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(legendLine(kBlack, QStringLiteral("黒色"),
                                 QStringLiteral("…調合・錬金では作成することが出来ないアイテム"), this));
    layout->addWidget(
        legendLine(kBlue, QStringLiteral("青色"), QStringLiteral("…調合で作成することが可能なアイテム"), this));
    layout->addWidget(
        legendLine(kOrange, QStringLiteral("オレンジ色"), QStringLiteral("…錬金で作成することが可能なアイテム"), this));
}

} // namespace trelkin
