#include "core/data/data_tables.h"

#include "core/data/data_file_path.h"

namespace trelkin {

void loadDataTables(const QString& directory, DataTables& tables) {
    LoadPrepareData(dataFilePathIn(directory, kPrepareFileName), tables.PrepareDatas);
    loadArmourTables(dataFilePathIn(directory, kGuardFileName), tables.Armour);
    weapon::LoadWeaponData(dataFilePathIn(directory, kWeaponFileName), tables.Weapons);
}

} // namespace trelkin
