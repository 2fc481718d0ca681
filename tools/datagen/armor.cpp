#include "datagen.h"

#include <algorithm>
#include <stdexcept>

namespace datagen {

namespace {

constexpr int kBodySlot = 1;
const std::vector<int> kRareWeights = {14, 17, 17, 16, 14, 12, 10}; // rarity 1 to 7
constexpr int kAccessoryMaxRare = 6;
constexpr int kDefBase = 5;
constexpr int kDefPerRare = 4;
constexpr int kDefNoiseLow = -2;
constexpr int kDefNoiseHigh = 3;
constexpr int kPricePerRareSquared = 250;
constexpr int kPricePerDef = 20;
constexpr int kPriceStep = 10;
constexpr int kSaleMinPercent = 40; // shops buy back at roughly half the forging price
constexpr int kSaleMaxPercent = 60;
constexpr int kSkipSlotPercent = 6; // some series lack a piece
constexpr int kSwordOnlyPercent = 25;
constexpr int kGunOnlyPercent = 25;
constexpr int kSexCycle = 20; // one series in each run of this many is made for men only, one for women only
constexpr int kMaleOnlyAt = 7;
constexpr int kFemaleOnlyAt = 17;
constexpr int kNoSeries = -1; // single pieces outside a series fit everyone
constexpr int kThemeSkills = 3;
constexpr int kMaxPositiveEntries = 3;
constexpr int kPenaltyPercent = 35;
constexpr int kPenaltyOnPiecePercent = 60;
constexpr int kMaxPenalty = 3;
constexpr int kMaxResist = 5;
constexpr int kOwnResistMin = 2; // a monster's armour shrugs off its own element ...
constexpr int kOwnResistMax = 3;
constexpr int kWeakResistMin = 1; // ... and suffers from the opposite one
constexpr int kWeakResistMax = 3;
constexpr int kSkillPointsBase = 2; // the best entry of a piece: this plus half the rarity
constexpr int kMaterialNumBase = 1; // the most of one material a piece wants: this plus half the rarity, rounded up
constexpr int kResistNoise = 2;
constexpr int kMaxMaterials = 4;
constexpr int kTorsoUpPerSlotDivisor = 25; // torso-up pieces per non-body slot grow with the armour count
constexpr int kMinTorsoUp = 3;
constexpr int kTorsoUpPoints = 1; // the entry value that marks a torso-up piece
constexpr int kSharedDivisor = 30;
constexpr int kMinShared = 3;

int roundTo(int value, int step) {
    return (value + step / 2) / step * step;
}

struct Style {
    int rare;
    Wearer wearer;
    std::array<int, kResistCount> resist;
    std::vector<std::string> themes;
    std::string penalty;
    const Monster* monster;
};

enum ResistIndex { kFire, kWater, kThunder, kDragon, kNoResist = -1 };

// Resistance an element strengthens and the one it leaves weak; kNoResist where the element has none.
std::pair<int, int> resistBias(Element element) {
    switch (element) {
    case Element::Fire:
        return {kFire, kWater};
    case Element::Water:
        return {kWater, kFire};
    case Element::Thunder:
        return {kThunder, kDragon};
    case Element::Dragon:
        return {kDragon, kThunder};
    default:
        return {kNoResist, kNoResist};
    }
}

class Armory {
public:
    Armory(const World& world, const SkillTable& skills, Rng& rng) : world_(world), skills_(skills), rng_(rng) {
        for (const SeriesStem& stem : armorStems()) {
            stems_.push_back(stem);
        }
        for (const Monster* monster : world.monsters) {
            stems_.push_back({monster->name, false});
        }
        rng_.shuffle(stems_);
        titles_ = wearerTitles();
        rng_.shuffle(titles_);
    }

    std::vector<ArmorPiece> build(int perSlot) {
        std::array<int, kSlotCount> remaining;
        remaining.fill(perSlot);
        addTorsoUpPieces(std::max(kMinTorsoUp, perSlot / kTorsoUpPerSlotDivisor), remaining);
        addSharedPieces(std::max(kMinShared, perSlot / kSharedDivisor), remaining);
        for (int series = 0; std::any_of(remaining.begin(), remaining.end(), [](int n) { return n > 0; }); ++series) {
            addSeries(series, remaining);
        }
        std::stable_sort(pieces_.begin(), pieces_.end(), [](const ArmorPiece& a, const ArmorPiece& b) {
            return a.slot != b.slot ? a.slot < b.slot : a.rare < b.rare;
        });
        return pieces_;
    }

private:
    Wearer wearerFor(int series) {
        Wearer wearer;
        const int roll = rng_.uniform(0, 99);
        wearer.gunner = roll >= kSwordOnlyPercent;
        wearer.swordsman = roll < kSwordOnlyPercent || roll >= kSwordOnlyPercent + kGunOnlyPercent;
        wearer.female = series % kSexCycle != kMaleOnlyAt;
        wearer.male = series % kSexCycle != kFemaleOnlyAt;
        return wearer;
    }

    Style style(int maxRare, int series, const Monster& monster) {
        Style s{1 + static_cast<int>(rng_.weighted(kRareWeights)), wearerFor(series), {}, {}, {}, &monster};
        s.rare = std::min(s.rare, maxRare);
        for (int& r : s.resist) {
            r = rng_.uniform(-kResistNoise, kResistNoise);
        }
        const auto [strong, weak] = resistBias(monster.element);
        if (strong != kNoResist) {
            s.resist[static_cast<std::size_t>(strong)] += rng_.uniform(kOwnResistMin, kOwnResistMax);
            s.resist[static_cast<std::size_t>(weak)] -= rng_.uniform(kWeakResistMin, kWeakResistMax);
        }
        for (int& r : s.resist) {
            r = std::clamp(r, -kMaxResist, kMaxResist);
        }
        std::vector<std::string> systems = skills_.systems;
        rng_.shuffle(systems);
        s.themes.assign(systems.begin(), systems.begin() + kThemeSkills);
        if (rng_.percent(kPenaltyPercent)) {
            s.penalty = systems[kThemeSkills];
        }
        return s;
    }

    std::vector<SkillPoint> skillsFor(const Style& s) {
        std::vector<std::string> themes = s.themes;
        rng_.shuffle(themes);
        std::vector<SkillPoint> points;
        const int positives = rng_.uniform(1, kMaxPositiveEntries);
        for (int i = 0; i < positives; ++i) {
            points.push_back({themes[static_cast<std::size_t>(i)], rng_.uniform(1, kSkillPointsBase + s.rare / 2)});
        }
        if (!s.penalty.empty() && rng_.percent(kPenaltyOnPiecePercent)) {
            points.push_back({s.penalty, -rng_.uniform(1, kMaxPenalty)});
        }
        return points;
    }

    ArmorPiece piece(int slot, const std::string& name, const Style& s) {
        ArmorPiece p{slot, name, s.rare, 0, s.wearer, s.resist, 0, 0, {}, {}};
        p.def = kDefBase + kDefPerRare * s.rare + rng_.uniform(kDefNoiseLow, kDefNoiseHigh);
        p.production = roundTo(kPricePerRareSquared * s.rare * s.rare + kPricePerDef * p.def, kPriceStep);
        p.sale = roundTo(p.production * rng_.uniform(kSaleMinPercent, kSaleMaxPercent) / 100, kPriceStep);
        p.materials = pickMaterials(world_, *s.monster, false, rng_.uniform(1, kMaxMaterials),
                                    kMaterialNumBase + (s.rare + 1) / 2, rng_);
        p.skills = skillsFor(s);
        return p;
    }

    std::string titled(const std::vector<std::string>& nouns) {
        for (const std::string& title : titles_) {
            for (const std::string& noun : nouns) {
                if (names_.claim(title + "の" + noun)) {
                    return title + "の" + noun;
                }
            }
        }
        throw std::runtime_error("too many armour pieces for the accessory name lists");
    }

    void addTorsoUpPieces(int perSlot, std::array<int, kSlotCount>& remaining) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            for (int i = 0; slot != kBodySlot && i < perSlot; ++i) {
                rng_.shuffle(titles_);
                const Style s = style(kAccessoryMaxRare, kNoSeries, *rng_.pick(world_.monsters));
                pieces_.push_back(piece(slot, titled(accessoryNouns(slot)), s));
                pieces_.back().skills = {{kTorsoUp, kTorsoUpPoints}};
                --remaining[static_cast<std::size_t>(slot)];
            }
        }
    }

    void addSharedPieces(int count, std::array<int, kSlotCount>& remaining) {
        for (int i = 0; i < count; ++i) {
            const SharedPiece& shared = sharedPieces()[static_cast<std::size_t>(i) % sharedPieces().size()];
            rng_.shuffle(titles_);
            const std::string name = titled({shared.noun});
            const Style s = style(kAccessoryMaxRare, kNoSeries, *rng_.pick(world_.monsters));
            for (int slot : {shared.firstSlot, shared.secondSlot}) {
                pieces_.push_back(piece(slot, name, s));
                --remaining[static_cast<std::size_t>(slot)];
            }
        }
    }

    void addSeries(int series, std::array<int, kSlotCount>& remaining) {
        const SeriesStem& stem = stems_[static_cast<std::size_t>(series) % stems_.size()];
        const std::size_t variant = static_cast<std::size_t>(series) / stems_.size();
        if (variant >= seriesVariants().size()) {
            throw std::runtime_error("too many armour pieces for the series name lists");
        }
        const auto named = std::find_if(world_.monsters.begin(), world_.monsters.end(),
                                        [&](const Monster* m) { return m->name == stem.word; });
        const Monster& monster = named != world_.monsters.end() ? **named : *rng_.pick(world_.monsters);
        const Style s = style(static_cast<int>(kRareWeights.size()), series, monster);
        const bool light = s.wearer.gunner && !s.wearer.swordsman;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            int& left = remaining[static_cast<std::size_t>(slot)];
            if (left <= 0 || (slot != kBodySlot && rng_.percent(kSkipSlotPercent))) {
                continue;
            }
            const std::string name = stem.word + slotSuffixes(stem.katakana, light)[static_cast<std::size_t>(slot)] +
                                     seriesVariants()[variant];
            pieces_.push_back(piece(slot, name, s));
            --left;
        }
    }

    const World& world_;
    const SkillTable& skills_;
    Rng& rng_;
    std::vector<SeriesStem> stems_;
    std::vector<std::string> titles_;
    UniqueNames names_;
    std::vector<ArmorPiece> pieces_;
};

} // namespace

std::vector<ArmorPiece> makeArmor(const World& world, const SkillTable& skills, int perSlot, Rng& rng) {
    return Armory(world, skills, rng).build(perSlot);
}

} // namespace datagen
