#pragma once

#include "amortization/core/schedule.h"
#include "amortization/core/schedule_report.h"
#include "core/currency.h"
#include "core/placed_page.h"

#include <QObject>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kalmoris {

class Panel;

// The print panel of the amortization screen (P6) and its help (P7): the printer list, the
// range of instalments, and the francs and euros reports of the last display, recomputed
// from its inputs. The screen's texts that the report quotes are read when it prints. The
// list's last entry writes the table into a spreadsheet file instead of printing it.
class SchedulePrintPanel : public QObject {
  Q_OBJECT

 public:
  SchedulePrintPanel(QWidget* screen, const ScheduleInputs& inputs,
                     std::function<ReportTexts()> shownTexts);

  // The printers, with the application's current one selected, and its page measured.
  void refreshPrinters();
  // IMPRIMER: the whole schedule proposed, 1 to N.
  void open(std::int32_t total);
  void hide();  // the panel and its help
  void hideHelp();

  void PrinterComboChange();
  void imp_frClick();
  void imp_euClick();
  void Button5Click();
  void BitBtn1Click();
  void Button1Click();

 private:
  void createPanel(QWidget* screen);
  void createHelp(QWidget* screen);
  void createConnections();
  void fillPrinterList();
  void measurePrinter();
  void writeReport(MoneyUnit currency);
  void writeSpreadsheet(MoneyUnit currency, ReportRange range);

  const ScheduleInputs& inputs_;
  std::function<ReportTexts()> shownTexts_;
  PageGeometry geometry_;
  bool spreadsheetChosen_ = false;  // kept until another entry of the list is chosen

  Panel* panel6;
  QLabel* Label13;
  QLabel* Label14;
  QLabel* Label18;
  QComboBox* PrinterCombo;
  QLabel* Label19;
  QLineEdit* ch_ech_dep;
  QLineEdit* ch_Ech_but;
  QLabel* Label20;
  QPushButton* imp_fr;
  QPushButton* BitBtn1;
  QPushButton* imp_eu;
  QPushButton* Button5;

  Panel* Panel7;
  QLabel* Label21;
  QLabel* Label22;
  QLabel* Label23;
  QLabel* Label24;
  QLabel* Label26;
  QLabel* Label25;
  QPushButton* Button1;
};

}  // namespace kalmoris
