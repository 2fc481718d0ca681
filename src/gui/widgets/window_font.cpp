#include "gui/widgets/window_font.h"

#include <QStringList>

namespace trelkin::ui {
namespace {

constexpr int kFontPixelSize = 12;

QFont japaneseFont(const QStringList& families, QFont::StyleHint hint) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(kFontPixelSize);
    return font;
}

} // namespace

QFont windowFont() {
    return japaneseFont({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                         QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic")},
                        QFont::SansSerif);
}

QFont fixedPitchFont() {
    return japaneseFont({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                         QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic")},
                        QFont::Monospace);
}

} // namespace trelkin::ui
