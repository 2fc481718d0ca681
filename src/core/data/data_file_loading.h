#pragma once

#include "core/data/data_tables.h"

#include <QString>
#include <exception>
#include <future>

namespace trelkin {

// The three data files of a directory (next to the executable when none is given), read on threads of their own from
// the moment start-up begins, so that reading overlaps with building the window. Start-up then takes each file's tables
// at that file's step, in its own order: a file's error is met where its step comes, exactly as if the file were read
// there, and the files after a failing step are never looked at.
class DataFileLoading {
public:
    explicit DataFileLoading(const QString& directory);
    // Waits for every file still being read.
    ~DataFileLoading();

    // Each waits for its file, moves the tables read into the caller's (as full as the loader left them), and
    // throws the error that the loader threw, if any.
    void takePrepare(DataTables& tables);
    void takeArmour(DataTables& tables);
    void takeWeapons(DataTables& tables);

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
