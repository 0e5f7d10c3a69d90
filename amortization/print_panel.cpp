#include "amortization/print_panel.h"

#include "amortization/core/schedule_csv.h"
#include "core/file_save.h"
#include "core/numbers.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/handler.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/report_printing.h"
#include "ui/save_file_name.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace kalmoris {

namespace {
constexpr QPoint kPrintPanelPlace(296, 188);
constexpr QSize kPrintPanelSize(440, 300);
const QString kSpreadsheetEntry = QStringLiteral("Fichier CSV (tableur)");
const QString kSpreadsheetFilter = QStringLiteral("Fichiers CSV (*.csv)");
const QString kSpreadsheetExtension = QStringLiteral(".csv");

QFont underlined(QFont font) {
  font.setUnderline(true);
  return font;
}
}  // namespace

SchedulePrintPanel::SchedulePrintPanel(QWidget* screen, const ScheduleInputs& inputs,
                                       std::function<ReportTexts()> shownTexts)
    : QObject(screen), inputs_(inputs), shownTexts_(std::move(shownTexts)) {
  createPanel(screen);
  createHelp(screen);
  createConnections();
}

void SchedulePrintPanel::createPanel(QWidget* screen) {
  panel6 = controls::panel(screen, "panel6", QString(), QRect(kPrintPanelPlace, kPrintPanelSize),
                           colors::Lime);
  panel6->setFrameStyle(QFrame::Box | QFrame::Plain);
  controls::describe(panel6, QStringLiteral("Impression du tableau (P6)"));
  Label13 = controls::label(panel6, "Label13", QStringLiteral("SELON VOTRE CHOIX,"),
                            QRect(12, 8, 240, 20));
  Label13->setFont(underlined(controls::boldFont(10)));
  Label14 = controls::label(panel6, "Label14", QStringLiteral("P6"), QRect(404, 8, 30, 16));
  Label18 = controls::label(panel6, "Label18", QStringLiteral("IMPRIMANTE ACTIVE:"),
                            QRect(12, 40, 140, 20));
  PrinterCombo = new QComboBox(panel6);
  PrinterCombo->setObjectName(QStringLiteral("PrinterCombo"));
  PrinterCombo->setGeometry(156, 38, 272, 24);
  Label19 =
      controls::label(panel6, "Label19", QStringLiteral("IMPRESSION du tableau d'AMORTISSEMENT,"),
                      QRect(12, 76, 416, 20));
  ch_ech_dep = controls::edit(panel6, "ch_ech_dep", QRect(166, 104, 80, 22));
  controls::label(panel6, "Label16", QStringLiteral("De l'échéance N°"), QRect(12, 106, 150, 20))
      ->setBuddy(ch_ech_dep);
  ch_Ech_but = controls::edit(panel6, "ch_Ech_but", QRect(166, 132, 80, 22));
  controls::label(panel6, "Label17", QStringLiteral("A l'échéance N°"), QRect(12, 134, 150, 20))
      ->setBuddy(ch_Ech_but);
  Label20 =
      controls::label(panel6, "Label20",
                      QStringLiteral("(Modifier selon besoin les échéances de début et/ou fin.)"),
                      QRect(12, 162, 416, 16));
  QFont small = Label20->font();
  small.setPointSize(8);
  Label20->setFont(small);
  colors::setTextColor(Label20, colors::Red);
  imp_fr = controls::button(panel6, "imp_fr", QStringLiteral("en FRANCS"), QRect(12, 194, 130, 32));
  BitBtn1 = controls::button(panel6, "BitBtn1", QStringLiteral("&Aide"), QRect(155, 194, 130, 32));
  imp_eu = controls::button(panel6, "imp_eu", QStringLiteral("en EUROS"), QRect(298, 194, 130, 32));
  Button5 = controls::button(panel6, "Button5", QStringLiteral("RETOUR"), QRect(155, 254, 130, 32));
  panel6->hide();
}

void SchedulePrintPanel::createHelp(QWidget* screen) {
  const QPoint place = kPrintPanelPlace + QPoint(kPrintPanelSize.width() + 6, 0);
  Panel7 =
      controls::panel(screen, "Panel7", QString(), QRect(place, QSize(250, 300)), colors::Lime);
  controls::describe(Panel7, QStringLiteral("Aide à l'impression (P7)"));
  Label21 =
      controls::label(Panel7, "Label21", QStringLiteral("AIDE IMPRESSION:"), QRect(10, 8, 200, 18));
  Label21->setFont(underlined(Label21->font()));
  Label25 = controls::label(Panel7, "Label25", QStringLiteral("P7"), QRect(214, 8, 30, 16));
  Label22 = controls::note(
      Panel7, "Label22",
      QStringLiteral("Par défaut, le logiciel propose l'impression de la totalité du tableau"),
      QRect(10, 32, 230, 36));
  Label23 = controls::note(Panel7, "Label23",
                           QStringLiteral("En conséquence, les numéros d'échéance mentionnés sont "
                                          "ceux de la première et de la dernière."),
                           QRect(10, 72, 230, 52));
  Label24 =
      controls::note(Panel7, "Label24",
                     QStringLiteral("Si on ne désire qu'une impression partielle du tableau, "
                                    "il suffit de désigner les numéros d'échéance de début et "
                                    "de fin."),
                     QRect(10, 128, 230, 68));
  Label26 = controls::note(Panel7, "Label26",
                           QStringLiteral("Et ensuite dans tous les cas, de cliquer sur FRANCS ou "
                                          "EUROS ."),
                           QRect(10, 200, 230, 36));
  Button1 = controls::button(Panel7, "Button1", QStringLiteral("VU"), QRect(190, 262, 50, 28));
  Panel7->hide();
}

void SchedulePrintPanel::createConnections() {
  connect(PrinterCombo, &QComboBox::currentIndexChanged, this,
          [this] { runHandler(PrinterCombo->window(), [this] { PrinterComboChange(); }); });
  onClick(imp_fr, this, &SchedulePrintPanel::imp_frClick);
  onClick(imp_eu, this, &SchedulePrintPanel::imp_euClick);
  onClick(Button5, this, &SchedulePrintPanel::Button5Click);
  onClick(BitBtn1, this, &SchedulePrintPanel::BitBtn1Click);
  onClick(Button1, this, &SchedulePrintPanel::Button1Click);
}

// The list shows the printers with the application's current one selected, whichever screen
// chose it last, or the spreadsheet file while it is chosen; filling it is not a choice.
void SchedulePrintPanel::fillPrinterList() {
  const QSignalBlocker quiet(PrinterCombo);
  PrinterCombo->clear();
  PrinterCombo->addItems(platform().printerNames());
  PrinterCombo->addItem(kSpreadsheetEntry);
  PrinterCombo->setCurrentIndex(spreadsheetChosen_
                                    ? PrinterCombo->count() - 1
                                    : PrinterCombo->findText(platform().currentPrinterName()));
}

void SchedulePrintPanel::measurePrinter() {
  geometry_ = MeasurePrinter(platform().printableArea());
}

void SchedulePrintPanel::refreshPrinters() {
  fillPrinterList();
  measurePrinter();
}

// Another screen may have changed the printer since: the list and the page follow it.
void SchedulePrintPanel::open(std::int32_t total) {
  refreshPrinters();
  panel6->showAt(kPrintPanelPlace.x(), kPrintPanelPlace.y());
  ch_ech_dep->setText(QStringLiteral("1"));
  ch_Ech_but->setText(QString::number(total));
}

void SchedulePrintPanel::hide() {
  panel6->hide();
  Panel7->hide();
}

void SchedulePrintPanel::hideHelp() {
  Panel7->hide();
}

// The spreadsheet file is no printer: the application's printer and the page stay as they are.
void SchedulePrintPanel::PrinterComboChange() {
  if (PrinterCombo->currentIndex() < 0) return;
  spreadsheetChosen_ = PrinterCombo->currentIndex() == PrinterCombo->count() - 1;
  if (spreadsheetChosen_) return;
  platform().selectPrinter(PrinterCombo->currentText());
  measurePrinter();
}

void SchedulePrintPanel::imp_frClick() {
  writeReport(MoneyUnit::Francs);
}

void SchedulePrintPanel::imp_euClick() {
  writeReport(MoneyUnit::Euros);
}

// A range text the integer conversion refuses stops here: the panel stays open, nothing prints.
void SchedulePrintPanel::writeReport(MoneyUnit currency) {
  const ReportRange range{StrToInt(ch_ech_dep->text()), StrToInt(ch_Ech_but->text())};
  panel6->hide();
  if (spreadsheetChosen_) {
    writeSpreadsheet(currency, range);
    return;
  }
  const ReportTexts texts = shownTexts_();
  printPlacedReport(panel6->window(), geometry_, [&](PlacedPage& page) {
    DrawScheduleReport(page, inputs_, texts, currency, range);
  });
}

// Cancelling the name writes nothing; the file is written whole or not at all.
void SchedulePrintPanel::writeSpreadsheet(MoneyUnit currency, ReportRange range) {
  const QString name =
      askFileNameToWrite(panel6->window(), kSpreadsheetFilter, kSpreadsheetExtension);
  if (name.isEmpty()) return;
  saveFileAtomically(name, ScheduleCsv(inputs_, currency, range));
}

void SchedulePrintPanel::Button5Click() {
  hide();
}

void SchedulePrintPanel::BitBtn1Click() {
  Panel7->showAt(Panel7->x(), Panel7->y());
}

void SchedulePrintPanel::Button1Click() {
  Panel7->hide();
}

}  // namespace kalmoris
