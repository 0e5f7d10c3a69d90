#pragma once

#include "core/toned_line.h"
#include "offer/core/offer_result_texts.h"

#include <QList>
#include <QObject>

#include <array>
#include <optional>

class QWidget;

namespace kalmoris {

class Panel;

// The lower part of the offer's screen: the rates computed (TAEG, period rate and its period,
// proportional rate, TAEA and the one announced), the cost of the credit, and the control of the
// offer in its four coloured lines.
class OfferResultsPart : public QObject {
  Q_OBJECT

 public:
  explicit OfferResultsPart(QWidget* parent);

  void show(const OfferResults& results);
  void clear();

 private:
  void createRates();
  void createCosts();
  void createControl();
  void showLine(Panel* line, const std::optional<TonedLine>& shown);

  // Indexed by OfferResult.
  std::array<Panel*, kOfferResultCount> results_{};
  Panel* lb_verdict;
  Panel* lb_information;
  Panel* lb_categorie;
  Panel* lb_usure;
};

}  // namespace kalmoris
