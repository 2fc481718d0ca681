#include "core/data/armour_slot.h"

#include "core/text/cp932.h"

namespace trelkin {

const std::string& slotCaption(ArmourSlot slot) {
    static const std::array<std::string, kArmourSlotCount> captions{
        toCp932(QStringLiteral("頭")), toCp932(QStringLiteral("胴")), toCp932(QStringLiteral("腕")),
        toCp932(QStringLiteral("腰")), toCp932(QStringLiteral("脚"))};
    return captions[slotIndex(slot)];
}

} // namespace trelkin
