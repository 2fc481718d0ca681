#include "core/side/side_addresses.h"

// The build passes both addresses to this file alone.

namespace trelkin {

QString reportAddress() {
    return QStringLiteral(TRELKIN_REPORT_ADDRESS);
}

QString gamePageUrl() {
    return QStringLiteral(TRELKIN_GAME_PAGE_URL);
}

} // namespace trelkin
