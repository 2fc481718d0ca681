#pragma once

#include "core/data/data_tables.h"

#include <QString>
#include <cstddef>
#include <vector>

namespace trelkin {

// What `trelkin-cli lint` says of a record of the data files. Records are numbered from 1 in their file's order:
// the recipe lines; the skill rows and then the pieces of head, body, arm, waist and leg; the weapons.
struct LintEntry {
    // A finding is data that a page cannot show as its maker meant, or that hides a record. A note is something
    // the program accepts and handles, but worth a look.
    enum class Kind { Finding, Note };

    Kind kind;
    QString file;       // "prepare.dat", "guard.dat" or "weapon.dat"
    std::size_t record; // from 1
    QString name;       // the record's name, as shown
    QString problem;

    // "FILE: record N (NAME): PROBLEM" for a finding, "FILE: record N (NAME): note: PROBLEM" for a note.
    QString line() const;
};

// Every finding and note, sorted by file (in the order the program reads them) and record.
//
// Findings: a piece whose name an earlier piece of its slot has (only the first is ever reachable), a skill entry
// of a piece that names no skill system of the skill list, a weapon whose parent names no weapon, and an item or
// weapon derived, through its materials or parents, from itself.
// Notes: names that differ only in ASCII letter case (the program counts them as one), overlapping ranges of one
// skill system, a recipe number outside 0..200 (shown clamped), and a material that one record alone names and no
// recipe makes (normal for a gathered or carved material, yet also how a misspelt name looks).
std::vector<LintEntry> lintDataFiles(const DataTables& tables);

} // namespace trelkin
