#pragma once

namespace trelkin::ui {

// Makes Qt's own texts (file dialogs, standard buttons, context menus of its widgets) speak Japanese, from the
// translations the system's Qt ships; where they are missing the texts stay as Qt has them. Call once, after the
// application object is made.
void useJapaneseQtTexts();

} // namespace trelkin::ui
