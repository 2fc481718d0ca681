// Frame lines of lists, trees, grids and text boxes at the scale factor the test runs at (the suite runs these
// again with QT_SCALE_FACTOR at 1.25, 1.5 and 1.75): all four sides of every frame reach the screen.
#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

// Darker than the window and the text boxes' base: a pixel of a frame line.
bool isFramePixel(const QImage& image, int x, int y) {
    constexpr int kLightestFrameGrey = 220;
    return qGray(image.pixel(x, y)) < kLightestFrameGrey;
}

// Whether some device pixel of the band, `depth` pixels deep from an edge inwards, is a frame pixel.
bool bandHoldsFrame(const QImage& image, QPoint edge, QPoint inwards, int depth) {
    for (int step = 0; step < depth; ++step) {
        const QPoint at = edge + inwards * step;
        if (image.rect().contains(at) && isFramePixel(image, at.x(), at.y()))
            return true;
    }
    return false;
}

// The sides of `frame` (a child of the grabbed window) whose line is missing from `image`.
QStringList missingSides(const QImage& image, const QWidget& frame) {
    const qreal scale = image.devicePixelRatio();
    const QRect g = frame.geometry();
    const int left = int(std::floor(g.left() * scale));
    const int top = int(std::floor(g.top() * scale));
    const int right = int(std::ceil((g.right() + 1) * scale)) - 1;
    const int bottom = int(std::ceil((g.bottom() + 1) * scale)) - 1;
    const int middleX = (left + right) / 2;
    const int middleY = (top + bottom) / 2;
    // A line one pixel wide covers at least one device pixel within the first two-and-a-bit device pixels.
    const int depth = int(std::ceil(scale)) + 1;
    QStringList missing;
    if (!bandHoldsFrame(image, {middleX, top}, {0, 1}, depth))
        missing << QStringLiteral("top");
    if (!bandHoldsFrame(image, {middleX, bottom}, {0, -1}, depth))
        missing << QStringLiteral("bottom");
    if (!bandHoldsFrame(image, {left, middleY}, {1, 0}, depth))
        missing << QStringLiteral("left");
    if (!bandHoldsFrame(image, {right, middleY}, {-1, 0}, depth))
        missing << QStringLiteral("right");
    return missing;
}

TEST(FrameLinesTest, EverySideOfEveryFrameIsDrawn) {
    QWidget window;
    std::vector<QWidget*> frames;
    // Every kind of framed view the pages use, at each of four offsets and sizes, so that the edges fall on
    // every phase of a fractional scale's pixel grid.
    constexpr int kPhases = 4;
    constexpr int kColumnWidth = 90;
    constexpr int kRowHeight = 60;
    const std::function<QAbstractScrollArea*(QWidget*)> kinds[] = {
        [](QWidget* parent) { return new QListWidget(parent); },
        [](QWidget* parent) { return new QTextEdit(parent); },
        [](QWidget* parent) { return new QTableWidget(parent); },
        [](QWidget* parent) {
            auto* tree = new QTreeWidget(parent);
            tree->setHeaderHidden(true);
            return tree;
        },
    };
    for (int phase = 0; phase < kPhases; ++phase) {
        int column = 0;
        for (const auto& make : kinds) {
            QWidget* frame = make(&window);
            frame->setGeometry(column++ * kColumnWidth + phase, phase * kRowHeight + phase,
                               kColumnWidth - kPhases * 2 + phase, kRowHeight - kPhases * 2 + phase);
            frames.push_back(frame);
        }
    }
    window.resize(kPhases * kColumnWidth + kPhases, kPhases * kRowHeight + kPhases);
    window.show();
    QApplication::processEvents();
    const QImage image = window.grab().toImage();
    for (const QWidget* frame : frames)
        EXPECT_EQ(missingSides(image, *frame), QStringList())
            << frame->metaObject()->className() << " at " << frame->x() << "," << frame->y() << ", scale "
            << image.devicePixelRatio();
}

} // namespace
} // namespace trelkin
