#include "gui/weapon/weapon_artwork.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

// The icon as drawn at a device pixel ratio, read back in logical pixel coordinates.
class Drawn {
public:
    Drawn(const QIcon& icon, QSize logicalSize, qreal ratio)
        : m_image(icon.pixmap(logicalSize, ratio).toImage()), m_ratio(ratio) {}

    QSize deviceSize() const { return m_image.size(); }
    // The colour in the middle of the logical pixel.
    QColor at(int x, int y) const { return m_image.pixelColor(int((x + 0.5) * m_ratio), int((y + 0.5) * m_ratio)); }

    int opaqueShare() const {
        int opaque = 0;
        for (int y = 0; y < m_image.height(); ++y)
            for (int x = 0; x < m_image.width(); ++x)
                opaque += m_image.pixelColor(x, y).alpha() > 0;
        return opaque * 100 / (m_image.width() * m_image.height());
    }

private:
    QImage m_image;
    qreal m_ratio;
};

const QColor kBorder(143, 143, 143);
const QColor kGrey(232, 232, 232);

TEST(WeaponArtworkTest, BarsHaveTheirBorderFillDividerAndATransparentBottomRowAtAnyScale) {
    ASSERT_EQ(ImageListAttribute().size(), 15u);
    for (const qreal ratio : {1.0, 2.0}) {
        const Drawn fire(ImageListAttribute()[1], QSize(8, 16), ratio);
        EXPECT_EQ(fire.deviceSize(), QSize(8, 16) * ratio);
        EXPECT_EQ(fire.at(0, 0), kBorder);
        EXPECT_EQ(fire.at(7, 14), kBorder);
        EXPECT_EQ(fire.at(3, 3), QColor(255, 0, 0));
        EXPECT_EQ(fire.at(3, 12), QColor(255, 0, 0));
        EXPECT_EQ(fire.at(3, 15).alpha(), 0);

        const Drawn fireAndDefence(ImageListAttribute()[8], QSize(8, 16), ratio);
        EXPECT_EQ(fireAndDefence.at(3, 6), QColor(255, 0, 0));
        EXPECT_EQ(fireAndDefence.at(3, 7), kBorder) << "a border line between the halves";
        EXPECT_EQ(fireAndDefence.at(3, 8), kGrey);
        EXPECT_EQ(fireAndDefence.at(1, 13), kGrey);

        EXPECT_EQ(Drawn(ImageListAttribute()[0], QSize(8, 16), ratio).at(4, 10), kGrey);
        EXPECT_EQ(Drawn(ImageListAttribute()[14], QSize(8, 16), ratio).at(4, 3), QColor(0, 128, 255));
    }
}

TEST(WeaponArtworkTest, ClassIconsAreDistinctBlackSilhouettesAndIconZeroIsEmpty) {
    ASSERT_EQ(ImageListWeapon().size(), 6u);
    EXPECT_EQ(Drawn(ImageListWeapon()[0], QSize(16, 16), 1).opaqueShare(), 0);
    std::vector<QImage> seen;
    for (size_t icon = 1; icon < ImageListWeapon().size(); ++icon) {
        const QImage image = ImageListWeapon()[icon].pixmap(QSize(16, 16), 2.0).toImage();
        EXPECT_EQ(image.size(), QSize(32, 32)) << "drawn at the device resolution, not scaled up";
        const Drawn drawn(ImageListWeapon()[icon], QSize(16, 16), 1);
        EXPECT_GT(drawn.opaqueShare(), 10) << icon;
        EXPECT_LT(drawn.opaqueShare(), 60) << icon;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                ASSERT_TRUE(pixel.alpha() == 0 || (pixel.red() == 0 && pixel.green() == 0 && pixel.blue() == 0))
                    << "icon " << icon << " at " << x << "," << y;
            }
        EXPECT_TRUE(std::find(seen.begin(), seen.end(), image) == seen.end()) << icon;
        seen.push_back(image);
    }
}

TEST(WeaponArtworkTest, ANodeShowsItsClassIconThenItsBar) {
    const Drawn node(weaponNodeIcon(3, 1), kWeaponNodeIconSize, 2.0);
    EXPECT_EQ(node.at(16, 0), kBorder);
    EXPECT_EQ(node.at(19, 4), QColor(255, 0, 0));
    const Drawn noBar(weaponNodeIcon(3, -1), kWeaponNodeIconSize, 1.0);
    EXPECT_EQ(noBar.at(16, 0).alpha(), 0);
    EXPECT_EQ(noBar.at(19, 4).alpha(), 0);
    EXPECT_EQ(Drawn(weaponNodeIcon(0, -1), kWeaponNodeIconSize, 1.0).opaqueShare(), 0);
}

} // namespace
} // namespace trelkin
