// The results of the offer's screen: two boxes side by side, the rates and the cost of the
// credit, and under them the control of the offer.
#include "offer/offer_results_part.h"

#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/panel.h"

#include <QGroupBox>
#include <QLabel>

namespace kalmoris {

namespace {

constexpr int kBoxTop = 370;
constexpr int kBoxHeight = 158;
constexpr int kControlTop = 534;

struct ResultRow {
  OfferResult result;
  const char* name;
  const char* caption;
  const char* description;
};

Panel* resultPanel(QWidget* parent, const char* name, QRect place, const QColor& color) {
  Panel* panel = controls::panel(parent, name, QString(), place, color);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setCaptionAlignment(Qt::AlignRight | Qt::AlignVCenter);
  panel->setCaptionFont(controls::boldFont(9));
  return panel;
}

}  // namespace

OfferResultsPart::OfferResultsPart(QWidget* parent) : QObject(parent) {
  createRates();
  createCosts();
  createControl();
}

void OfferResultsPart::createRates() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  QGroupBox* box = controls::groupBox(parent, "GroupBox_taux", QStringLiteral("TAUX CALCULES"),
                                      QRect(8, kBoxTop, 388, kBoxHeight));
  box->setFont(controls::boldFont(9));
  const QFont captions(QStringLiteral("Arial"), 8);
  const auto row = [&](OfferResult result, const char* name, const char* caption, int k,
                       const char* description, const QColor& color) {
    const int top = 22 + k * 26;
    controls::label(box, (QByteArray("Label_") + name).constData(), QString::fromUtf8(caption),
                    QRect(10, top + 3, 140, 16))
        ->setFont(captions);
    Panel* panel = resultPanel(box, name, QRect(150, top, 130, 22), color);
    controls::describe(panel, QString::fromUtf8(description));
    results_[std::size_t(result)] = panel;
  };
  row(OfferResult::Taeg, "Panel_taeg", "TAEG", 0, "TAEG calculé", colors::Lime);
  row(OfferResult::PeriodRate, "Panel_taux_periode", "TAUX DE PERIODE", 1, "Taux de période",
      colors::Lime);
  row(OfferResult::ProportionalRate, "Panel_taux_proportionnel", "TAUX PROPORTIONNEL", 2,
      "Taux annuel proportionnel", colors::Lime);
  row(OfferResult::Taea, "Panel_taea", "TAEA (assurance)", 3, "TAEA calculé", colors::Lime);
  row(OfferResult::AnnouncedTaea, "Panel_taea_annonce", "TAEA ANNONCE", 4, "TAEA annoncé",
      colors::White);
  Panel* period = resultPanel(box, "Panel_periode", QRect(286, 22 + 26, 94, 22), colors::White);
  period->setCaptionAlignment(Qt::AlignCenter);
  controls::describe(period, QStringLiteral("Période"));
  results_[std::size_t(OfferResult::Period)] = period;
}

void OfferResultsPart::createCosts() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  QGroupBox* box =
      controls::groupBox(parent, "GroupBox_cout", QStringLiteral("COUT TOTAL DU CREDIT (en euros)"),
                         QRect(408, kBoxTop, 384, kBoxHeight));
  box->setFont(controls::boldFont(9));
  const QFont captions(QStringLiteral("Arial"), 8);
  const ResultRow rows[] = {
      {OfferResult::Interest, "Panel_interets", "Intérêts", "Coût : intérêts"},
      {OfferResult::Insurance, "Panel_cout_assurance", "Assurance obligatoire",
       "Coût : assurance obligatoire"},
      {OfferResult::Fees, "Panel_cout_frais", "Frais", "Coût : frais"},
      {OfferResult::TotalCost, "Panel_cout_total", "TOTAL", "Coût total du crédit"},
      {OfferResult::OptionalInsurance, "Panel_assurance_facultative",
       "Assurance facultative (hors coût)", "Assurance facultative, hors coût du crédit"},
  };
  for (int k = 0; k < 5; ++k) {
    const int top = 22 + k * 26;
    QLabel* label =
        controls::label(box, (QByteArray("Label_") + rows[k].name).constData(),
                        QString::fromUtf8(rows[k].caption), QRect(10, top + 3, 200, 16));
    label->setFont(rows[k].result == OfferResult::TotalCost ? controls::boldFont(8) : captions);
    Panel* panel = resultPanel(box, rows[k].name, QRect(214, top, 160, 22), colors::White);
    controls::describe(panel, QString::fromUtf8(rows[k].description));
    results_[std::size_t(rows[k].result)] = panel;
  }
}

void OfferResultsPart::createControl() {
  QWidget* const parent = qobject_cast<QWidget*>(this->parent());
  Panel* frame = controls::panel(parent, "Panel_controle", QString(),
                                 QRect(8, kControlTop, 784, 72), colors::White);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  controls::describe(frame, QStringLiteral("Contrôle de l'offre"));
  const auto line = [&](const char* name, int k) {
    Panel* panel =
        controls::panel(frame, name, QString(), QRect(6, 3 + k * 16, 772, 16), colors::White);
    panel->setBevel(false);
    panel->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setCaptionFont(controls::boldFont(8));
    return panel;
  };
  lb_verdict = line("lb_verdict", 0);
  lb_information = line("lb_information", 1);
  lb_categorie = line("lb_categorie", 2);
  lb_usure = line("lb_usure", 3);
  controls::describe(lb_verdict, QStringLiteral("Verdict sur le taux annoncé"));
  controls::describe(lb_information, QStringLiteral("Pour information"));
  controls::describe(lb_categorie, QStringLiteral("Catégorie de l'usure"));
  controls::describe(lb_usure, QStringLiteral("Seuil de l'usure"));
}

void OfferResultsPart::show(const OfferResults& results) {
  const OfferResultTexts texts = offerResultTexts(results);
  for (std::size_t k = 0; k < kOfferResultCount; ++k) results_[k]->setText(texts[k]);
  showLine(lb_verdict, results.control.verdict);
  showLine(lb_information, results.control.information);
  showLine(lb_categorie, results.control.category);
  showLine(lb_usure, results.control.usury);
}

void OfferResultsPart::showLine(Panel* line, const std::optional<TonedLine>& shown) {
  line->setText(shown ? shown->text : QString());
  line->setCaptionColor(colors::ofTone(shown ? shown->tone : Tone::None));
}

void OfferResultsPart::clear() {
  for (Panel* panel : results_) panel->clear();
  for (Panel* line : {lb_verdict, lb_information, lb_categorie, lb_usure}) line->clear();
}

}  // namespace kalmoris
