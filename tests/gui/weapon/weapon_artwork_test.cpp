#include "gui/weapon/weapon_artwork.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace trelkin {
namespace {

// The icon as drawn at a device pixel ratio, read back in logical pixel coordinates.
class Drawn {
public:
    Drawn(const QIcon& icon, QSize logicalSize, qreal ratio)
        : m_image(icon.pixmap(logicalSize, ratio).toImage()), m_ratio(ratio) {}

    QSize deviceSize() const { return m_image.size(); }
    int logicalHeight() const { return int(m_image.height() / m_ratio); }
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
const QColor kTransparent(0, 0, 0, 0);

// The colours met going down a column of a drawn bar, each with the number of rows it lasts.
std::vector<std::pair<QColor, int>> runsDown(const Drawn& drawn, int x) {
    std::vector<std::pair<QColor, int>> runs;
    for (int y = 0; y < drawn.logicalHeight(); ++y) {
        QColor colour = drawn.at(x, y);
        if (colour.alpha() == 0)
            colour = kTransparent;
        if (runs.empty() || runs.back().first != colour)
            runs.emplace_back(colour, 0);
        ++runs.back().second;
    }
    return runs;
}

std::vector<QColor> coloursOf(const std::vector<std::pair<QColor, int>>& runs) {
    std::vector<QColor> colours;
    for (const auto& [colour, length] : runs)
        colours.push_back(colour);
    return colours;
}

TEST(WeaponArtworkTest, BarsAreFilledInsideAOnePixelBorderAboveATransparentBottomRowAtAnyScale) {
    ASSERT_EQ(ImageListAttribute().size(), 15u);
    const QSize barSize(8, 16);
    for (const qreal ratio : {1.0, 2.0}) {
        const Drawn fire(ImageListAttribute()[1], barSize, ratio);
        EXPECT_EQ(fire.deviceSize(), barSize * ratio);
        const auto runs = runsDown(fire, barSize.width() / 2);
        EXPECT_EQ(coloursOf(runs), (std::vector<QColor>{kBorder, QColor(255, 0, 0), kBorder, kTransparent}));
        EXPECT_EQ(runs.front().second, 1);
        EXPECT_EQ(runs.back().second, 1) << "one transparent bottom row";
        EXPECT_EQ(fire.at(0, barSize.height() / 2), kBorder) << "the border runs down the sides";

        const auto halves = runsDown(Drawn(ImageListAttribute()[8], barSize, ratio), barSize.width() / 2);
        EXPECT_EQ(coloursOf(halves),
                  (std::vector<QColor>{kBorder, QColor(255, 0, 0), kBorder, kGrey, kBorder, kTransparent}))
            << "the effect above the defence bonus, a border line between them";
        EXPECT_EQ(halves[2].second, 1);

        EXPECT_EQ(coloursOf(runsDown(Drawn(ImageListAttribute()[0], barSize, ratio), 4))[1], kGrey);
        EXPECT_EQ(coloursOf(runsDown(Drawn(ImageListAttribute()[14], barSize, ratio), 4))[1], QColor(0, 128, 255));
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
