#include "dossier/help_tab.h"

#include "ui/colors.h"
#include "ui/controls.h"

#include <QPushButton>

namespace kalmoris {

QPushButton* helpTab(QWidget* parent, const char* name, QRect place) {
  QPushButton* tab = controls::button(parent, name, QStringLiteral("?"), place);
  tab->setFont(controls::boldFont(12));
  tab->setFlat(true);
  tab->setCursor(Qt::PointingHandCursor);
  colors::setTextColor(tab, colors::Red);
  return tab;
}

}  // namespace kalmoris
