#include "datagen.h"

#include <algorithm>
#include <stdexcept>

namespace datagen {

namespace {

struct Tier {
    int min;
    int max;
    std::string suffix;
    std::string adverb;
    bool up;
};

// Point thresholds per skill system. The open ends are written as -100 and 100; the last scheme gives two skills
// at once from 15 points on, so its ranges overlap on purpose.
const std::array<std::vector<Tier>, 4> kSchemes = {{
    {{10, 14, "UP【小】", "少し", true},
     {15, 19, "UP【中】", "", true},
     {20, 100, "UP【大】", "かなり", true},
     {-100, -10, "DOWN", "", false}},
    {{10, 14, "+1", "少し", true},
     {15, 19, "+2", "", true},
     {20, 100, "+3", "かなり", true},
     {-14, -10, "-1", "少し", false},
     {-100, -15, "-2", "かなり", false}},
    {{10, 100, "UP", "", true}, {-100, -10, "DOWN", "", false}},
    {{10, 100, "UP", "", true}, {15, 100, "強化", "さらに", true}, {-100, -10, "DOWN", "", false}},
}};
// Cycled over the systems so every scale gets the same mix of schemes.
constexpr std::array<std::size_t, 10> kSchemeCycle = {0, 1, 0, 2, 3, 0, 1, 0, 2, 3};

const SkillRow kTorsoUpRow = {kTorsoUp, kTorsoUp, 1, 100, "この部位のスキルポイントが胴装備と同じになる。"};

void addRows(const SkillTheme& theme, const std::vector<Tier>& tiers, std::vector<SkillRow>& rows) {
    for (const Tier& tier : tiers) {
        const std::string effect = theme.subject + tier.adverb + (tier.up ? theme.up : theme.down) + "。";
        rows.push_back({theme.system, theme.label + tier.suffix, tier.min, tier.max, effect});
    }
}

} // namespace

SkillTable makeSkills(int systemCount, Rng& rng) {
    const auto regular = static_cast<std::size_t>(systemCount - 1);
    if (regular > skillThemes().size()) {
        throw std::runtime_error("too many skill systems for the skill lists (at most " +
                                 std::to_string(skillThemes().size() + 1) + ")");
    }
    std::vector<std::size_t> chosen(skillThemes().size());
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        chosen[i] = i;
    }
    rng.shuffle(chosen);
    chosen.resize(regular);
    std::sort(chosen.begin(), chosen.end());

    SkillTable table;
    const std::size_t offset = rng.index(kSchemeCycle.size());
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        const SkillTheme& theme = skillThemes()[chosen[i]];
        table.systems.push_back(theme.system);
        addRows(theme, kSchemes[kSchemeCycle[(i + offset) % kSchemeCycle.size()]], table.rows);
    }
    table.rows.push_back(kTorsoUpRow);
    return table;
}

} // namespace datagen
