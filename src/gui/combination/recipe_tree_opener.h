#pragma once

class QLabel;
class QWidget;

namespace trelkin {

class RecipeTreeModel;
namespace ui {
class TreeView;
}

// Opens the view's recipe tree as far as the opening limits allow and shows the note when it stopped short.
void openRecipeTreeView(ui::TreeView& view, const RecipeTreeModel& model, QLabel& openedInPartNote);

// The note beside a recipe tree that is not open completely; hidden until an opening stops short.
QLabel* makeOpenedInPartNote(QWidget* parent);

} // namespace trelkin
