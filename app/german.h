#pragma once
// Qt's own words in German: the standard dialogs, buttons and context
// menus, whatever the user's locale says.

class QCoreApplication;

namespace app {

// Loads Qt's German translations into the application; false when they are
// not installed (the package "qt6-translations-l10n" brings them).
bool installGermanTranslations(QCoreApplication& application);

}  // namespace app
