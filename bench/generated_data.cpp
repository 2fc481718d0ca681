#include "bench/generated_data.h"

#include "core/data/common.h"
#include "core/data/data_file_path.h"
#include "core/text/cp932.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <stdexcept>

namespace trelkin::bench {
namespace {

// Runs the generator at benchmark scale and keeps its output for the life of the program.
const QTemporaryDir& generatedDirectory() {
    static const QTemporaryDir dir;
    static const bool generated = [] {
        QProcess generator;
        generator.start(QStringLiteral(TRELKIN_DATAGEN),
                        {QStringLiteral("--recipes"), QStringLiteral("2000"), QStringLiteral("--pieces"),
                         QStringLiteral("300"), QStringLiteral("--skills"), QStringLiteral("80"), dir.path()});
        return dir.isValid() && generator.waitForFinished() && generator.exitCode() == 0;
    }();
    if (!generated)
        throw std::runtime_error("the data generator failed");
    return dir;
}

std::string generatedText(const char* name) {
    const QByteArray utf8 = readFileBytes(generatedDirectory().filePath(QString::fromLatin1(name)));
    return toCp932(QString::fromUtf8(utf8));
}

TPrepareDatas generate() {
    TPrepareDatas recipes;
    readPrepareText(generatedText("prepare.txt"), recipes);
    return recipes;
}

// The armour loader reads data files; the generated XML is packed into one first.
ArmourTables generateArmour() {
    const QString path = generatedDirectory().filePath(QStringLiteral("guard.dat"));
    QFile file(path);
    const std::string packed = scrambleText(generatedText("guard.xml"));
    if (!file.open(QIODevice::WriteOnly) || file.write(packed.data(), qint64(packed.size())) != qint64(packed.size()))
        throw std::runtime_error("cannot write the generated armour file");
    file.close();
    ArmourTables tables;
    loadArmourTables(path, tables);
    return tables;
}

TPrepareDatas loadDemo() {
    TPrepareDatas recipes;
    LoadPrepareData(dataFilePathIn(QStringLiteral(TRELKIN_RUNTIME_DIR), kPrepareFileName), recipes);
    return recipes;
}

} // namespace

const TPrepareDatas& demoRecipes() {
    static const TPrepareDatas recipes = loadDemo();
    return recipes;
}

const ArmourTables& demoArmour() {
    static const ArmourTables tables = [] {
        ArmourTables loaded;
        loadArmourTables(dataFilePathIn(QStringLiteral(TRELKIN_RUNTIME_DIR), kGuardFileName), loaded);
        return loaded;
    }();
    return tables;
}

QString gameDataDirectory() {
    return QStringLiteral(TRELKIN_GAME_DATA_DIR);
}

namespace {

ArmourTables armourIn(const QString& directory) {
    ArmourTables loaded;
    loadArmourTables(dataFilePathIn(directory, kGuardFileName), loaded);
    return loaded;
}

} // namespace

const ArmourTables& gameArmour() {
    static const ArmourTables tables = armourIn(gameDataDirectory());
    return tables;
}

const ArmourTables& diverseArmour() {
    static const ArmourTables tables = armourIn(QStringLiteral(TRELKIN_DIVERSE_DATA_DIR));
    return tables;
}

const ArmourTables& generatedArmour() {
    static const ArmourTables tables = generateArmour();
    return tables;
}

const TPrepareDatas& generatedRecipes() {
    static const TPrepareDatas recipes = generate();
    return recipes;
}

} // namespace trelkin::bench
