#pragma once

namespace kalmoris {

// Qt's own dialogs and buttons in French, whatever the user's locale: the file dialogs, the
// print dialog and the standard buttons. False when Qt's French translations are not
// installed; the program's own boxes are French all the same.
bool installFrenchTranslations();

}  // namespace kalmoris
