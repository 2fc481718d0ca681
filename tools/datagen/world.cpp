#include "datagen.h"

#include <algorithm>

namespace datagen {

namespace {
constexpr int kRecipesPerMonster = 12; // bigger recipe books need more monsters to carve from
constexpr int kMinMonsters = 14;
// Extra materials of a piece or weapon: mostly parts of its monster, then ores, rarely refined alchemy products.
constexpr int kCarvingPercent = 55;
constexpr int kOrePercent = 30;
} // namespace

std::vector<std::string> carvings(const Monster& monster) {
    std::vector<std::string> names;
    for (const std::string& part : bodyParts(monster.body)) {
        names.push_back(monster.name + "の" + part);
    }
    return names;
}

World makeWorld(int recipeCount, Rng& rng) {
    World world;
    for (const Monster& monster : monsters()) {
        world.monsters.push_back(&monster);
    }
    rng.shuffle(world.monsters);
    const int wanted = std::clamp(recipeCount / kRecipesPerMonster, kMinMonsters, static_cast<int>(monsters().size()));
    world.monsters.resize(static_cast<std::size_t>(wanted));

    for (const Gathered& item : gatheredMaterials()) {
        world.raws.push_back({item.name, item.kind});
        if (item.kind == MaterialKind::Ore) {
            world.ores.push_back(item.name);
        }
    }
    for (const Monster* monster : world.monsters) {
        for (const std::string& name : carvings(*monster)) {
            world.raws.push_back({name, MaterialKind::Part});
        }
    }
    return world;
}

const Monster& monsterFor(const World& world, Element element, Rng& rng) {
    std::vector<const Monster*> matching;
    for (const Monster* monster : world.monsters) {
        if (monster->element == element) {
            matching.push_back(monster);
        }
    }
    return matching.empty() ? *rng.pick(world.monsters) : *rng.pick(matching);
}

std::vector<Amount> pickMaterials(const World& world, const Monster& monster, bool oreFirst, int count, int maxNum,
                                  Rng& rng) {
    const std::vector<std::string> own = carvings(monster);
    std::vector<Amount> picked;
    auto add = [&](const std::string& name) {
        const bool fresh = std::none_of(picked.begin(), picked.end(), [&](const Amount& a) { return a.name == name; });
        if (fresh) {
            picked.push_back({name, rng.uniform(1, maxNum)});
        }
    };
    add(oreFirst ? rng.pick(world.ores) : rng.pick(own));
    // A bounded number of draws: a repeat just leaves the list one shorter, which is still a valid list.
    for (int i = 1; i < count; ++i) {
        const int roll = rng.uniform(0, 99);
        const bool refined = roll >= kCarvingPercent + kOrePercent && !world.refined.empty();
        add(refined ? rng.pick(world.refined) : roll < kCarvingPercent ? rng.pick(own) : rng.pick(world.ores));
    }
    return picked;
}

} // namespace datagen
