#pragma once

#include <QString>

namespace trelkin {

// The two addresses of the side views, fixed when the system is built.

// The recipient of the armour information report.
QString reportAddress();

// The game's information page that the link strip opens.
QString gamePageUrl();

} // namespace trelkin
