#include "calculators/calculator_controls.h"

#include "ui/choice_box.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"

#include <QLabel>
#include <QPushButton>

namespace kalmoris::calculator_controls {

Panel* resultPanel(QWidget* parent, const char* name, QRect place) {
  return controls::panel(parent, name, QString(), place, colors::White);
}

Panel* unitPanel(QWidget* parent, const char* name, QRect place) {
  return controls::panel(parent, name, QString(), place, colors::ButtonFace);
}

Panel* messagePanel(QWidget* parent, const char* name, QRect place) {
  Panel* panel = controls::panel(parent, name, QString(), place, colors::Light3D);
  panel->setBevel(false);
  panel->setCaptionFont(controls::boldFont(10));
  controls::describe(panel, QStringLiteral("Message"));
  return panel;
}

Panel* bracePanel(QWidget* parent, const char* name, QRect place) {
  Panel* panel = controls::panel(parent, name, QStringLiteral("{"), place, colors::Light3D);
  panel->setBevel(false);
  panel->setAutoFillBackground(false);  // drawn on whatever box holds it
  panel->setCaptionFont(QFont(QStringLiteral("Arial"), 30));
  controls::describe(panel, QStringLiteral("Accolade"));
  return panel;
}

QLabel* rowCaption(QWidget* parent, const char* name, const QString& caption, int captionLeft,
                   QWidget* control) {
  const QRect controlPlace = control->geometry();
  const QRect place(captionLeft, controlPlace.top() + 3, controlPlace.left() - captionLeft - 6,
                    controlPlace.height() - 4);
  QLabel* label = controls::label(parent, name, caption, place);
  label->setBuddy(control);
  return label;
}

QPushButton* calculateButton(QWidget* parent, const char* name, const QString& caption,
                             QRect place) {
  QPushButton* button = controls::button(parent, name, caption, place);
  button->setFont(controls::boldFont(11));
  return button;
}

CommandRow commandRow(QWidget* screen, std::array<const char*, 4> names, const QString& menuCaption,
                      QPoint origin, int width, int step) {
  const QString captions[] = {QStringLiteral("EFFACER"), QStringLiteral("IMPRIMER"), menuCaption,
                              QStringLiteral("QUITTER")};
  QPushButton* buttons[4];
  for (int k = 0; k < 4; ++k)
    buttons[k] = controls::button(screen, names[k], captions[k],
                                  QRect(origin.x() + k * step, origin.y(), width, 30));
  return {buttons[0], buttons[1], buttons[2], buttons[3]};
}

LoanChoiceBoxes loanChoiceBoxes(QWidget* screen, const char* currencyName,
                                const QString& currencyTitle, const char* rateKindName,
                                const QString& rateKindTitle, const char* reminderName) {
  LoanChoiceBoxes boxes;
  boxes.currency = new ChoiceBox(screen, currencyName, currencyTitle, QRect(10, 8, 300, 62),
                                 {"FRANCS", QStringLiteral("FRANCS")},
                                 {"EUROS", QStringLiteral("EUROS")}, "RECTIFIER");
  boxes.rateKind = new ChoiceBox(screen, rateKindName, rateKindTitle, QRect(320, 8, 380, 62),
                                 {"tx_prop", QStringLiteral("PROPORTIONNEL")},
                                 {"tx_actu", QStringLiteral("ACTUARIEL")}, "RECTIFIER_1");
  boxes.reminder = controls::label(screen, reminderName,
                                   QStringLiteral("Sans les choix préalables, pas de calculs ...!"),
                                   QRect(14, 72, 400, 18));
  colors::setTextColor(boxes.reminder, colors::Red);
  return boxes;
}

}  // namespace kalmoris::calculator_controls
