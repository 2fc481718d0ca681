#include "core/lint/data_lint.h"

#include "core/combination/prepare_details.h"
#include "core/data/data_file_path.h"
#include "core/text/ascii_case.h"
#include "core/text/cp932.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <unordered_map>

namespace trelkin {
namespace {

QString shown(const std::string& cp932) {
    return fromCp932(cp932);
}

QString quoted(const std::string& cp932) {
    return QStringLiteral("'%1'").arg(shown(cp932));
}

// Collects findings and notes; names that differ only in ASCII case, and materials named by a single record, are
// gathered across the files and noted at the end.
class LintReport {
public:
    void finding(const QString& file, std::size_t record, const std::string& name, const QString& problem) {
        m_entries.push_back({LintEntry::Kind::Finding, file, record, shown(name), problem});
    }
    void note(const QString& file, std::size_t record, const std::string& name, const QString& problem) {
        m_entries.push_back({LintEntry::Kind::Note, file, record, shown(name), problem});
    }

    // A name the program merges with every other that differs from it only in ASCII case.
    void noteMergedName(const QString& kind, const std::string& name, const QString& file, std::size_t record,
                        const std::string& recordName) {
        auto& spellings = m_spellings[{kind, asciiUpper(name)}];
        const bool knownSpelling = std::any_of(spellings.begin(), spellings.end(),
                                               [&](const Spelling& spelling) { return spelling.name == name; });
        if (!knownSpelling)
            spellings.push_back({name, file, record, recordName});
    }

    void noteMadeItem(const std::string& name) { m_madeItems.insert(name); }

    // A material a record needs: checked for letter case, and counted once per record that names it.
    void noteMaterial(const std::string& name, const QString& file, std::size_t record, const std::string& recordName) {
        noteMergedName(QStringLiteral("material"), name, file, record, recordName);
        if (name.empty())
            return;
        auto& users = m_materialUsers[name];
        const bool sameRecord = !users.empty() && users.back().file == file && users.back().record == record;
        if (!sameRecord)
            users.push_back({name, file, record, recordName});
    }

    std::vector<LintEntry> take() && {
        noteMergedNames();
        noteLoneMaterials();
        std::stable_sort(m_entries.begin(), m_entries.end(), [](const LintEntry& a, const LintEntry& b) {
            return std::make_tuple(fileOrder(a.file), a.record) < std::make_tuple(fileOrder(b.file), b.record);
        });
        return std::move(m_entries);
    }

private:
    struct Spelling {
        std::string name;
        QString file;
        std::size_t record;
        std::string recordName;
    };

    void noteMergedNames() {
        for (const auto& [key, spellings] : m_spellings)
            for (std::size_t i = 1; i < spellings.size(); ++i)
                note(spellings[i].file, spellings[i].record, spellings[i].recordName,
                     QStringLiteral("%1 %2 differs from %3 (%4 record %5) only in letter case; the program counts "
                                    "them as one")
                         .arg(key.first, quoted(spellings[i].name), quoted(spellings[0].name), spellings[0].file)
                         .arg(spellings[0].record));
    }

    // A material that one record alone names and no recipe makes: a gathered or carved material often is, and a
    // misspelling of a name used elsewhere looks the same.
    void noteLoneMaterials() {
        for (const auto& [name, users] : m_materialUsers)
            if (users.size() == 1 && !m_madeItems.contains(name))
                note(users[0].file, users[0].record, users[0].recordName,
                     QStringLiteral("the material %1 is named nowhere else: no recipe makes it, and no other recipe, "
                                    "piece or weapon uses it")
                         .arg(quoted(name)));
    }

    static int fileOrder(const QString& file) { return file == kPrepareFileName ? 0 : file == kGuardFileName ? 1 : 2; }

    std::vector<LintEntry> m_entries;
    std::map<std::pair<QString, std::string>, std::vector<Spelling>> m_spellings;
    std::set<std::string> m_madeItems;
    std::map<std::string, std::vector<Spelling>> m_materialUsers;
};

// The names that lie on a circle of derivations (an item made from itself through its materials, a weapon
// upgraded from itself through its parents), found by one depth-first walk over every name: a step to a name
// still being walked closes a circle through every name walked since.
class Circles {
public:
    using Graph = std::unordered_map<std::string, std::vector<std::string>>;

    explicit Circles(const Graph& graph) {
        for (const auto& [name, next] : graph)
            if (!m_state.contains(name))
                walkFrom(graph, name);
    }

    bool contains(const std::string& name) const { return m_onCircle.contains(name); }

private:
    enum class State { Walking, Done };

    struct Frame {
        std::string name;
        std::size_t next = 0;
    };

    void walkFrom(const Graph& graph, const std::string& start) {
        std::vector<Frame> path{{start}};
        m_state[start] = State::Walking;
        while (!path.empty()) {
            Frame& frame = path.back();
            const auto found = graph.find(frame.name);
            if (found == graph.end() || frame.next == found->second.size()) {
                m_state[frame.name] = State::Done;
                path.pop_back();
                continue;
            }
            const std::string& next = found->second[frame.next++];
            const auto state = m_state.find(next);
            if (state == m_state.end()) {
                m_state[next] = State::Walking;
                path.push_back({next});
            } else if (state->second == State::Walking) {
                markCircle(path, next);
            }
        }
    }

    // A step to `closing`, a name still being walked: every name from it to the path's end is on the circle.
    void markCircle(const std::vector<Frame>& path, const std::string& closing) {
        for (auto on = path.rbegin(); on != path.rend(); ++on) {
            m_onCircle.insert(on->name);
            if (on->name == closing)
                return;
        }
    }

    std::unordered_map<std::string, State> m_state;
    std::set<std::string> m_onCircle;
};

void lintRecipes(const TPrepareDatas& recipes, LintReport& report) {
    Circles::Graph materialsOf;
    for (const TPrepareData& recipe : recipes) {
        materialsOf[recipe.Item].push_back(recipe.Material1);
        materialsOf[recipe.Item].push_back(recipe.Material2);
    }
    const Circles circles(materialsOf);
    std::set<std::string> reported;
    for (std::size_t i = 0; i < recipes.size(); ++i) {
        const TPrepareData& recipe = recipes[i];
        const std::size_t record = i + 1;
        if (recipe.No < kLowestRecipeNumber || recipe.No > kHighestRecipeNumber)
            report.note(kPrepareFileName, record, recipe.Item,
                        QStringLiteral("recipe number %1 lies outside %2..%3 and is shown as %4")
                            .arg(recipe.No)
                            .arg(kLowestRecipeNumber)
                            .arg(kHighestRecipeNumber)
                            .arg(std::clamp(recipe.No, kLowestRecipeNumber, kHighestRecipeNumber)));
        if (circles.contains(recipe.Item) && reported.insert(recipe.Item).second)
            report.finding(kPrepareFileName, record, recipe.Item,
                           QStringLiteral("the item is made, through its materials, from itself"));
        report.noteMadeItem(recipe.Item);
        for (const std::string* material : {&recipe.Material1, &recipe.Material2})
            report.noteMaterial(*material, kPrepareFileName, record, recipe.Item);
    }
}

void lintSkillRows(const guard::TSkillDatas& skills, LintReport& report) {
    for (std::size_t j = 0; j < skills.size(); ++j) {
        const guard::TSkillData& row = skills[j];
        report.noteMergedName(QStringLiteral("skill system"), row.Skill, kGuardFileName, j + 1, row.Name);
        for (std::size_t i = 0; i < j; ++i) {
            const guard::TSkillData& earlier = skills[i];
            if (earlier.Skill == row.Skill && earlier.RangeMin <= row.RangeMax && row.RangeMin <= earlier.RangeMax)
                report.note(kGuardFileName, j + 1, row.Name,
                            QStringLiteral("the range %1..%2 of skill system %3 overlaps record %4 (%5..%6)")
                                .arg(row.RangeMin)
                                .arg(row.RangeMax)
                                .arg(quoted(row.Skill))
                                .arg(i + 1)
                                .arg(earlier.RangeMin)
                                .arg(earlier.RangeMax));
        }
    }
}

void lintPieces(const ArmourTables& armour, LintReport& report) {
    std::set<std::string> systems;
    for (const guard::TSkillData& row : armour.SkillDatas)
        systems.insert(row.Skill);
    std::size_t record = armour.SkillDatas.size();
    for (const ArmourSlot slot : kArmourSlots) {
        std::map<std::string, std::size_t> firstOfName;
        for (const guard::TEquipmentData& piece : armour.slotTable(slot)) {
            ++record;
            const auto [first, isFirst] = firstOfName.emplace(piece.Name, record);
            if (!isFirst)
                report.finding(kGuardFileName, record, piece.Name,
                               QStringLiteral("a piece of the same name comes first in its slot (record %1); the "
                                              "armour composer only ever uses that one")
                                   .arg(first->second));
            for (const guard::TEquipmentSkillData& entry : piece.Skills) {
                if (!systems.contains(entry.Name))
                    report.finding(kGuardFileName, record, piece.Name,
                                   QStringLiteral("the skill entry %1 names no skill system of the skill list")
                                       .arg(quoted(entry.Name)));
                report.noteMergedName(QStringLiteral("skill system"), entry.Name, kGuardFileName, record, piece.Name);
            }
            for (const guard::TMaterialData& material : piece.Materials)
                report.noteMaterial(material.Name, kGuardFileName, record, piece.Name);
        }
    }
}

void lintWeapons(const weapon::TWeaponDatas& weapons, LintReport& report) {
    Circles::Graph parentsOf;
    std::set<std::string> names;
    for (const weapon::TWeaponData& weapon : weapons) {
        names.insert(weapon.Name);
        if (!weapon.ParentWeapon.empty())
            parentsOf[weapon.Name].push_back(weapon.ParentWeapon);
    }
    const Circles circles(parentsOf);
    std::set<std::string> reported;
    for (std::size_t i = 0; i < weapons.size(); ++i) {
        const weapon::TWeaponData& weapon = weapons[i];
        if (!weapon.ParentWeapon.empty() && !names.contains(weapon.ParentWeapon))
            report.finding(kWeaponFileName, i + 1, weapon.Name,
                           QStringLiteral("its parent %1 names no weapon").arg(quoted(weapon.ParentWeapon)));
        if (circles.contains(weapon.Name) && reported.insert(weapon.Name).second)
            report.finding(kWeaponFileName, i + 1, weapon.Name,
                           QStringLiteral("the weapon is upgraded, through its parents, from itself"));
        for (const weapon::TMaterialDatas* materials : {&weapon.CreateMaterials, &weapon.Materials})
            for (const weapon::TMaterialData& material : *materials)
                report.noteMaterial(material.Name, kWeaponFileName, i + 1, weapon.Name);
    }
}

} // namespace

QString LintEntry::line() const {
    const QString marker = kind == Kind::Note ? QStringLiteral("note: ") : QString();
    return QStringLiteral("%1: record %2 (%3): %4%5").arg(file).arg(record).arg(name, marker, problem);
}

std::vector<LintEntry> lintDataFiles(const DataTables& tables) {
    LintReport report;
    lintRecipes(tables.PrepareDatas, report);
    lintSkillRows(tables.Armour.SkillDatas, report);
    lintPieces(tables.Armour, report);
    lintWeapons(tables.Weapons, report);
    return std::move(report).take();
}

} // namespace trelkin
