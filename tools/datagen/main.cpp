// trelkin-datagen: writes the plain source files (prepare.txt, guard.xml, weapon.xml) of a Brakmoor data set.
// The same arguments always give byte-identical files; the defaults give the demo data in data/demo.

#include "datagen.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

struct Options {
    bool help = false;
    bool diverse = false;
    std::uint64_t seed = kDefaultSeed;
    datagen::Counts counts;
    std::filesystem::path outDir;
};

struct CountOption {
    const char* flag;
    int datagen::Counts::*field;
    int minimum; // below this the generator cannot keep its own structure (torso-up pieces, grafted lines, ...)
};

constexpr std::array<CountOption, 4> kCountOptions = {{
    {"--recipes", &datagen::Counts::recipes, 10},
    {"--skills", &datagen::Counts::skills, 10},
    {"--pieces", &datagen::Counts::pieces, 10},
    {"--weapons", &datagen::Counts::weapons, 50},
}};

constexpr const char* kUsage =
    "usage: trelkin-datagen [--seed N] [--recipes N] [--skills N] [--pieces N] [--weapons N] [--diverse] OUT_DIR\n"
    "       trelkin-datagen --help\n"
    "--diverse: armour whose pieces rarely count alike (each its own defence, three skills of ten systems)\n";

template <class T> T number(const char* flag, const char* text) {
    T value{};
    const char* end = text + std::strlen(text);
    const auto [ptr, ec] = std::from_chars(text, end, value);
    if (ec != std::errc() || ptr != end) {
        throw std::invalid_argument(std::string(flag) + " needs a non-negative integer, got '" + text + "'");
    }
    return value;
}

void setCount(Options& options, const char* flag, const char* text) {
    for (const CountOption& option : kCountOptions) {
        if (std::strcmp(flag, option.flag) == 0) {
            const int value = number<int>(flag, text);
            if (value < option.minimum) {
                throw std::invalid_argument(std::string(flag) + " must be at least " + std::to_string(option.minimum));
            }
            options.counts.*option.field = value;
            return;
        }
    }
    throw std::invalid_argument(std::string("unknown option ") + flag);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options.help = true;
            return options;
        }
        if (std::strcmp(arg, "--diverse") == 0) {
            options.diverse = true;
            continue;
        }
        if (std::strncmp(arg, "--", 2) != 0) {
            if (!options.outDir.empty()) {
                throw std::invalid_argument("more than one output directory given");
            }
            options.outDir = arg;
            continue;
        }
        if (i + 1 >= argc) {
            throw std::invalid_argument(std::string(arg) + " needs a value");
        }
        const char* value = argv[++i];
        if (std::strcmp(arg, "--seed") == 0) {
            options.seed = number<std::uint64_t>(arg, value);
        } else {
            setCount(options, arg, value);
        }
    }
    if (options.outDir.empty()) {
        throw std::invalid_argument("no output directory given");
    }
    return options;
}

void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void generate(const Options& options) {
    // One stream per section, so e.g. more weapons leave the skill list unchanged.
    datagen::Rng master(options.seed);
    datagen::Rng worldRng(master.next());
    datagen::Rng recipeRng(master.next());
    datagen::Rng skillRng(master.next());
    datagen::Rng armorRng(master.next());
    datagen::Rng weaponRng(master.next());

    const datagen::Counts& counts = options.counts;
    datagen::World world = datagen::makeWorld(counts.recipes, worldRng);
    const auto recipes = datagen::makeRecipes(world, counts.recipes, recipeRng);
    const auto skills = datagen::makeSkills(counts.skills, skillRng);
    const auto pieces = options.diverse ? datagen::makeDiverseArmor(skills, counts.pieces, armorRng)
                                        : datagen::makeArmor(world, skills, counts.pieces, armorRng);
    const auto weapons = datagen::makeWeapons(world, counts.weapons, weaponRng);

    std::filesystem::create_directories(options.outDir);
    writeFile(options.outDir / "prepare.txt", datagen::prepareText(recipes));
    writeFile(options.outDir / "guard.xml", datagen::guardXml(skills, pieces));
    writeFile(options.outDir / "weapon.xml", datagen::weaponXml(weapons));
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    try {
        options = parse(argc, argv);
    } catch (const std::invalid_argument& e) {
        std::cerr << "trelkin-datagen: " << e.what() << "\n" << kUsage;
        return kExitUsage;
    }
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    try {
        generate(options);
    } catch (const std::exception& e) {
        std::cerr << "trelkin-datagen: " << e.what() << "\n";
        return kExitFailure;
    }
    return 0;
}
