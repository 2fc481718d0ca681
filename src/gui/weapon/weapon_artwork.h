#pragma once

#include <QIcon>
#include <QSize>
#include <vector>

namespace trelkin {

// The class icons, 16 × 16: 0 empty, then black silhouettes of sword with shield, two swords, great sword,
// hammer and lance (the classes in page order).
const std::vector<QIcon>& ImageListWeapon();

// The attribute bars, 8 × 16, one per bar index (see attributeBarFill).
const std::vector<QIcon>& ImageListAttribute();

// The picture of a tree node: its class icon, then its attribute bar; either slot stays blank for none.
inline constexpr QSize kWeaponNodeIconSize(24, 16);
QIcon weaponNodeIcon(int classIcon, int attributeBar);

} // namespace trelkin
