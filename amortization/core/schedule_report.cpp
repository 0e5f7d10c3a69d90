#include "amortization/core/schedule_report.h"

#include "core/numbers.h"

namespace kalmoris {

namespace {
// Millimetres from the top margin: a row below this starts a new page.
constexpr int kPageBottom = 250;

const QString kClosingLine = QStringLiteral("    Z.Q. .....1 Euro = 6.55957 Francs.");

QString amountText(Real value) {
  return PadColumn(FormatFixed(value, 10, 2));
}

QString numberText(std::int32_t k) {
  if (k < 10) return QStringLiteral("  ") + QString::number(k);
  if (k < 100) return QStringLiteral(" ") + QString::number(k);
  return QString::number(k);
}

QString reportDateText(const ScheduleDate& date, bool shown) {
  if (!shown) return QStringLiteral(" ****** :");
  const QString lead = date.month < 10 ? QStringLiteral(" 0") : QStringLiteral(" ");
  return lead + QString::number(date.month) + QStringLiteral("/") + QString::number(date.year) +
         QStringLiteral(" :");
}

// One report, laid down the page from the top: y is the line position in millimetres.
class ScheduleReport {
 public:
  ScheduleReport(PlacedPage& page, const ScheduleInputs& inputs, const ReportTexts& texts,
                 MoneyUnit currency)
      : page_(page),
        inputs_(inputs),
        texts_(texts),
        francs_(currency == MoneyUnit::Francs),
        amounts_(AmountsIn(inputs, currency)) {}

  void draw(ReportRange range) {
    drawTitleBlock();
    drawHeaderRow();
    y_ += 4;
    page_.textOut(120, y_, amountText(amounts_.capital));
    y_ += 4;
    const SchedulePass pass = drawRows(range);
    page_.textOut(60, y_, amountText(pass.totalInterest()));
    page_.textOut(90, y_, amountText(pass.totalPrincipal()));
    y_ += 8;
    if (y_ > kPageBottom) startPage();
    page_.textOut(10, y_, kClosingLine);
  }

 private:
  void setFont(int points, bool bold, bool italic) {
    page_.font().setSizePoints(points);
    page_.font().setStyle(bold, italic);
  }

  void drawTitleBlock() {
    y_ = 10;
    page_.font().name = QStringLiteral("Courier New");
    setFont(16, true, false);
    page_.textOut(10, y_,
                  francs_ ? QStringLiteral(" Edition du TABLEAU d'AMORTISSEMENT en FRANCS.")
                          : QStringLiteral(" Edition du TABLEAU d'AMORTISSEMENT en EUROS."));
    y_ += 8;
    setFont(12, false, true);
    page_.textOut(20, y_, QStringLiteral("Au vu des indications suivantes:"));
    y_ += 6;
    setFont(10, false, false);
    const bool actuarial = inputs_.kind == RateKind::Actuarial;
    const QString lines[] = {
        QStringLiteral(":...Montant du CAPITAL  : ") + FormatFixed(amounts_.capital, 10, 2) +
            (francs_ ? QStringLiteral(" Francs.") : QStringLiteral(" Euros.")),
        actuarial ? QStringLiteral(":...TAUX ANNUEL exprimé en TAUX ACTUARIEL.")
                  : QStringLiteral(":...TAUX ANNUEL exprimé en TAUX PROPORTIONNEL."),
        QStringLiteral(":...TAUX du PRET: ") + texts_.annualRate + QStringLiteral(" %."),
        QStringLiteral(":...Nb. Echéances par an: ") + texts_.perYear,
        QStringLiteral(":...Nb. Total Echéances : ") + texts_.total,
    };
    for (const QString& line : lines) {
      page_.textOut(20, y_, line);
      y_ += 4;
    }
    page_.textOut(
        20, y_, QStringLiteral("=>.....Le TAUX de Période est de          : ") + texts_.periodRate);
    page_.font().setSizePoints(8);
    y_ += 4;
    page_.textOut(20, y_,
                  actuarial
                      ? QStringLiteral(" =>.....(Le TAUX ANNUEL PROPORTIONNEL équivalent "
                                       "est de    : ") +
                            texts_.equivalentRate + QStringLiteral(")")
                      : QStringLiteral("=>.....(Le TAUX ANNUEL ACTUARIEL équivalent est de: ") +
                            texts_.equivalentRate + QStringLiteral(")"));
    page_.font().setSizePoints(10);
    y_ += 4;
    page_.textOut(20, y_,
                  QStringLiteral("=>.....Le MONTANT D'UNE ECHEANCE est de: ") +
                      FormatFixed(amounts_.instalment, 10, 2));
    y_ += 8;
    page_.font().setSizePoints(12);
    page_.textOut(20, y_, QStringLiteral("     TABLEAU D'AMORTISSEMENT."));
    y_ += 8;
  }

  void drawHeaderRow() {
    page_.font().setSizePoints(10);
    page_.textOut(0, y_, QStringLiteral("NUM:"));
    page_.textOut(10, y_, QStringLiteral("   Date   :"));
    page_.textOut(30, y_, QStringLiteral("  Echéance  :"));
    page_.textOut(60, y_, QStringLiteral("  Interêts  :"));
    page_.textOut(90, y_, QStringLiteral(" Amortissmnt:"));
    page_.textOut(120, y_, QStringLiteral(" Capital du :"));
  }

  void startPage() {
    page_.newPage();
    y_ = 0;
  }

  SchedulePass drawRows(ReportRange range) {
    const bool datesShown = inputs_.DatesShown();
    const QString instalment = PadColumn(FormatFixed(amounts_.instalment, 8, 2));
    return RunReportPass(inputs_, amounts_, range, [&](const ReportInstalment& row) {
      if (row.written) {
        page_.textOut(0, y_, numberText(row.number));
        page_.textOut(10, y_, reportDateText(row.date, datesShown));
        page_.textOut(30, y_, instalment);
        page_.textOut(60, y_, amountText(row.values.interest));
        page_.textOut(90, y_, amountText(row.values.principal));
        page_.textOut(120, y_, amountText(row.values.remaining));
        y_ += 4;
      }
      if (y_ > kPageBottom) {
        startPage();
        drawHeaderRow();
        y_ += 8;
        if (y_ > kPageBottom) startPage();
      }
    });
  }

  PlacedPage& page_;
  const ScheduleInputs& inputs_;
  const ReportTexts& texts_;
  bool francs_;
  ReportAmounts amounts_;
  int y_ = 0;
};
}  // namespace

QString PadColumn(const QString& text) {
  if (text.size() < 4 || text.size() > 11) return text;
  return text.rightJustified(11, QLatin1Char(' ')) + QStringLiteral(" :");
}

void DrawScheduleReport(PlacedPage& page, const ScheduleInputs& inputs, const ReportTexts& texts,
                        MoneyUnit currency, ReportRange range) {
  ScheduleReport(page, inputs, texts, currency).draw(range);
}

}  // namespace kalmoris
