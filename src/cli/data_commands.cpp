#include "cli/data_commands.h"

#include "cli/cli_output.h"
#include "core/data/armour_tables.h"
#include "core/data/common.h"
#include "core/data/common_prepare.h"
#include "core/data/common_weapon.h"
#include "core/data/data_file_path.h"
#include "core/text/cp932.h"
#include "core/text/error.h"

#include <QSaveFile>
#include <algorithm>
#include <functional>
#include <ostream>

namespace trelkin::cli {
namespace {

std::string byteView(const QByteArray& bytes) {
    return std::string(bytes.constData(), size_t(bytes.size()));
}

// UTF-8 text as code page 932; refuses a character that code page 932 cannot hold instead of changing it.
std::string utf8ToCp932(const QByteArray& utf8) {
    const QString text = QString::fromUtf8(utf8);
    const std::string converted = toCp932(text);
    const QString roundTrip = fromCp932(converted);
    if (roundTrip != text) {
        const auto mismatch = std::mismatch(text.begin(), text.end(), roundTrip.begin(), roundTrip.end());
        const qsizetype at = mismatch.first - text.begin();
        throw Error(QStringLiteral("%1 文字目はShift-JISに変換できません").arg(at + 1));
    }
    return converted;
}

void writeFileBytes(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) ||
        !file.commit())
        throw Error(QStringLiteral("ファイル %1 に書き込めません").arg(path));
}

struct DataFileCheck {
    QString fileName;
    std::function<std::string(const QString& path)> load; // returns what the file holds, in words
};

std::string loadRecipes(const QString& path) {
    TPrepareDatas recipes;
    LoadPrepareData(path, recipes);
    return std::to_string(recipes.size()) + " recipes";
}

std::string describeGuardFile(const QString& path) {
    ArmourTables tables;
    loadArmourTables(path, tables);
    std::string pieces;
    for (const ArmourSlot slot : kArmourSlots) {
        if (!pieces.empty())
            pieces += '/';
        pieces += std::to_string(tables.slotTable(slot).size());
    }
    return std::to_string(tables.SkillDatas.size()) + " skill rows, " + pieces + " pieces";
}

std::string describeWeaponFile(const QString& path) {
    weapon::TWeaponDatas weapons;
    weapon::LoadWeaponData(path, weapons);
    return std::to_string(weapons.size()) + " weapons";
}

const std::vector<DataFileCheck>& dataFileChecks() {
    static const std::vector<DataFileCheck> checks{
        {kPrepareFileName, loadRecipes},
        {kGuardFileName, describeGuardFile},
        {kWeaponFileName, describeWeaponFile},
    };
    return checks;
}

int pack(CommandContext& context, const ParsedArguments& parsed) {
    try {
        const QByteArray plain = readFileBytes(QString::fromStdString(parsed.positionals[0]));
        const std::string text = parsed.has("--cp932") ? utf8ToCp932(plain) : byteView(plain);
        writeFileBytes(QString::fromStdString(parsed.positionals[1]), scrambleText(text));
        return kExitOk;
    } catch (const Error& error) {
        return reportError(context.err, error);
    }
}

int unpack(CommandContext& context, const ParsedArguments& parsed) {
    try {
        const std::string plain =
            UnscrambleText(byteView(readFileBytes(QString::fromStdString(parsed.positionals[0]))));
        context.out << (parsed.has("--utf8") ? fromCp932(plain).toStdString() : plain);
        return kExitOk;
    } catch (const Error& error) {
        return reportError(context.err, error);
    }
}

int check(CommandContext& context, const ParsedArguments&) {
    int status = kExitOk;
    for (const DataFileCheck& check : dataFileChecks()) {
        context.out << check.fileName.toStdString() << ": ";
        try {
            context.out << check.load(dataFilePathIn(context.dataDirectory, check.fileName)) << '\n';
        } catch (const Error& error) {
            context.out << withFullStop(error.message()).toStdString() << '\n';
            status = kExitFailure;
        }
    }
    return status;
}

} // namespace

CommandGroup dataCommands() {
    return {"Data files (DIR defaults to the directory of the executable)",
            {
                {"pack",
                 {"PLAIN", "OUT"},
                 {{"--cp932"}},
                 false,
                 "scramble a plain text file into a data file\n"
                 "(--cp932: convert the UTF-8 text to Shift-JIS first)\n",
                 pack},
                {"unpack",
                 {"FILE"},
                 {{"--utf8"}},
                 false,
                 "write the plain text of a data file to standard output\n"
                 "(--utf8: convert the Shift-JIS text to UTF-8)\n",
                 unpack},
                {"check", {}, {}, false, "load every data file in DIR and report what it holds\n", check},
            }};
}

} // namespace trelkin::cli
