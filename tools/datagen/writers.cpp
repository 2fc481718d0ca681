#include "datagen.h"

#include <stdexcept>

namespace datagen {

namespace {

constexpr unsigned char kLastControlOrSpace = 0x20;
const std::array<std::string, kSlotCount> kSlotTags = {"head", "body", "arm", "waist", "leg"};
const std::array<std::string, kResistCount> kResistNames = {"fire", "water", "thunder", "dragon"};

// prepare.txt fields are never quoted, so a space, control byte, comma or quote would split or corrupt the line.
const std::string& plainField(const std::string& field) {
    for (char c : field) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= kLastControlOrSpace || c == ',' || c == '"') {
            throw std::runtime_error("recipe field needs quoting: " + field);
        }
    }
    return field;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string element(const std::string& tag, const std::string& text) {
    return "<" + tag + ">" + escaped(text) + "</" + tag + ">";
}

std::string element(const std::string& tag, int value) {
    return element(tag, std::to_string(value));
}

std::string attribute(const std::string& name, const std::string& value) {
    return " " + name + "=\"" + escaped(value) + "\"";
}

// Wraps already formatted children, collapsing to <tag/> when there are none.
std::string group(const std::string& tag, const std::string& children) {
    return children.empty() ? "<" + tag + "/>" : "<" + tag + ">" + children + "</" + tag + ">";
}

std::string materials(const std::string& tag, const std::vector<Amount>& amounts) {
    std::string children;
    for (const Amount& a : amounts) {
        children += "<material" + attribute("num", std::to_string(a.num)) + ">" + escaped(a.name) + "</material>";
    }
    return group(tag, children);
}

std::string flag(bool on) {
    return on ? "Y" : "";
}

std::string skillRow(const SkillRow& row) {
    return "    <row>" + element("skill", row.system) + element("name", row.name) + element("range_min", row.min) +
           element("range_max", row.max) + element("effect", row.effect) + "</row>\n";
}

std::string armorPiece(const ArmorPiece& p) {
    std::string resist;
    for (std::size_t i = 0; i < kResistNames.size(); ++i) {
        resist += attribute(kResistNames[i], std::to_string(p.resist[i]));
    }
    std::string skills;
    for (const SkillPoint& s : p.skills) {
        skills += "<entry" + attribute("val", std::to_string(s.value)) + ">" + escaped(s.system) + "</entry>";
    }
    const Wearer& w = p.wearer;
    return "      <piece>\n        " + element("name", p.name) + element("rare", p.rare) + element("def", p.def) +
           "\n        <enableequipment" + attribute("m", flag(w.male)) + attribute("f", flag(w.female)) +
           attribute("s", flag(w.swordsman)) + attribute("g", flag(w.gunner)) + "/>\n        <attr" + resist +
           "/>\n        " + element("sale", p.sale) + element("production", p.production) + "\n        " +
           materials("materials", p.materials) + "\n        " + group("skill", skills) + "\n      </piece>\n";
}

std::string weaponEntry(const Weapon& w) {
    std::string effects;
    for (const Effect& e : w.effects) {
        effects += "<effect" + attribute("value", std::to_string(e.value)) + ">" + escaped(e.name) + "</effect>";
    }
    return "    <weapon>\n      " + element("type", w.type) + element("name", w.name) + element("attack", w.attack) +
           "\n      " + group("additionaleffect", effects) + "\n      " + element("sale", w.sale) +
           element("production", w.production) + "\n      " + materials("creatematerials", w.createMaterials) +
           "\n      " + materials("materials", w.upgradeMaterials) + "\n      " +
           (w.parent.empty() ? "<parentweapon/>" : element("parentweapon", w.parent)) + "\n    </weapon>\n";
}

} // namespace

std::string prepareText(const std::vector<Recipe>& recipes) {
    std::string text;
    for (const Recipe& r : recipes) {
        const std::string kind = r.family == Family::Alchemy ? "錬金" : "調合";
        text += std::to_string(r.number) + "," + plainField(r.item) + "," + plainField(r.material1) + "," +
                plainField(r.material2) + "," + std::to_string(r.rate) + "," + plainField(r.description) + "," + kind +
                "," + std::to_string(r.quantity) + "\n";
    }
    return text;
}

std::string guardXml(const SkillTable& skills, const std::vector<ArmorPiece>& pieces) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<guarddata>\n  <skilllist>\n";
    for (const SkillRow& row : skills.rows) {
        xml += skillRow(row);
    }
    xml += "  </skilllist>\n  <armorlist>\n";
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string& tag = kSlotTags[static_cast<std::size_t>(slot)];
        xml += "    <" + tag + ">\n";
        for (const ArmorPiece& p : pieces) {
            if (p.slot == slot) {
                xml += armorPiece(p);
            }
        }
        xml += "    </" + tag + ">\n";
    }
    return xml + "  </armorlist>\n</guarddata>\n";
}

std::string weaponXml(const std::vector<Weapon>& weapons) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<weapondata>\n  <weaponlist>\n";
    for (const Weapon& w : weapons) {
        xml += weaponEntry(w);
    }
    return xml + "  </weaponlist>\n</weapondata>\n";
}

} // namespace datagen
