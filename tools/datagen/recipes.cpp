#include "datagen.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace datagen {

namespace {

// Products sit on levels: level 0 is made from raw materials only, level k always uses a level k-1 product, so
// derivation chains are as deep as the level count and can never loop back.
constexpr std::array<int, 6> kLevelShare = {30, 24, 18, 13, 9, 6}; // percent of products per level
constexpr int kAlternatePercent = 12; // recipes that are a second or third way to make an item
constexpr int kMaxRecipesPerItem = 3;
constexpr int kStaplePercent = 35;       // raw picks that go to the family's everyday materials
constexpr int kPreferredPercent = 70;    // other raw picks that fit the family
constexpr int kIntermediatePercent = 40; // second materials that are themselves products
constexpr int kSameFamilyPercent = 85;
constexpr int kGapPercent = 2; // the recipe book skips a few numbers
constexpr int kMaxGap = 3;

struct Band {
    int lo;
    int hi;
};
constexpr std::array<Band, 3> kRateBands = {{{65, 74}, {75, 95}, {96, 100}}};
const std::vector<int> kRateBandWeights = {10, 80, 10};
const std::vector<int> kQuantityWeights = {45, 35, 10, 6, 4}; // yields 1 to 5

struct Product {
    std::string name;
    std::string description;
    Family family;
    std::size_t base; // index into productBases(), groups the recipe book by item type
    int level;
    std::vector<Recipe> recipes;
};

std::string productName(const ProductBase& base, const Qualifier& qualifier, const Qualifier& grade) {
    std::string name = base.name;
    if (!qualifier.word.empty()) {
        name = qualifier.word + (base.family == Family::Alchemy ? "の" : "") + base.name;
    }
    return name + grade.word;
}

std::string productDescription(const ProductBase& base, const Qualifier& qualifier, const Qualifier& grade) {
    return qualifier.phrase + base.category + grade.phrase + "で、" + base.effect + "。";
}

// All composable products, plain ones first and graded ones only once those run out.
std::vector<Product> productCandidates(Rng& rng) {
    std::vector<Product> all;
    for (const Qualifier& grade : productGrades()) {
        std::vector<Product> tier;
        for (std::size_t b = 0; b < productBases().size(); ++b) {
            const ProductBase& base = productBases()[b];
            const auto& qualifiers = base.family == Family::Alchemy ? alchemyQualifiers() : craftQualifiers();
            for (const Qualifier& q : qualifiers) {
                if (!q.word.empty() && base.name.find(q.word) != std::string::npos) {
                    continue; // "携帯携帯食"
                }
                tier.push_back(
                    {productName(base, q, grade), productDescription(base, q, grade), base.family, b, 0, {}});
            }
        }
        rng.shuffle(tier);
        all.insert(all.end(), tier.begin(), tier.end());
    }
    return all;
}

class RecipeBook {
public:
    RecipeBook(const World& world, Rng& rng) : world_(world), rng_(rng) {
        for (int f = 0; f < kFamilyCount; ++f) {
            for (const RawMaterial& raw : world.raws) {
                const auto& kinds = preferredKinds(static_cast<Family>(f));
                if (std::find(kinds.begin(), kinds.end(), raw.kind) != kinds.end()) {
                    preferred_[static_cast<std::size_t>(f)].push_back(raw.name);
                }
            }
        }
    }

    void plan(int productCount) {
        std::vector<Product> candidates = productCandidates(rng_);
        if (static_cast<std::size_t>(productCount) > candidates.size()) {
            throw std::runtime_error("too many recipes for the product name lists (at most " +
                                     std::to_string(candidates.size()) + " items)");
        }
        std::vector<int> perLevel;
        int assigned = 0;
        for (int share : kLevelShare) {
            perLevel.push_back(productCount * share / 100);
            assigned += perLevel.back();
        }
        perLevel[0] += productCount - assigned;
        auto next = candidates.begin();
        for (std::size_t level = 0; level < perLevel.size(); ++level) {
            levels_.emplace_back();
            for (int i = 0; i < perLevel[level]; ++i, ++next) {
                next->level = static_cast<int>(level);
                levels_[level].push_back(products_.size());
                products_.push_back(*next);
            }
        }
    }

    void addRecipes(int alternateCount) {
        for (Product& product : products_) {
            addRecipe(product);
        }
        for (int i = 0; i < alternateCount; ++i) {
            Product* product = &products_[rng_.index(products_.size())];
            while (product->recipes.size() >= kMaxRecipesPerItem) {
                product = &products_[rng_.index(products_.size())];
            }
            addRecipe(*product);
        }
    }

    std::vector<Recipe> numbered() {
        std::stable_sort(products_.begin(), products_.end(),
                         [](const Product& a, const Product& b) { return a.base < b.base; });
        std::vector<Recipe> book;
        int number = 1;
        for (Product& product : products_) {
            for (Recipe& recipe : product.recipes) {
                if (rng_.percent(kGapPercent)) {
                    number += rng_.uniform(1, kMaxGap);
                }
                recipe.number = number++;
                book.push_back(recipe);
            }
        }
        return book;
    }

    std::vector<std::string> refined() const {
        std::vector<std::string> names;
        for (const Product& product : products_) {
            if (product.family == Family::Alchemy) {
                names.push_back(product.name);
            }
        }
        return names;
    }

private:
    const std::string& raw(Family family) {
        const auto f = static_cast<std::size_t>(family);
        if (rng_.percent(kStaplePercent)) {
            return rng_.pick(stapleMaterials(family));
        }
        if (rng_.percent(kPreferredPercent) && !preferred_[f].empty()) {
            return rng_.pick(preferred_[f]);
        }
        return rng_.pick(world_.raws).name;
    }

    const std::string& productOn(int level, Family family) {
        const std::vector<std::size_t>& pool = levels_[static_cast<std::size_t>(level)];
        std::vector<std::size_t> kin;
        std::copy_if(pool.begin(), pool.end(), std::back_inserter(kin),
                     [&](std::size_t i) { return products_[i].family == family; });
        const auto& from = !kin.empty() && rng_.percent(kSameFamilyPercent) ? kin : pool;
        return products_[rng_.pick(from)].name;
    }

    std::pair<std::string, std::string> materialsFor(const Product& product) {
        const std::string first =
            product.level == 0 ? raw(product.family) : productOn(product.level - 1, product.family);
        std::string second = first;
        while (second == first) {
            const bool intermediate = product.level > 0 && rng_.percent(kIntermediatePercent);
            second = intermediate ? productOn(rng_.uniform(0, product.level - 1), product.family) : raw(product.family);
        }
        return {first, second};
    }

    static bool samePair(const Recipe& recipe, const std::pair<std::string, std::string>& pair) {
        return (recipe.material1 == pair.first && recipe.material2 == pair.second) ||
               (recipe.material1 == pair.second && recipe.material2 == pair.first);
    }

    void addRecipe(Product& product) {
        auto pair = materialsFor(product);
        while (std::any_of(product.recipes.begin(), product.recipes.end(),
                           [&](const Recipe& r) { return samePair(r, pair); })) {
            pair = materialsFor(product);
        }
        const Band band = kRateBands[rng_.weighted(kRateBandWeights)];
        const int rate = rng_.uniform(band.lo, band.hi);
        const int quantity = 1 + static_cast<int>(rng_.weighted(kQuantityWeights));
        product.recipes.push_back(
            {0, product.name, pair.first, pair.second, rate, product.description, product.family, quantity});
    }

    const World& world_;
    Rng& rng_;
    std::array<std::vector<std::string>, kFamilyCount> preferred_;
    std::vector<Product> products_;
    std::vector<std::vector<std::size_t>> levels_;
};

} // namespace

std::vector<Recipe> makeRecipes(World& world, int count, Rng& rng) {
    const int alternates = count * kAlternatePercent / 100;
    RecipeBook book(world, rng);
    book.plan(count - alternates);
    book.addRecipes(alternates);
    world.refined = book.refined();
    return book.numbered();
}

} // namespace datagen
