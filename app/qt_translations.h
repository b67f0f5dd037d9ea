#pragma once

namespace armoursmith {

// Loads Qt's translations of its own texts (the text boxes' context menus, dialog buttons) for
// the user's language, if Qt has any, and keeps them for the rest of the run. Without a
// translation, or with an unreadable one, Qt keeps its English texts. The program's own
// captions and output are not translated, and the layout stays left to right in every language.
void LoadQtTranslations();

}  // namespace armoursmith
