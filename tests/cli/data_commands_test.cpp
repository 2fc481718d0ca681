#include "cli/cli_app.h"
#include "core/data/common.h"
#include "core/data/common_prepare.h"
#include "support/cli_run.h"
#include "support/scrambled_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::CliRun;
using testing::DataDirectory;
using testing::runCli;
using testing::sjis;

std::string readBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

TEST(PackCommandTest, PackThenUnpackGivesBackEveryStorableText) {
    DataDirectory dir;
    std::string plain;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != ScrambleKey && byte != ('\r' ^ ScrambleKey) && byte != ('\n' ^ ScrambleKey))
            plain += char(byte);
    plain += "\r\n\n\r trailing blanks  \n";
    const QString source = dir.writeRaw("plain.txt", plain);
    const std::string packed = dir.filePath("packed.dat").toStdString();
    ASSERT_EQ(runCli({"pack", source.toStdString(), packed}).status, cli::kExitOk);
    const CliRun unpacked = runCli({"unpack", packed});
    EXPECT_EQ(unpacked.status, cli::kExitOk);
    EXPECT_EQ(unpacked.out, plain);
}

TEST(PackCommandTest, ConvertsUtf8ToShiftJisForTheLoaders) {
    DataDirectory dir;
    const QString source = dir.writeRaw("prepare.txt", "1,回復薬,薬草,青茸,95,体力を回復する～。,調合,1\n");
    const QString packed = dir.filePath("prepare.dat");
    ASSERT_EQ(runCli({"pack", "--cp932", source.toStdString(), packed.toStdString()}).status, cli::kExitOk);
    TPrepareDatas table;
    LoadPrepareData(packed, table);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].Description, sjis("体力を回復する～。"));
    EXPECT_EQ(runCli({"unpack", "--utf8", packed.toStdString()}).out, readBytes(source));
}

TEST(PackCommandTest, RefusesWhatItCannotStoreAndLeavesNoFile) {
    DataDirectory dir;
    const QString euro = dir.writeRaw("euro.txt", "price: 5€\n");
    const QString keyByte = dir.writeRaw("key.txt", std::string(1, char(ScrambleKey)));
    const QString out = dir.filePath("out.dat");
    const CliRun unconvertible = runCli({"pack", "--cp932", euro.toStdString(), out.toStdString()});
    EXPECT_EQ(unconvertible.status, cli::kExitFailure);
    EXPECT_NE(unconvertible.err.find("9 文字目"), std::string::npos) << unconvertible.err;
    EXPECT_EQ(runCli({"pack", keyByte.toStdString(), out.toStdString()}).status, cli::kExitFailure);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(runCli({"unpack", dir.filePath("none.dat").toStdString()}).status, cli::kExitFailure);
}

TEST(CliTest, ReportsUsageErrorsWithStatusTwo) {
    EXPECT_EQ(runCli({}).status, cli::kExitUsage);
    EXPECT_EQ(runCli({"frobnicate"}).status, cli::kExitUsage);
    EXPECT_EQ(runCli({"pack", "only-one"}).status, cli::kExitUsage);
    EXPECT_EQ(runCli({"--data-dir"}).status, cli::kExitUsage);
    EXPECT_EQ(runCli({"check", "extra"}).status, cli::kExitUsage);
}

TEST(CliTest, HelpAndVersionGoToStandardOutputWithStatusZero) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--help"},
                                                      {"-h"},
                                                      {"help"},
                                                      {"set-search", "--help"},
                                                      {"--data-dir", "x", "check", "-h"}}) {
        const CliRun help = runCli(arguments);
        EXPECT_EQ(help.status, cli::kExitOk) << arguments.front();
        EXPECT_TRUE(help.out.starts_with("usage: trelkin-cli")) << arguments.front();
        EXPECT_EQ(help.err, "");
    }
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.status, cli::kExitOk);
    EXPECT_EQ(version.out, "trelkin-cli 0.7\n");
    const CliRun wrong = runCli({"frobnicate"});
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, "trelkin-cli: unknown command 'frobnicate'\nTry 'trelkin-cli --help' for more information.\n")
        << "a short hint, not the whole usage";
}

TEST(CheckCommandTest, CountsRecordsOrShowsTheMessageOfTheErrorBox) {
    DataDirectory dir;
    dir.writeScrambled("prepare.dat", sjis("1,A,B,C,90,d,調合,1\n2,A,B,C,90,d,調合,1"));
    dir.writeScrambled("guard.dat", "<guard/>");
    dir.writeScrambled("weapon.dat", "<w/>");
    const std::string armourAndWeaponLines = "guard.dat: 0 skill rows, 0/0/0/0/0 pieces\nweapon.dat: 0 weapons\n";
    const CliRun good = runCli({"check"}, dir.path());
    EXPECT_EQ(good.status, cli::kExitOk);
    EXPECT_EQ(good.out, "prepare.dat: 2 recipes\n" + armourAndWeaponLines);

    dir.writeScrambled("prepare.dat", sjis("1,A,B,C,90"));
    const CliRun bad = runCli({"--data-dir", dir.path().toStdString(), "check"});
    EXPECT_EQ(bad.status, cli::kExitFailure);
    EXPECT_EQ(bad.out, "prepare.dat: リストのインデックスが範囲を超えています (5)\n" + armourAndWeaponLines);

    QFile::remove(dir.filePath("prepare.dat"));
    const CliRun missing = runCli({"check"}, dir.path());
    EXPECT_EQ(missing.status, cli::kExitFailure);
    EXPECT_EQ(missing.out, "prepare.dat: ファイル " + dir.filePath("prepare.dat").toStdString() + " は開けません.\n" +
                               armourAndWeaponLines);
}

TEST(CheckCommandTest, TheExecutableFindsItsDataFromAnotherWorkingDirectory) {
    QProcess cli;
    cli.setWorkingDirectory(QDir::tempPath());
    cli.start(QStringLiteral(TRELKIN_RUNTIME_DIR "/trelkin-cli"), {QStringLiteral("check")});
    ASSERT_TRUE(cli.waitForFinished());
    EXPECT_EQ(cli.exitCode(), cli::kExitOk) << cli.readAllStandardOutput().toStdString();
    EXPECT_TRUE(cli.readAllStandardOutput().startsWith("prepare.dat: "));
}

} // namespace
} // namespace trelkin
