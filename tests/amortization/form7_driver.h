#pragma once

#include "amortization/amortization_screen.h"
#include "ui/colors.h"
#include "ui/panel.h"
#include "ui/string_grid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace kalmoris::testing {

// Drives a fresh amortization screen through its controls, found by their names.
class Form7Driver {
 public:
  Form7Driver() : form_(std::make_unique<TForm7>()) {}

  TForm7* form() const { return form_.get(); }

  template <typename T = QWidget>
  T* find(const QString& name) const {
    T* found = form_->findChild<T*>(name);
    if (!found) qFatal("no control %s", qPrintable(name));
    return found;
  }
  QLineEdit* field(const QString& name) const { return find<QLineEdit>(name); }
  Panel* panel(const QString& name) const { return find<Panel>(name); }
  QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
  StringGrid* grid(int number) const {
    return find<StringGrid>(QStringLiteral("StringGrid%1").arg(number));
  }
  QString text(const QString& panelName) const { return panel(panelName)->text(); }
  QString cell(int gridNumber, int col, int row) const { return grid(gridNumber)->cell(col, row); }

  void click(const QString& name) const {
    QPushButton* target = button(name);
    QVERIFY2(target->isEnabled(), qPrintable(name + " is disabled"));
    target->click();
  }

  // The choices, then the six entries as typed.
  void choose(const QString& currency = QStringLiteral("francs"),
              const QString& kind = QStringLiteral("tx_prop")) const {
    click(currency);
    click(kind);
  }
  void fill(const QString& capital, const QString& rate, const QString& perYear,
            const QString& total, const QString& month, const QString& year) const {
    field(QStringLiteral("ch_capital"))->setText(capital);
    field(QStringLiteral("ch_le_taux"))->setText(rate);
    field(QStringLiteral("ch_ech_an"))->setText(perYear);
    field(QStringLiteral("ch_tot_ech"))->setText(total);
    field(QStringLiteral("ch_mois"))->setText(month);
    field(QStringLiteral("ch_annee"))->setText(year);
  }
  // 100000 Francs at 6 %, 12 a year, 240 instalments from March 2002, displayed.
  void displayFrancsLoan(const QString& kind = QStringLiteral("tx_prop")) const {
    choose(QStringLiteral("francs"), kind);
    fill(QStringLiteral("100000"), QStringLiteral("6"), QStringLiteral("12"), QStringLiteral("240"),
         QStringLiteral("3"), QStringLiteral("2002"));
    click(QStringLiteral("AFFICHER"));
  }
  void openPrintPanel() const { click(QStringLiteral("IMPRIMER")); }

  bool gridsEmpty() const {
    for (int number : {1, 2})
      for (int row = 1; row < grid(number)->rowCount(); ++row)
        for (int col = 0; col < 6; ++col)
          if (!cell(number, col, row).isEmpty()) return false;
    return true;
  }

 private:
  std::unique_ptr<TForm7> form_;
};

}  // namespace kalmoris::testing
