#pragma once

#include "core/data/armour_tables.h"
#include "core/side/armour_report.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace trelkin {

namespace ui {
class IntegerField;
class UrlOpener;
} // namespace ui

// The "情報提供" page: the form that describes an armour piece; "送 信" opens the user's mail program with the
// report filled in.
class ReportPage : public QWidget {
    Q_OBJECT
public:
    static constexpr std::size_t kResistanceCount = 4; // 火, 水, 雷, 龍
    static constexpr std::size_t kWearerCount = 4;     // 男, 女, 剣士, ガンナー

    explicit ReportPage(QWidget* parent = nullptr);

    // Start-up: the skill rows offer the skill systems, the material rows the armour materials.
    void fillSelectors(const ArmourTables& tables);

    // What the form holds, as the report takes it.
    ArmourReportForm form() const;

    ui::UrlOpener* urlOpener() const { return m_opener; }

private:
    // A material row (count) or a skill row (points).
    struct RowFields {
        QComboBox* name = nullptr;
        ui::IntegerField* value = nullptr;
    };
    using Rows = std::array<RowFields, kReportRowCount>;

    QFormLayout* buildMainFields(QWidget* box);
    QGroupBox* buildResistances();
    QGroupBox* buildWearers();
    QGroupBox* buildRows(const QString& caption, Rows& rows, int firstNumber, const QString& unit);
    void Button3Click();

    QComboBox* m_comboBox6 = nullptr;
    QLineEdit* m_edit1 = nullptr;
    ui::IntegerField* m_spinEdit5 = nullptr;
    ui::IntegerField* m_spinEdit21 = nullptr;
    ui::IntegerField* m_spinEdit6 = nullptr;
    std::array<ui::IntegerField*, kResistanceCount> m_resistances{}; // SpinEdit17 to SpinEdit20
    std::array<QCheckBox*, kWearerCount> m_wearers{};
    Rows m_materialRows{}; // ComboBox12/SpinEdit12 to ComboBox16/SpinEdit16
    Rows m_skillRows{};    // ComboBox7/SpinEdit7 to ComboBox11/SpinEdit11
    QPushButton* m_button3 = nullptr;
    ui::UrlOpener* m_opener = nullptr;
};

} // namespace trelkin
