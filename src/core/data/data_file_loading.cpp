#include "core/data/data_file_loading.h"

#include "core/data/data_file_path.h"

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

DataFileLoading::DataFileLoading(const QString& directory)
    : m_prepare(readOnItsOwn<TPrepareDatas>(LoadPrepareData, dataFilePathIn(directory, kPrepareFileName))),
      m_armour(readOnItsOwn<ArmourTables>(loadArmourTables, dataFilePathIn(directory, kGuardFileName))),
      m_weapons(
          readOnItsOwn<weapon::TWeaponDatas>(weapon::LoadWeaponData, dataFilePathIn(directory, kWeaponFileName))) {}

DataFileLoading::~DataFileLoading() = default;

template <typename Table> void DataFileLoading::take(std::future<Read<Table>>& pending, Table& table) {
    Read<Table> read = pending.get();
    table = std::move(read.table);
    if (read.error)
        std::rethrow_exception(read.error);
}

void DataFileLoading::takePrepare(DataTables& tables) {
    take(m_prepare, tables.PrepareDatas);
}

void DataFileLoading::takeArmour(DataTables& tables) {
    take(m_armour, tables.Armour);
}

void DataFileLoading::takeWeapons(DataTables& tables) {
    take(m_weapons, tables.Weapons);
}

} // namespace trelkin
