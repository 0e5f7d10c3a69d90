#include "dossier/core/dossier_report.h"

#include "core/counting_rate.h"
#include "core/numbers.h"
#include "core/offer_control.h"
#include "dossier/core/teg_verdict.h"

namespace kalmoris {

namespace {

const QString kLead = QStringLiteral("    ");
const QString kWideLead = QStringLiteral("            ");
const QString kUnit = QStringLiteral(" Um.");
constexpr int kCellWidths[kGridColumnCount] = {5, 16, 15, 11, 12, 16};

QString padding(QChar fill, qsizetype count) {
  return QString(qMax<qsizetype>(0, count), fill);
}

void writeHeading(PrinterTextStream& out, const DossierView& view) {
  out.writeLine(kWideLead);
  out.writeLine(kWideLead);
  out.font().name = QStringLiteral("ARIAL");
  out.font().setHeightDots(100);
  out.font().color = 0x000000;
  out.writeLine(kLead + QStringLiteral("VERIFICATION DE PRET:"));
  out.font().setSizePoints(14);
  out.writeLine(kLead);
  out.write(kWideLead + QStringLiteral("DOSSIER: "));
  out.font().setSizePoints(14);
  out.writeLine(view.fieldText(HeaderField::BorrowerName));
  out.font().setSizePoints(10);
  out.write(kWideLead + QStringLiteral("Les sommes sont indiquées en Unités Monétaires, -Um.- "
                                       "(Francs ou Euros au choix)"));
  out.font().name = QStringLiteral("COURIER NEW");
  out.writeLine(kLead);
  out.writeLine(kLead);
}

void writeCharacteristics(PrinterTextStream& out, const DossierView& view) {
  out.font().setSizePoints(10);
  out.writeLine(kLead + QStringLiteral("***** CARACTERISTIQUES *****"));
  out.writeLine(kLead + QStringLiteral("Montant du Prêt: ") + view.fieldText(HeaderField::Capital) +
                kUnit);
  out.font().setSizePoints(10);
  out.writeLine(kLead + QStringLiteral("Nombre total de REMBOURSEMENTS: ") +
                view.fieldText(HeaderField::RepaymentCount) + QStringLiteral(", à raison de: ") +
                view.fieldText(HeaderField::RepaymentsPerYear) + QStringLiteral(" par AN."));
  out.writeLine(kLead + QStringLiteral("Taux Effectif Global annoncé: ") +
                view.fieldText(HeaderField::AnnouncedTeg) + QStringLiteral(" %"));
  out.writeLine(kLead);
}

void writeFees(PrinterTextStream& out, const DossierView& view) {
  out.font().setSizePoints(10);
  out.writeLine(kLead + QStringLiteral("***** DETAIL des FRAIS *****"));
  for (std::size_t k = 0; k < kFeeLabels.size(); ++k) {
    out.writeLine(AmountLine(view.fieldText(kFeeLabels[k]), view.fieldText(kFeeAmounts[k]), 15));
  }
  out.writeLine(
      AmountLine(view.text(DossierText::FeeTotalCaption), view.text(DossierText::FeeTotal), 14));
  out.writeLine(kLead);
}

void writeGrid(PrinterTextStream& out, const DossierView& view, int groupCount) {
  out.writeLine(kLead + QStringLiteral("NOMBRE de BLOCS DE SAISIE: ") +
                view.fieldText(HeaderField::BlockCount));
  out.writeLine(kLead);
  out.writeLine(kLead + QStringLiteral("***** DETAIL DES MOUVEMENTS MONETAIRES: valeurs en "
                                       "Unités Monétaires. *****"));
  out.writeLine(kLead + QStringLiteral("  BLOC") + QStringLiteral("     VERSEMENTS") +
                QStringLiteral("        NB VERS.") + QStringLiteral(" ASSURANCE") +
                QStringLiteral("       FRAIS") + QStringLiteral("     CUMUL 2+4+5"));
  for (int row = 1; row <= groupCount; ++row) {
    std::array<QString, kGridColumnCount> cells;
    for (int col = 0; col < kGridColumnCount; ++col) cells[col] = view.cellText(col, row);
    out.writeLine(gridLine(cells));
  }
  out.writeLine(kLead);
}

void writeRates(PrinterTextStream& out, const DossierView& view, DossierText period,
                DossierText proportional, DossierText actuarial) {
  out.writeLine(kLead + QStringLiteral("     de PERIODE = ") + view.text(period));
  out.writeLine(kLead + QStringLiteral("     ANNUEL: PROPORTIONNEL = ") + view.text(proportional) +
                QStringLiteral("   ACTUARIEL = ") + view.text(actuarial));
}

void writeResults(PrinterTextStream& out, const DossierView& view) {
  out.writeLine(kLead + QStringLiteral("***** TAUX NOMINAL ou MOYEN *****"));
  if (view.shown(DossierPanel::NotComputable)) {
    out.writeLine(kLead + QStringLiteral("TAUX NOMINAL NON CALCULABLE..."));
  } else {
    writeRates(out, view, DossierText::NominalPeriod, DossierText::NominalProportional,
               DossierText::NominalActuarial);
  }
  out.writeLine(kLead);
  out.writeLine(kLead + QStringLiteral("***** TAUX EFFECTIF GLOBAL *****"));
  writeRates(out, view, DossierText::TegPeriod, DossierText::TegProportional,
             DossierText::TegActuarial);
  out.writeLine(kLead);
  out.writeLine(kLead + QStringLiteral("***** COUT ASSURANCE: ") +
                view.text(DossierText::InsuranceCost) + kUnit);
  out.writeLine(kLead + QStringLiteral("***** COUT DU PRET  : ") +
                view.text(DossierText::LoanCost) + kUnit);
}

// After the results, the lines of the strip "CONTROLE DE L'OFFRE" while it shows them: with no
// nature, the verdict on each annual TEG as the report has always written it; with one, the
// strip's lines; then the usury ceiling, a refused entry's reason and the insurance's rate.
void writeOfferControl(PrinterTextStream& out, const DossierView& view) {
  if (!view.shown(DossierPanel::Verdict)) return;
  QStringList lines;
  if (loanNatureOf(view.text(DossierText::Nature)) == LoanNature::None) {
    lines = verdictReportLines(judgeShownTeg(view));
  } else {
    lines = offerControlHeading();
    for (DossierText line :
         {DossierText::VerdictLine, DossierText::InformationLine, DossierText::CategoryLine})
      lines << kLead + view.text(line);
  }
  for (DossierText line : {DossierText::UsuryLine, DossierText::OfferRefusal})
    if (!view.text(line).isEmpty()) lines << kLead + view.text(line);
  lines << insuranceRateReportLines(view.text(DossierText::InsuranceProportional),
                                    view.text(DossierText::InsuranceActuarial));
  for (const QString& line : lines) out.writeLine(line);
}

}  // namespace

QString AmountLine(const QString& label, const QString& text, int width) {
  const QString shownLabel = label.left(50);
  const QString shownText = text.left(50);
  const Real value = StrToFloat(shownText);
  return kLead + shownLabel + padding(u'-', 30 - shownLabel.size()) +
         padding(u' ', width - shownText.size()) + FormatFixed(value, 15, 2) + kUnit;
}

QString gridLine(const std::array<QString, 6>& cells) {
  QString line = kLead;
  for (int col = 0; col < kGridColumnCount; ++col)
    line += padding(u' ', kCellWidths[col] - cells[col].size()) + cells[col];
  return line;
}

void writeDossierReport(PrinterTextStream& out, const DossierView& view, int groupCount) {
  writeHeading(out, view);
  writeCharacteristics(out, view);
  writeFees(out, view);
  writeGrid(out, view, groupCount);
  writeResults(out, view);
  writeOfferControl(out, view);
}

}  // namespace kalmoris
