#pragma once

#include "core/combination/prepare_details.h"
#include "core/data/common_prepare.h"

#include <QGroupBox>

class QLabel;
class QPlainTextEdit;
class QSpinBox;

namespace trelkin {
namespace ui {
class TreeViewWithoutButtons;
}

class RecipeTreeModel;

// The detail box "調合/錬金 アイテム詳細": number, kind, item, rate, yield, description, recipe line and the
// derivation tree of the recipes of one key.
class RecipeDetailBox : public QGroupBox {
    Q_OBJECT
public:
    explicit RecipeDetailBox(QWidget* parent = nullptr);

    // The recipe table must outlive the box.
    void setRecipes(const TPrepareDatas& recipes);
    void ShowPrepareDetails(const PrepareDetailsKey& key);
    void ClearPrepareDetails() { ShowPrepareDetails(PrepareDetailsKey::none()); }

private:
    void SpinEdit1Change(const QString& text);
    void display(const PrepareDetails& details);
    const TPrepareDatas& recipes() const;

    const TPrepareDatas* m_recipes = nullptr;
    // True while the box fills itself, so that its own change of the number field is not taken for the user's.
    bool DetailUpdating = false;
    // Set at the user's first change of the number field; from then on emptying the box leaves the field alone.
    bool NumberEdited = false;

    QSpinBox* m_spinEdit1;
    QLabel* m_label26;
    QLabel* m_label8;
    QLabel* m_label9;
    QLabel* m_label4;
    QPlainTextEdit* m_memo1;
    ui::TreeViewWithoutButtons* m_treeView2;
    RecipeTreeModel* m_model;
    QLabel* m_openedInPartNote;
    QLabel* m_label3;
};

} // namespace trelkin
