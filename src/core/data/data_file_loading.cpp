#include "core/data/data_file_loading.h"

namespace trelkin {
namespace {

template <typename Table, typename Load>
std::future<DataFileLoading::Read<Table>> readOnItsOwn(Load load, const QString& path) {
    return std::async(std::launch::async, [load, path] {
        DataFileLoading::Read<Table> read;
        try {
            load(path, read.table);
        } catch (...) {
            // Kept for the step that takes this file, which throws it again on the window's thread.
            read.error = std::current_exception();
        }
        return read;
    });
}

} // namespace

DataFileLoading::DataFileLoading(const QString& preparePath, const QString& guardPath, const QString& weaponPath)
    : m_prepare(readOnItsOwn<TPrepareDatas>(LoadPrepareData, preparePath)),
      m_armour(readOnItsOwn<ArmourTables>(loadArmourTables, guardPath)),
      m_weapons(readOnItsOwn<weapon::TWeaponDatas>(weapon::LoadWeaponData, weaponPath)) {}

DataFileLoading::~DataFileLoading() = default;

template <typename Table> void DataFileLoading::take(std::future<Read<Table>>& pending, Table& table) {
    Read<Table> read = pending.get();
    table = std::move(read.table);
    if (read.error)
        std::rethrow_exception(read.error);
}

void DataFileLoading::takePrepare(TPrepareDatas& table) {
    take(m_prepare, table);
}

void DataFileLoading::takeArmour(ArmourTables& tables) {
    take(m_armour, tables);
}

void DataFileLoading::takeWeapons(weapon::TWeaponDatas& table) {
    take(m_weapons, table);
}

} // namespace trelkin
