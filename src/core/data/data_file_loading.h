#pragma once

#include "core/data/armour_tables.h"
#include "core/data/common_prepare.h"
#include "core/data/common_weapon.h"

#include <QString>
#include <exception>
#include <future>

namespace trelkin {

// The three data files, read on threads of their own from the moment start-up begins, so that reading overlaps
// with building the window. Start-up then takes each file's tables at that file's step, in its own order: a
// file's error is met where its step comes, exactly as if the file were read there, and the files after a
// failing step are never looked at. The paths must lead to the files as start-up would read them.
class DataFileLoading {
public:
    DataFileLoading(const QString& preparePath, const QString& guardPath, const QString& weaponPath);
    // Waits for every file still being read.
    ~DataFileLoading();

    // Each waits for its file, moves the tables read into the caller's (as full as the loader left them), and
    // throws the error that the loader threw, if any.
    void takePrepare(TPrepareDatas& table);
    void takeArmour(ArmourTables& tables);
    void takeWeapons(weapon::TWeaponDatas& table);

    // A table as its loader left it, and the error the loader threw (an Error, or running out of memory).
    template <typename Table> struct Read {
        Table table;
        std::exception_ptr error;
    };

private:
    template <typename Table> static void take(std::future<Read<Table>>& pending, Table& table);

    std::future<Read<TPrepareDatas>> m_prepare;
    std::future<Read<ArmourTables>> m_armour;
    std::future<Read<weapon::TWeaponDatas>> m_weapons;
};

} // namespace trelkin
