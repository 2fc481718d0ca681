#include "bench/generated_data.h"

#include "data/common.h"
#include "data/cp932.h"
#include "data/data_file_path.h"

#include <QProcess>
#include <QTemporaryDir>
#include <stdexcept>

namespace trelkin::bench {
namespace {

constexpr const char* kGeneratedRecipeCount = "2000";

TPrepareDatas generate() {
    QTemporaryDir dir;
    QProcess generator;
    generator.start(QStringLiteral(TRELKIN_DATAGEN),
                    {QStringLiteral("--recipes"), QString::fromLatin1(kGeneratedRecipeCount), dir.path()});
    if (!dir.isValid() || !generator.waitForFinished() || generator.exitCode() != 0)
        throw std::runtime_error("the data generator failed");
    const QByteArray utf8 = readFileBytes(dir.filePath(QStringLiteral("prepare.txt")));
    TPrepareDatas recipes;
    readPrepareText(toCp932(QString::fromUtf8(utf8)), recipes);
    return recipes;
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

const TPrepareDatas& generatedRecipes() {
    static const TPrepareDatas recipes = generate();
    return recipes;
}

} // namespace trelkin::bench
