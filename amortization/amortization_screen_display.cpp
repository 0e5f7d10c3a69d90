// AFFICHER: the entries read and rewritten, the rates and instalments, then both grids.
#include "amortization/amortization_screen.h"

#include "amortization/schedule_grid.h"
#include "core/errors.h"
#include "core/numbers.h"
#include "core/rates.h"
#include "ui/loan_choices.h"
#include "ui/panel.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace kalmoris {

namespace {
QString tableCaption(MoneyUnit unit) {
  return unit == MoneyUnit::Francs ? QStringLiteral("TABLEAU d'AMORTISSEMENT en FRANCS")
                                   : QStringLiteral("TABLEAU d'AMORTISSEMENT en EUROS");
}
}  // namespace

// Until this display completes, what it overwrites no longer matches a printable schedule.
void TForm7::AFFICHERClick() {
  IMPRIMER->setEnabled(false);
  if (!choices_->made()) return;
  if (!readEntries()) return;
  showRatesAndInstalments();
  showSchedule();
  IMPRIMER->setEnabled(true);
}

bool TForm7::readEntries() {
  inputs_.unit = choices_->unit();
  inputs_.kind = choices_->kind();
  if (!readAndRewrite(reader_, ch_capital, QStringLiteral("#0.00"), inputs_.capital) ||
      !readAndRewrite(reader_, ch_le_taux, QStringLiteral("#0.0000"), inputs_.annualRate) ||
      !store(reader_.perYearCount(ch_ech_an, true), inputs_.perYear))
    return false;

  const std::optional<std::int32_t> total = reader_.count32(ch_tot_ech, true);
  if (!total) return false;
  if (*total > kMaxInstalments) {
    reader_.refuse(ch_tot_ech);
    return false;
  }
  inputs_.total = *total;

  const std::optional<std::int32_t> month = readDateEntry(ch_mois);
  if (!month) return false;
  // 0 means no dates; any other month must be a month of the year.
  if (*month > 12) {
    reader_.refuse(ch_mois);
    return false;
  }
  inputs_.firstMonth = *month;

  const std::optional<std::int32_t> year = readDateEntry(ch_annee);
  if (!year) return false;
  inputs_.firstYear = *year;
  return true;
}

// An empty month or year stands for 0, written into the field before it is read.
std::optional<std::int32_t> TForm7::readDateEntry(QLineEdit* field) {
  if (field->text().isEmpty()) field->setText(QStringLiteral("0"));
  return reader_.count32(field, true);
}

void TForm7::showRatesAndInstalments() {
  inputs_.otherCapital = OtherCurrencyValue(inputs_.capital, inputs_.unit).value();
  Panel5->setText(UnitName(OtherUnit(inputs_.unit)));

  const Real perYear = inputs_.perYear;
  const Real total = inputs_.total;
  inputs_.periodRate = PeriodRateFromAnnual(inputs_.kind, inputs_.annualRate, perYear);
  taux_per->setText(QStringLiteral("  ") + FormatFixed(inputs_.periodRate, 10, 8) +
                    QStringLiteral(" %"));
  inputs_.instalment = InstalmentOf(inputs_.capital, inputs_.periodRate, total);
  inputs_.otherInstalment = InstalmentOf(inputs_.otherCapital, inputs_.periodRate, total);
  echeance->setText(FormatFixed(inputs_.instalment, 10, 2));
  Panel3->setText(FormatFixed(inputs_.otherInstalment, 10, 2));
  const bool proportional = inputs_.kind == RateKind::Proportional;
  const Real equivalent = proportional ? ActuarialFromPeriod(inputs_.periodRate, perYear)
                                       : ProportionalFromPeriod(inputs_.periodRate, perYear);
  taux_equi->setText(FormatFixed(equivalent, 10, 4) + QStringLiteral(" %"));
  Panel4->setText(proportional ? QStringLiteral("ACTUARIEL") : QStringLiteral("PROPORTIONNEL"));

  Panel2->setText(UnitName(inputs_.unit));
  AFFI1->setTitle(tableCaption(inputs_.unit));
  AFFI2->setTitle(tableCaption(OtherUnit(inputs_.unit)));
}

// A failure part-way leaves the instalments computed before it on show.
void TForm7::showSchedule() {
  auto schedule = std::make_shared<DatedSchedule>();
  const auto publish = [&] {
    typedCells_->show(schedule);
    otherCells_->show(schedule);
  };
  try {
    ComputeSchedule(inputs_, *schedule);
  } catch (const Failure&) {
    publish();
    throw;
  }
  publish();
}

}  // namespace kalmoris
