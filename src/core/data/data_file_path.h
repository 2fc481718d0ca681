#pragma once

#include <QString>

namespace trelkin {

inline const QString kPrepareFileName = QStringLiteral("prepare.dat");
inline const QString kGuardFileName = QStringLiteral("guard.dat");
inline const QString kWeaponFileName = QStringLiteral("weapon.dat");

// The data file of that name in the directory of the running executable, never the working directory.
// Built afresh for each file. Needs a QCoreApplication.
QString DataFilePath(const QString& fileName);

// The data file of that name in the given directory; without a directory, DataFilePath.
QString dataFilePathIn(const QString& directory, const QString& fileName);

} // namespace trelkin
