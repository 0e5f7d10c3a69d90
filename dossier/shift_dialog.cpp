#include "dossier/shift_dialog.h"

#include "ui/colors.h"
#include "ui/controls.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalmoris {

namespace {

QRadioButton* choice(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QRadioButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QLineEdit* entryField(QWidget* parent, const char* name, const QString& placeholder,
                      const QString& description) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setPlaceholderText(placeholder);
  controls::describe(edit, description);
  return edit;
}

}  // namespace

ShiftDialog::ShiftDialog(QWidget* parent, int row, int periodsPerYear)
    : QDialog(parent), row_(row), periodsPerYear_(periodsPerYear) {
  setObjectName(QStringLiteral("DialogueDecalage"));
  setWindowTitle(QStringLiteral("Insérer un décalage"));
  createControls();
  createConnections();
}

void ShiftDialog::createControls() {
  auto* intro = new QLabel(
      QStringLiteral("Un bloc de versement 0 est inséré avant le bloc %1 : il avance ou retarde "
                     "les blocs qui le suivent. Pour une première échéance qui ne tombe pas une "
                     "période après le versement du capital, insérez-le avant elle.")
          .arg(row_),
      this);
  intro->setWordWrap(true);

  auto* days = new QGroupBox(QStringLiteral("Le décalage"), this);
  par_jours = choice(days, "par_jours",
                     QStringLiteral("en jours, au-delà d'une période (négatif : plus tôt)"));
  par_jours->setChecked(true);
  ch_jours = entryField(days, "ch_jours", QStringLiteral("par ex. -49"), QStringLiteral("Jours"));
  par_dates = choice(days, "par_dates", QStringLiteral("d'après deux dates (jj/mm/aaaa)"));
  ch_date_versement = entryField(days, "ch_date_versement", QStringLiteral("jj/mm/aaaa"),
                                 QStringLiteral("Versement du capital"));
  ch_date_echeance = entryField(days, "ch_date_echeance", QStringLiteral("jj/mm/aaaa"),
                                QStringLiteral("Première échéance"));
  auto* daysLayout = new QFormLayout(days);
  daysLayout->addRow(par_jours);
  daysLayout->addRow(QStringLiteral("Jours :"), ch_jours);
  daysLayout->addRow(par_dates);
  daysLayout->addRow(QStringLiteral("Versement du capital :"), ch_date_versement);
  daysLayout->addRow(QStringLiteral("Première échéance :"), ch_date_echeance);

  auto* convention = new QGroupBox(QStringLiteral("Décompte des jours"), this);
  mois_normalise =
      choice(convention, "mois_normalise", QStringLiteral("mois normalisé (année de 365 jours)"));
  mois_normalise->setChecked(true);
  mois_30 = choice(convention, "mois_30", QStringLiteral("mois de 30 jours (année de 360 jours)"));
  calendrier = choice(convention, "calendrier",
                      QStringLiteral("calendrier (périodes entières + jours sur 365 ou 366)"));
  auto* conventionLayout = new QVBoxLayout(convention);
  conventionLayout->addWidget(mois_normalise);
  conventionLayout->addWidget(mois_30);
  conventionLayout->addWidget(calendrier);

  apercu = new QLabel(this);
  apercu->setObjectName(QStringLiteral("apercu"));
  message = new QLabel(this);
  message->setObjectName(QStringLiteral("message"));
  message->setWordWrap(true);
  colors::setTextColor(message, colors::Red);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* insert = buttons->addButton(QStringLiteral("Insérer"), QDialogButtonBox::AcceptRole);
  insert->setObjectName(QStringLiteral("Inserer"));
  insert->setDefault(true);
  buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("Annuler"));
  connect(buttons, &QDialogButtonBox::accepted, this, &ShiftDialog::insertClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(days);
  layout->addWidget(convention);
  layout->addWidget(apercu);
  layout->addWidget(message);
  layout->addWidget(buttons);
  setMinimumWidth(420);
}

void ShiftDialog::createConnections() {
  for (QLineEdit* edit : {ch_jours, ch_date_versement, ch_date_echeance})
    connect(edit, &QLineEdit::textChanged, this, &ShiftDialog::showSummary);
  for (QRadioButton* button : {par_jours, par_dates, mois_normalise, mois_30, calendrier})
    connect(button, &QRadioButton::toggled, this, &ShiftDialog::showSummary);
  // Typing in a field chooses its way of giving the shift.
  connect(ch_jours, &QLineEdit::textEdited, par_jours, [this] { par_jours->setChecked(true); });
  for (QLineEdit* date : {ch_date_versement, ch_date_echeance})
    connect(date, &QLineEdit::textEdited, par_dates, [this] { par_dates->setChecked(true); });
  // The calendar counts from the two dates.
  connect(calendrier, &QRadioButton::clicked, par_dates, [this] { par_dates->setChecked(true); });
}

ShiftEntry ShiftDialog::entry() const {
  const DayCount convention = calendrier->isChecked() ? DayCount::Calendar
                              : mois_30->isChecked()  ? DayCount::ThirtyDayMonth
                                                      : DayCount::NormalisedMonth;
  return {par_dates->isChecked(), ch_jours->text(), ch_date_versement->text(),
          ch_date_echeance->text(), convention};
}

// What "Insérer" will write, once the entries can be used; nothing is refused while typing.
void ShiftDialog::showSummary() {
  message->clear();
  const Shift shift = readShift(entry(), periodsPerYear_);
  apercu->setText(shift.refusal.isEmpty() ? shiftSummary(shift) : QString());
}

void ShiftDialog::insertClick() {
  shift_ = readShift(entry(), periodsPerYear_);
  if (!shift_.refusal.isEmpty()) {
    message->setText(shift_.refusal);
    return;
  }
  accept();
}

}  // namespace kalmoris
