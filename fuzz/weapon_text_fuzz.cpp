#include "core/data/common_weapon.h"
#include "core/text/error.h"

#include <cstdint>
#include <string_view>

// The plain text of a weapon file through the XML parser and the table reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    trelkin::weapon::TWeaponDatas weapons;
    try {
        trelkin::weapon::readWeaponText(text, weapons);
    } catch (const trelkin::Error&) {
        // Malformed documents are reported to the user; only crashes matter here.
    }
    return 0;
}
