#include "gui/combination/recipe_tree_opener.h"

#include "core/combination/recipe_tree_opening.h"
#include "gui/combination/recipe_tree_model.h"
#include "gui/widgets/tree_view.h"

#include <QLabel>

namespace trelkin {

void openRecipeTreeView(ui::TreeView& view, const RecipeTreeModel& model, QLabel& openedInPartNote) {
    const RecipeTreeOpening opening = openRecipeTree(*model.tree());
    QModelIndexList indexes;
    indexes.reserve(qsizetype(opening.opened.size()));
    for (const PrepareTree::NodeId id : opening.opened)
        indexes.push_back(model.indexOf(id));
    view.expandInOnePass(indexes);
    openedInPartNote.setVisible(!opening.complete);
}

QLabel* makeOpenedInPartNote(QWidget* parent) {
    auto* note = new QLabel(QString::fromUtf8(kTreeOpenedInPart), parent);
    note->setObjectName(QStringLiteral("OpenedInPartNote"));
    note->setToolTip(openedInPartReason());
    note->hide();
    return note;
}

} // namespace trelkin
