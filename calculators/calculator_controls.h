#pragma once

#include <QRect>

#include <QString>
#include <array>

class QLabel;
class QPushButton;
class QWidget;

namespace kalmoris {

class ChoiceBox;
class Panel;

// The controls the quick calculators draw alike.
namespace calculator_controls {

// A white panel that shows a result.
Panel* resultPanel(QWidget* parent, const char* name, QRect place);
// A grey panel that names a currency.
Panel* unitPanel(QWidget* parent, const char* name, QRect place);
// The screen's message panel: no bevel, empty at first, in the screen's colour.
Panel* messagePanel(QWidget* parent, const char* name, QRect place);
// A large "{" joining a result and its conversion.
Panel* bracePanel(QWidget* parent, const char* name, QRect place);

// A caption starting at `captionLeft` on the row of the control at its right; a screen
// reader names the control after it.
QLabel* rowCaption(QWidget* parent, const char* name, const QString& caption, int captionLeft,
                   QWidget* control);

// The calculate button, in a larger bold font.
QPushButton* calculateButton(QWidget* parent, const char* name, const QString& caption,
                             QRect place);

// The row of commands at the foot of a calculator: EFFACER, IMPRIMER, the return to the menu
// and QUITTER, named after the screen's own names, `width` wide and `step` apart from `origin`.
struct CommandRow {
  QPushButton* erase;
  QPushButton* print;
  QPushButton* menu;
  QPushButton* quit;
};
CommandRow commandRow(QWidget* screen, std::array<const char*, 4> names, const QString& menuCaption,
                      QPoint origin, int width, int step);

// The instalment and capital screens' two choice boxes side by side, currency (FRANCS,
// EUROS, RECTIFIER) then rate kind (tx_prop, tx_actu, RECTIFIER_1), with the red reminder
// that nothing is calculated without them.
struct LoanChoiceBoxes {
  ChoiceBox* currency;
  ChoiceBox* rateKind;
  QLabel* reminder;
};
LoanChoiceBoxes loanChoiceBoxes(QWidget* screen, const char* currencyName,
                                const QString& currencyTitle, const char* rateKindName,
                                const QString& rateKindTitle, const char* reminderName);

}  // namespace calculator_controls
}  // namespace kalmoris
