#include "core/data/common_guard.h"
#include "core/text/error.h"

#include <cstdint>
#include <string_view>

// The plain text of an armour file through the XML parser and the table reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    trelkin::guard::TSkillDatas skills;
    trelkin::guard::TEquipmentDatas head, body, arm, waist, leg;
    try {
        trelkin::guard::readGuardText(text, skills, head, body, arm, waist, leg);
    } catch (const trelkin::Error&) {
        // Malformed documents are reported to the user; only crashes matter here.
    }
    return 0;
}
