#include "gui/weapon/weapon_artwork.h"

#include "core/weapon/weapon_attribute.h"
#include "core/weapon/weapon_class.h"
#include "gui/widgets/colour.h"
#include "gui/widgets/painted_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <array>

namespace trelkin {
namespace {

constexpr QSize kClassIconSize(16, 16);
constexpr QSize kAttributeBarSize(8, 16);
constexpr QRectF kBarOutline(0, 0, 8, 15); // the bottom row stays transparent
constexpr QRectF kBarInside(1, 1, 6, 13);
constexpr QRectF kBarLowerHalf(1, 8, 6, 6);
constexpr QRectF kBarDivider(1, 7, 6, 1);
constexpr qreal kSilhouetteGap = 1.6;
constexpr qreal kDiagonal = -45;
constexpr QPointF kIconCentre(8, 8);

// Every part filled as one, overlaps included.
QPainterPath united(const std::vector<QPainterPath>& parts) {
    QPainterPath whole;
    for (const QPainterPath& part : parts)
        whole = whole.united(part);
    return whole;
}

QPainterPath rect(qreal left, qreal top, qreal width, qreal height) {
    QPainterPath path;
    path.addRect(QRectF(left, top, width, height));
    return path;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath polygon(const QPolygonF& points) {
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// The shapes are drawn along the x axis, the tip to the right, centred on the origin. A sword from pommel to tip.
QPainterPath sword(qreal length, qreal bladeWidth) {
    const qreal pommel = -length / 2;
    const qreal guard = pommel + 4;
    const qreal bladeStart = guard + 1.4;
    const qreal tip = length / 2;
    const qreal half = bladeWidth / 2;
    return united({ellipse({pommel + 1, 0}, 1.1, 1.1), rect(pommel + 1, -0.8, 3, 1.6),
                   rect(guard, -half - 1.6, 1.4, bladeWidth + 3.2),
                   polygon({{bladeStart, -half},
                            {tip - bladeWidth, -half},
                            {tip, 0},
                            {tip - bladeWidth, half},
                            {bladeStart, half}})});
}

QPainterPath hammer() {
    QPainterPath head;
    head.addRoundedRect(QRectF(2.5, -5.5, 6.5, 11), 1.2, 1.2);
    return united({rect(-10, -1, 13, 2), head});
}

QPainterPath lance() {
    return united(
        {rect(-10, -1.1, 6.5, 2.2), ellipse({-4, 0}, 1.5, 4.2), polygon({{-3.5, -2.8}, {10.5, 0}, {-3.5, 2.8}})});
}

QPainterPath shield() {
    QPainterPath path;
    path.moveTo(0.5, 6);
    path.lineTo(10, 6);
    path.lineTo(10, 10);
    path.quadTo(10, 14, 5.25, 15.7);
    path.quadTo(0.5, 14, 0.5, 10);
    path.closeSubpath();
    return path;
}

// The shape turned about the icon's centre by the angle, moved by the offset.
QPainterPath placed(const QPainterPath& shape, qreal angle, QPointF offset = {}) {
    QTransform transform;
    transform.translate(kIconCentre.x() + offset.x(), kIconCentre.y() + offset.y());
    transform.rotate(angle);
    return transform.map(shape);
}

// The shapes laid over one another, each later one with a gap cut around it, so that they stay apart in one
// black silhouette.
QPainterPath overlaid(const std::vector<QPainterPath>& shapes) {
    QPainterPathStroker gap;
    gap.setWidth(kSilhouetteGap);
    QPainterPath silhouette;
    for (const QPainterPath& shape : shapes)
        silhouette = silhouette.subtracted(gap.createStroke(shape)).united(shape);
    return silhouette;
}

// The silhouettes of the classes, in class icon order from icon 1.
const std::array<QPainterPath, kWeaponClassCount>& classSilhouettes() {
    static const std::array<QPainterPath, kWeaponClassCount> silhouettes{
        overlaid({placed(sword(17, 2.4), kDiagonal, {1.2, -1.2}), shield()}),
        overlaid({placed(sword(19, 2.2), kDiagonal), placed(sword(19, 2.2), kDiagonal - 90)}),
        placed(sword(20, 4), kDiagonal),
        placed(hammer(), kDiagonal),
        placed(lance(), kDiagonal),
    };
    return silhouettes;
}

void paintClassIcon(QPainter& painter, int classIcon) {
    if (classIcon == kNoClassIcon)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(classSilhouettes()[size_t(classIcon - 1)], Qt::black);
}

void paintAttributeBar(QPainter& painter, int bar) {
    const AttributeBarFill fill = attributeBarFill(bar);
    painter.fillRect(kBarOutline, ui::toQColor(kAttributeBarBorder));
    painter.fillRect(kBarInside, ui::toQColor(fill.upper));
    if (fill.lower) {
        painter.fillRect(kBarLowerHalf, ui::toQColor(*fill.lower));
        painter.fillRect(kBarDivider, ui::toQColor(kAttributeBarBorder));
    }
}

} // namespace

const std::vector<QIcon>& ImageListWeapon() {
    static const std::vector<QIcon> icons = [] {
        std::vector<QIcon> made;
        for (int icon = kNoClassIcon; icon <= int(kWeaponClassCount); ++icon)
            made.push_back(ui::paintedIcon(kClassIconSize, [icon](QPainter& p) { paintClassIcon(p, icon); }));
        return made;
    }();
    return icons;
}

const std::vector<QIcon>& ImageListAttribute() {
    static const std::vector<QIcon> bars = [] {
        std::vector<QIcon> made;
        for (int bar = 0; bar < kAttributeBarCount; ++bar)
            made.push_back(ui::paintedIcon(kAttributeBarSize, [bar](QPainter& p) { paintAttributeBar(p, bar); }));
        return made;
    }();
    return bars;
}

QIcon weaponNodeIcon(int classIcon, int attributeBar) {
    // One icon per pair, made when first shown: 6 class icons times the bars and "no bar".
    static std::array<std::array<QIcon, kAttributeBarCount + 1>, kWeaponClassCount + 1> made;
    QIcon& icon = made[size_t(classIcon)][size_t(attributeBar + 1)];
    if (icon.isNull())
        icon = ui::paintedIcon(kWeaponNodeIconSize, [classIcon, attributeBar](QPainter& painter) {
            ImageListWeapon()[size_t(classIcon)].paint(&painter, QRect(QPoint(), kClassIconSize));
            if (attributeBar != kNoAttributeBar)
                ImageListAttribute()[size_t(attributeBar)].paint(
                    &painter, QRect(QPoint(kClassIconSize.width(), 0), kAttributeBarSize));
        });
    return icon;
}

} // namespace trelkin
