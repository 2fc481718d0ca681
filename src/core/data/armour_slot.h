#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace trelkin {

// The five armour slots, in the order in which every view handles them.
enum class ArmourSlot { Head, Body, Arm, Waist, Leg };

inline constexpr std::size_t kArmourSlotCount = 5;
inline constexpr std::array<ArmourSlot, kArmourSlotCount> kArmourSlots{
    ArmourSlot::Head, ArmourSlot::Body, ArmourSlot::Arm, ArmourSlot::Waist, ArmourSlot::Leg};

// Position of the slot in kArmourSlots.
constexpr std::size_t slotIndex(ArmourSlot slot) {
    return static_cast<std::size_t>(slot);
}

// "頭", "胴", "腕", "腰" or "脚" in code page 932.
const std::string& slotCaption(ArmourSlot slot);

} // namespace trelkin
