#pragma once

#include "core/combination/prepare_details.h"
#include "core/combination/recipes_by_item.h"
#include "core/data/common_prepare.h"

#include <QWidget>
#include <memory>

class QLabel;
class QListWidget;

namespace trelkin {

// The "素材から探す" page: list 1 holds every material, list 2 the partners of the chosen one, and a small box
// shows how the chosen material is itself made. Names are coloured by how they can be made.
class MaterialPairPanel : public QWidget {
    Q_OBJECT
public:
    explicit MaterialPairPanel(QWidget* parent = nullptr);

    // Fills list 1 and its count from the recipe table, which must outlive the panel.
    void FillMaterialList(const TPrepareDatas& recipes);

signals:
    // The detail box is to show this key (none, to empty it).
    void detailsRequested(const PrepareDetailsKey& key);

private:
    void LBPrepare1Click();
    void LBPrepare2Click();
    void fillList(QListWidget* list, const std::vector<std::string>& names);
    void resetPartners();

    const TPrepareDatas* m_recipes = nullptr;
    std::unique_ptr<RecipesByItem> m_byItem;
    QLabel* m_label13;
    QListWidget* m_lbPrepare1;
    QLabel* m_label19;
    QListWidget* m_lbPrepare2;
    QLabel* m_label27;
    QLabel* m_label16;
};

} // namespace trelkin
