// Qt's own texts (context menus of the fields, standard buttons) in German.
#pragma once

class QCoreApplication;

namespace lw::ui {

// Installs Qt's German translation (qtbase_de from Qt's translations folder)
// on `app`, whatever the desktop's locale: every text the program shows is
// German, so Qt's standard texts must be too. One file load, no search; where
// the translation is not installed Qt's English texts stay, and the program's
// own buttons still read German (see DesktopPlatform::messageBox). Returns
// whether the translation was found.
bool loadGermanStandardTexts(QCoreApplication& app);

} // namespace lw::ui
