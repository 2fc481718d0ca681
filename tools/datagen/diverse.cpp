// Armour whose pieces rarely count alike, for the benchmarks of the set search: each piece of a slot has its own
// defence, and three skills out of ten systems with points from -3 to +6, so that few pieces share their sums.
#include "datagen.h"

#include <algorithm>
#include <numeric>

namespace datagen {
namespace {

constexpr int kHighestDefence = 400;
constexpr int kSystemsUsed = 10;
constexpr int kSkillsPerPiece = 3;
constexpr int kLeastPoints = -3;
constexpr int kMostPoints = 6;
constexpr int kHighestRare = 7;
constexpr int kPricePerDefence = 25;
constexpr int kPriceNoise = 300;
constexpr int kMaxResist = 5;
const std::array<const char*, 5> kSlotWords{"兜", "鎧", "篭手", "腰当て", "脚甲"};

// The defences of a slot: each from 1 to kHighestDefence once, in a shuffled order; beyond that many pieces the
// defences repeat.
std::vector<int> shuffledDefences(int count, Rng& rng) {
    std::vector<int> defences(static_cast<std::size_t>(kHighestDefence));
    std::iota(defences.begin(), defences.end(), 1);
    for (std::size_t i = defences.size(); i-- > 1;)
        std::swap(defences[i], defences[rng.index(i + 1)]);
    std::vector<int> taken;
    for (int i = 0; i < count; ++i)
        taken.push_back(defences[std::size_t(i) % defences.size()]);
    return taken;
}

std::vector<SkillPoint> threeSkills(const SkillTable& skills, Rng& rng) {
    const int systems = std::min(kSystemsUsed, int(skills.systems.size()));
    std::vector<SkillPoint> points;
    while (int(points.size()) < std::min(kSkillsPerPiece, systems)) {
        const std::string& system = skills.systems[rng.index(std::size_t(systems))];
        const bool taken =
            std::any_of(points.begin(), points.end(), [&](const SkillPoint& p) { return p.system == system; });
        if (!taken)
            points.push_back({system, rng.uniform(kLeastPoints, kMostPoints)});
    }
    return points;
}

} // namespace

std::vector<ArmorPiece> makeDiverseArmor(const SkillTable& skills, int perSlot, Rng& rng) {
    std::vector<ArmorPiece> pieces;
    for (int slot = 0; slot < int(kSlotWords.size()); ++slot) {
        const std::vector<int> defences = shuffledDefences(perSlot, rng);
        for (int i = 0; i < perSlot; ++i) {
            ArmorPiece piece{slot,
                             "試作" + std::string(kSlotWords[std::size_t(slot)]) + std::to_string(i + 1),
                             rng.uniform(1, kHighestRare),
                             defences[std::size_t(i)],
                             Wearer{},
                             {},
                             0,
                             0,
                             {},
                             {}};
            for (int& resist : piece.resist)
                resist = rng.uniform(-kMaxResist, kMaxResist);
            piece.production = piece.def * kPricePerDefence + rng.uniform(0, kPriceNoise);
            piece.sale = piece.production / 2;
            piece.skills = threeSkills(skills, rng);
            pieces.push_back(std::move(piece));
        }
    }
    return pieces;
}

} // namespace datagen
