#pragma once

#include "gui/main_form.h"
#include "support/find_widget.h"
#include "support/recorded_dialogs.h"
#include "support/scrambled_fixture.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>

namespace trelkin::testing {

// A test of the main window: data files written for it (or the demo data), the window shown, and its dialogs
// answered and recorded. An error box that the test does not take fails it.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(m_dialogs.errors, QStringList()) << "error boxes nobody expected"; }

    // Writes the three data files from UTF-8 texts; an empty text gives its file's empty table.
    void writeDataFiles(const QString& recipes, const QString& armour, const QString& weapons) const {
        m_dir.writeScrambledUtf8(QStringLiteral("prepare.dat"), recipes);
        m_dir.writeScrambledUtf8(QStringLiteral("guard.dat"), armour.isEmpty() ? QStringLiteral("<guard/>") : armour);
        m_dir.writeScrambledUtf8(QStringLiteral("weapon.dat"), weapons.isEmpty() ? QStringLiteral("<w/>") : weapons);
    }

    // Opens the window on the test's data directory (or another) and shows it. Every page is built at once
    // unless the test meets them as a player does, each built when first shown.
    void openWindow(bool buildEveryPage = true) { openWindowOn(m_dir.path(), buildEveryPage); }
    void openWindowOn(const QString& directory, bool buildEveryPage = true) {
        m_form = std::make_unique<TMainForm>(directory);
        if (buildEveryPage)
            m_form->buildEveryPage();
        m_form->show();
    }

    // The error boxes shown so far, which the test thereby expects.
    QStringList takeErrors() {
        m_dialogs.errorTitles.clear();
        return std::exchange(m_dialogs.errors, {});
    }

    TMainForm& form() const { return *m_form; }
    template <typename Widget> Widget* find(const QString& name) const { return findWidget<Widget>(*m_form, name); }
    template <typename Widget> Widget* find(const char* name) const { return find<Widget>(QString::fromUtf8(name)); }

    DataDirectory m_dir;
    RecordedDialogs m_dialogs;

private:
    std::unique_ptr<TMainForm> m_form;
};

} // namespace trelkin::testing
