#pragma once

#include "core/data/armour_tables.h"
#include "core/data/common_prepare.h"
#include "core/data/common_weapon.h"

#include <QString>
#include <cstddef>
#include <vector>

namespace trelkin {

// What the program accepts in its data files but is almost certainly a mistake of the file's maker, for
// `trelkin-cli lint`. Records are numbered from 1 in their file's order: the recipe lines; the skill rows and then
// the pieces of head, body, arm, waist and leg; the weapons.
struct LintFinding {
    QString file;       // "prepare.dat", "guard.dat" or "weapon.dat"
    std::size_t record; // from 1
    QString name;       // the record's name, as shown
    QString problem;

    // "FILE: record N (NAME): PROBLEM"
    QString line() const;
};

// Every finding, sorted by file (in the order the program reads them) and record.
std::vector<LintFinding> lintDataFiles(const TPrepareDatas& recipes, const ArmourTables& armour,
                                       const weapon::TWeaponDatas& weapons);

} // namespace trelkin
