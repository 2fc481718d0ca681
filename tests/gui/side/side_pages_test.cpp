#include "core/side/armour_report.h"
#include "core/side/side_addresses.h"
#include "gui/side/link_strip.h"
#include "gui/side/report_page.h"
#include "gui/widgets/url_opener.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

constexpr int kOpenerTimeoutMs = 10000;

const char* const kGuardXml = R"(<?xml version="1.0" encoding="Shift_JIS"?>
<guard><skilllist>
  <r><skill>攻撃</skill><name>攻撃力UP【小】</name><range_min>10</range_min><range_max>100</range_max><effect>e</effect></r>
  <r><skill>防御</skill><name>防御力UP【小】</name><range_min>10</range_min><range_max>100</range_max><effect>e</effect></r>
</skilllist><armorlist><head>
  <p><name>鉄の兜</name><rare>1</rare><def>10</def><attr fire="0" water="0" thunder="0" dragon="0"/>
    <production>100</production><materials><m num="2">鉄鉱石</m><m num="1">回復薬</m></materials><skill/></p>
</head><body/><arm/><waist/><leg>
  <p><name>鉄の具足</name><rare>1</rare><def>8</def><attr fire="0" water="0" thunder="0" dragon="0"/>
    <production>100</production><materials><m num="1">竜骨</m></materials><skill/></p>
</leg></armorlist></guard>)";

const char* const kWeaponXml = R"(<?xml version="1.0" encoding="Shift_JIS"?>
<weapondata><weaponlist><weapon>
  <type>片手剣</type><name>剣</name><attack>72</attack><additionaleffect/><sale>500</sale><production>0</production>
  <creatematerials><material num="2">鉄鉱石</material><material num="1">牙</material></creatematerials>
  <materials/><parentweapon/>
</weapon></weaponlist></weapondata>)";

class SidePagesTest : public testing::WindowTest {
protected:
    SidePagesTest() {
        writeDataFiles(QStringLiteral("1,回復薬,薬草,アオキノコ,95,体力を回復する。,調合,1"),
                       QString::fromUtf8(kGuardXml), QString::fromUtf8(kWeaponXml));
    }

    // A stand-in for xdg-open that writes the URL it gets to url.txt and exits with the status.
    QString fakeOpener(int exitStatus) const {
        const QString script = QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                                   .arg(m_dir.filePath(QStringLiteral("url.txt")))
                                   .arg(exitStatus);
        const QString path = m_dir.writeRaw(QStringLiteral("fake-opener-%1").arg(exitStatus), script.toStdString());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QString openedUrl() const {
        QFile file(m_dir.filePath(QStringLiteral("url.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // How many files the test process holds open.
    static qsizetype openDescriptors() {
        return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size();
    }

    // Waits until every opener the object started has ended and been reported.
    static void waitForOpeners(const ui::UrlOpener* opener) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return opener->findChildren<QProcess*>().isEmpty(); }, kOpenerTimeoutMs));
    }

    ui::UrlOpener* reportOpener() const { return form().findChild<ReportPage*>()->urlOpener(); }

    void send() const {
        QTest::mouseClick(find<QPushButton>("Button3"), Qt::LeftButton);
        waitForOpeners(reportOpener());
    }
};

TEST_F(SidePagesTest, ItemListShowsEveryNameOnceWithItsCount) {
    openWindow();
    auto* list = find<QListWidget>("ListBox1");
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    EXPECT_EQ(names.size(), 6);
    for (const char* name : {"回復薬", "薬草", "アオキノコ", "鉄鉱石", "竜骨", "牙"})
        EXPECT_EQ(names.count(QString::fromUtf8(name)), 1) << name;
    EXPECT_EQ(find<QLabel>("Panel3")->text(), QStringLiteral("6件"));
}

TEST_F(SidePagesTest, ItemListStaysEmptyWhenStartUpStopsEarlier) {
    QFile::remove(m_dir.filePath(QStringLiteral("weapon.dat")));
    openWindow();
    EXPECT_EQ(takeErrors().size(), 1);
    EXPECT_EQ(find<QListWidget>("ListBox1")->count(), 0);
    EXPECT_EQ(find<QLabel>("Panel3")->text(), QStringLiteral("---件"));
    EXPECT_EQ(find<QComboBox>("ComboBox7")->count(), 3) << "the report's selectors come from the armour step";
}

TEST_F(SidePagesTest, ReportFormStartsEmptyWithEveryWearerChecked) {
    openWindow();
    auto* slot = find<QComboBox>("ComboBox6");
    EXPECT_FALSE(slot->isEditable());
    EXPECT_EQ(slot->count(), 5);
    EXPECT_EQ(slot->itemText(0), QStringLiteral("頭"));
    EXPECT_EQ(slot->itemText(4), QStringLiteral("脚"));
    EXPECT_EQ(slot->currentText(), QString());
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QString());
    for (const int number : {5, 21, 6, 17, 18, 19, 20, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})
        EXPECT_EQ(find<QLineEdit>(QStringLiteral("SpinEdit%1").arg(number))->text(), QStringLiteral("0"));
    for (const char* wearer : {"CheckBoxMan", "CheckBoxFamel", "CheckBoxSwordman", "CheckBoxGunner"})
        EXPECT_TRUE(find<QCheckBox>(wearer)->isChecked()) << wearer;
    for (int number = 7; number <= 16; ++number) {
        auto* row = find<QComboBox>(QStringLiteral("ComboBox%1").arg(number));
        EXPECT_TRUE(row->isEditable());
        EXPECT_EQ(row->maxVisibleItems(), 25);
        EXPECT_EQ(row->currentText(), QString());
        EXPECT_EQ(row->count(), number <= 11 ? 3 : 4) << "the blank entry, then two skills or three materials";
    }
    EXPECT_EQ(find<QComboBox>("ComboBox7")->itemText(1), QStringLiteral("攻撃"));
    EXPECT_EQ(find<QPushButton>("Button3")->text(), QStringLiteral("送 信"));

    const ArmourReportForm shown = form().findChild<ReportPage*>()->form();
    EXPECT_EQ(reportBodyText(composeArmourReport(shown)), reportBodyText(composeArmourReport({})));
}

TEST_F(SidePagesTest, SendingHandsTheEncodedReportToTheOpener) {
    openWindow();
    reportOpener()->setProgram(fakeOpener(0));
    find<QComboBox>("ComboBox6")->setCurrentIndex(1);
    find<QLineEdit>("Edit1")->setText(QStringLiteral("&body=x#y%"));
    find<QLineEdit>("SpinEdit5")->setText(QStringLiteral("-7"));
    find<QLineEdit>("SpinEdit21")->setText(QStringLiteral("abc"));
    find<QCheckBox>("CheckBoxFamel")->setChecked(false);
    find<QComboBox>("ComboBox12")->setEditText(QStringLiteral(" 新素材 "));
    find<QLineEdit>("SpinEdit12")->setText(QStringLiteral("3"));
    find<QComboBox>("ComboBox11")->setCurrentIndex(2);
    send();

    ArmourReportForm expected;
    expected.Slot = QStringLiteral("胴");
    expected.Name = QStringLiteral("&body=x#y%");
    expected.Def = -7;
    expected.Female = false;
    expected.Materials[0] = {QStringLiteral(" 新素材 "), 3};
    expected.Skills[4] = {QStringLiteral("防御"), 0};
    EXPECT_EQ(openedUrl(), encodedReportUrl(composeArmourReport(expected), reportAddress()));
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("&body=x#y%")) << "the form keeps its contents";
}

TEST_F(SidePagesTest, AFailedOpenShowsItsMessageAndKeepsTheForm) {
    openWindow();
    find<QLineEdit>("Edit1")->setText(QStringLiteral("兜"));
    const std::pair<QString, QString> cases[] = {
        {m_dir.filePath(QStringLiteral("no-such-opener")), QStringLiteral("指定されたファイルが見つかりません。 (2)")},
        {fakeOpener(3), QStringLiteral("Exec Error 31.")}, // no program can open it: no association
        {fakeOpener(4), QStringLiteral("Exec Error 29.")}, // the program failed to open it
        {m_dir.writeRaw(QStringLiteral("not-executable"), "#!/bin/sh\n"),
         QStringLiteral("指定されたExeファイルが無効です。 (11)")},
    };
    const auto sendEach = [&] {
        for (const auto& [program, message] : cases) {
            reportOpener()->setProgram(program);
            send();
            EXPECT_EQ(takeErrors(), QStringList{message}) << program.toStdString();
        }
    };
    sendEach();
    // Qt opens what starting processes needs once; from then on a failed opener leaves nothing open.
    const qsizetype descriptors = openDescriptors();
    sendEach();
    EXPECT_EQ(openDescriptors(), descriptors) << "a failed opener leaves no pipe open";
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("兜"));
}

TEST_F(SidePagesTest, AReportTooLongForTheDesktopIsRefusedWithoutStartingTheOpener) {
    openWindow();
    reportOpener()->setProgram(fakeOpener(0));
    find<QLineEdit>("Edit1")->setText(QString(15000, u'兜'));
    send();
    const QStringList errors = takeErrors();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().startsWith(QStringLiteral("報告が長すぎるため送信できません")))
        << errors.front().toStdString();
    EXPECT_EQ(openedUrl(), QString()) << "nothing was started";
}

TEST_F(SidePagesTest, LinkStripOpensTheGamePageAndIgnoresFailures) {
    openWindow();
    auto* strip = form().findChild<LinkStrip*>();
    strip->urlOpener()->setProgram(fakeOpener(0));
    QTest::mouseClick(strip, Qt::LeftButton);
    waitForOpeners(strip->urlOpener());
    EXPECT_EQ(openedUrl(), gamePageUrl());

    // The fixture fails the test on any error box.
    strip->urlOpener()->setProgram(fakeOpener(4));
    QTest::mouseClick(strip, Qt::LeftButton);
    waitForOpeners(strip->urlOpener());
}

TEST_F(SidePagesTest, EnterOrSpaceOnTheFocusedLinkStripOpensTheGamePage) {
    openWindow();
    auto* strip = form().findChild<LinkStrip*>();
    strip->urlOpener()->setProgram(fakeOpener(0));
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QFile::remove(m_dir.filePath(QStringLiteral("url.txt")));
        QTest::keyClick(strip, key, modifiers);
        waitForOpeners(strip->urlOpener());
        return openedUrl();
    };
    EXPECT_EQ(press(Qt::Key_Return, Qt::NoModifier), gamePageUrl());
    EXPECT_EQ(press(Qt::Key_Space, Qt::NoModifier), gamePageUrl());
    EXPECT_EQ(press(Qt::Key_Enter, Qt::KeypadModifier), gamePageUrl()) << "the keypad's Enter";
    EXPECT_EQ(press(Qt::Key_Return, Qt::ControlModifier), QString()) << "Ctrl+Enter is no click";
}

} // namespace
} // namespace trelkin
