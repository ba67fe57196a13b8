// Qt's own texts (file dialogs, standard buttons, the edit fields' context menus) in
// Japanese, like the rest of the interface, whatever the system's language.
#pragma once

class QCoreApplication;

// Loads qtbase_ja from Qt's translations folder into the application; false when it is
// not installed (Debian's qt6-translations-l10n), and Qt's texts then stay English.
bool InstallQtTranslation(QCoreApplication& application);
