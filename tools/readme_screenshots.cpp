// Drives the real screens the way a user would and saves what they show, for the README:
// readme_screenshots OUTPUT_FOLDER. Run under a display (scripts/screenshots uses Xvfb).
// The dossier's and the offer's printed reports go into OUTPUT_FOLDER/dossier-report.pdf and
// OUTPUT_FOLDER/offer-report.pdf.
#include "amortization/amortization_screen.h"
#include "app/main_menu.h"
#include "app/screens.h"
#include "calculators/capital_screen.h"
#include "calculators/deposits_screen.h"
#include "calculators/instalment_screen.h"
#include "calculators/nominal_rate_screen.h"
#include "dossier/dossier_screen.h"
#include "offer/offer_screen.h"
#include "ui/qt_platform.h"
#include "ui/string_grid.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

#include <utility>

namespace {

// The real platform, printing into a PDF file of the output folder instead of asking for it,
// and confirming the print dialog without showing it.
class PicturePlatform : public kalmoris::QtPlatform {
 public:
  explicit PicturePlatform(QDir folder) : folder_(std::move(folder)) {
    selectPrinter(pdfOutputName());
  }
  // The PDF file the next report is written to.
  void printInto(const char* name) { pdf_ = folder_.filePath(QString::fromLatin1(name)); }
  QString askSaveFileName(QWidget*, const QString&, const QString&) override { return pdf_; }
  bool runPrintDialog(QWidget*) override { return true; }

 private:
  QDir folder_;
  QString pdf_;
};

class Pictures {
 public:
  explicit Pictures(QDir folder) : folder_(std::move(folder)) {}

  void click(QWidget* screen, const char* name) const {
    if (auto* button = screen->findChild<QAbstractButton*>(QString::fromLatin1(name)))
      button->click();
    else
      qWarning("no button %s on %s", name, qPrintable(screen->objectName()));
    QApplication::processEvents();
  }

  void type(QWidget* screen, const char* field, const char* text) const {
    if (auto* edit = screen->findChild<QLineEdit*>(QString::fromLatin1(field)))
      edit->setText(QString::fromUtf8(text));
    else
      qWarning("no field %s on %s", field, qPrintable(screen->objectName()));
  }

  void choose(QWidget* screen, const char* name, const char* item) const {
    if (auto* box = screen->findChild<QComboBox*>(QString::fromLatin1(name)))
      box->setCurrentText(QString::fromUtf8(item));
    else
      qWarning("no choice %s on %s", name, qPrintable(screen->objectName()));
  }

  // The cells of a grid's first row, from its first column.
  void typeRow(QWidget* screen, const char* grid, std::initializer_list<const char*> cells) const {
    auto* found = screen->findChild<kalmoris::StringGrid*>(QString::fromLatin1(grid));
    if (!found) {
      qWarning("no grid %s on %s", grid, qPrintable(screen->objectName()));
      return;
    }
    int col = 0;
    for (const char* text : cells) found->setCell(col++, 1, QString::fromUtf8(text));
  }

  void save(QWidget* window, const char* name) const {
    QApplication::processEvents();
    window->grab().save(folder_.filePath(QString::fromLatin1(name)));
  }

 private:
  QDir folder_;
};

void pictureMenu(const Pictures& pictures) {
  using kalmoris::Form1;
  pictures.save(Form1, "menu.png");
  pictures.click(Form1, "avertiss1");
  pictures.save(Form1, "menu-warning.png");
  pictures.click(Form1, "VU1");
}

// The first worked example, validated and calculated, and its printed report.
void pictureDossier(const Pictures& pictures, PicturePlatform& platform) {
  using namespace kalmoris;
  pictures.click(Form1, "ouvre_dossier");
  for (const char* step : {"VOIR_EXEMPLES", "BBt_VOIR_EX_1_"}) pictures.click(Form2, step);
  pictures.save(Form2, "dossier-example-notice.png");
  for (const char* step : {"Bt_VOIR_CALCUL_1_", "bt_valider", "BBt_CALCUL"})
    pictures.click(Form2, step);
  pictures.save(Form2, "dossier.png");
  platform.printInto("dossier-report.pdf");
  if (auto* print = Form2->findChild<QAction*>(QStringLiteral("Menu_IMPRESSIONTEXTE1_")))
    print->trigger();
}

// The time-shift helper opened on the second row of the grid, half a month early.
void pictureShiftDialog(const Pictures& pictures) {
  using namespace kalmoris;
  auto* grid = Form2->findChild<QTableView*>(QStringLiteral("StringGrid1"));
  auto* insert = Form2->findChild<QAction*>(QStringLiteral("Insere_decalage"));
  if (!grid || !insert) return;
  grid->setCurrentIndex(grid->model()->index(1, 1));
  insert->trigger();
  auto* dialog = Form2->findChild<QDialog*>(QStringLiteral("DialogueDecalage"));
  if (!dialog) return;
  pictures.type(dialog, "ch_jours", "-15");
  pictures.click(dialog, "mois_30");
  pictures.save(dialog, "dossier-shift.png");
  dialog->reject();
}

// The European Commission's first worked example of a TAEG (200 000 at 6 %, 4 000 of fees,
// 240 monthly instalments of 1 432,86), as a real-estate offer of 15/01/2026 announcing
// 6,4 % with a usury threshold of 5,13 %, in the strip "CONTROLE DE L'OFFRE".
void pictureOfferControl(const Pictures& pictures) {
  using namespace kalmoris;
  pictures.click(Form2, "effac_tout");
  const std::pair<const char*, const char*> header[] = {
      {"ch_nom_emp", "exemple 1 de la Commission"},
      {"ch_capital", "200000"},
      {"ch_nb_remb", "240"},
      {"ch_remb_an", "12"},
      {"ch_fr1_txt", "frais"},
      {"ch_fr1_val", "4000"},
      {"ch_teg_ann", "6,4"}};
  for (const auto& [field, text] : header) pictures.type(Form2, field, text);
  pictures.click(Form2, "bt_valider");
  auto* grid = Form2->findChild<StringGrid*>(QStringLiteral("StringGrid1"));
  auto* nature = Form2->findChild<QComboBox*>(QStringLiteral("ch_nature"));
  if (!grid || !nature) return;
  const char* const rows[2][4] = {{"-200000", "1", "0", "4000"}, {"1432.86", "240", "0", "0"}};
  for (int row = 1; row <= 2; ++row)
    for (int col = 1; col <= 4; ++col)
      grid->setCell(col, row, QString::fromLatin1(rows[row - 1][col - 1]));
  nature->setCurrentText(QStringLiteral("Immobilier"));
  pictures.type(Form2, "ch_date_offre", "15/01/2026");
  pictures.type(Form2, "ch_usure", "5,13");
  pictures.click(Form2, "BBt_CALCUL");
  pictures.save(Form2, "dossier-control.png");
}

void pictureCalculators(const Pictures& pictures) {
  using namespace kalmoris;
  pictures.click(Form1, "calc_taux");
  pictures.click(Form3, "FRANCS");
  pictures.type(Form3, "ch_capital", "100000");
  pictures.type(Form3, "ch_une_ech", "716.43");
  pictures.type(Form3, "ch_ech_an", "12");
  pictures.type(Form3, "ch_tot_ech", "240");
  pictures.click(Form3, "calcul");
  pictures.save(Form3, "nominal-rate.png");

  pictures.click(Form1, "calc_ech");
  pictures.click(Form4, "FRANCS");
  pictures.click(Form4, "tx_prop");
  pictures.type(Form4, "ch_capital", "100000");
  pictures.type(Form4, "ch_le_taux", "6");
  pictures.type(Form4, "ch_ech_an", "12");
  pictures.type(Form4, "ch_tot_ech", "240");
  pictures.click(Form4, "calcul");
  pictures.save(Form4, "instalment.png");

  pictures.click(Form1, "calc_capital");
  pictures.click(Form5, "EUROS");
  pictures.click(Form5, "tx_actu");
  pictures.type(Form5, "ch_une_ech", "716.43");
  pictures.type(Form5, "ch_ech_an", "12");
  pictures.type(Form5, "ch_tot_ech", "240");
  pictures.type(Form5, "ch_le_taux", "6");
  pictures.click(Form5, "calcul");
  pictures.save(Form5, "capital.png");

  pictures.click(Form1, "cumul_vers");
  pictures.type(Form6, "ch_le_vers", "100");
  pictures.type(Form6, "ch_vers_an", "12");
  pictures.type(Form6, "ch_le_taux", "5");
  pictures.type(Form6, "ch_nb_vers", "120");
  pictures.click(Form6, "CALCULER");
  pictures.save(Form6, "deposits.png");
}

void pictureAmortization(const Pictures& pictures) {
  using namespace kalmoris;
  pictures.click(Form1, "tab_amort");
  pictures.click(Form7, "francs");
  pictures.click(Form7, "tx_prop");
  pictures.type(Form7, "ch_capital", "100000");
  pictures.type(Form7, "ch_le_taux", "6");
  pictures.type(Form7, "ch_ech_an", "12");
  pictures.type(Form7, "ch_tot_ech", "240");
  pictures.type(Form7, "ch_mois", "3");
  pictures.type(Form7, "ch_annee", "2002");
  pictures.click(Form7, "AFFICHER");
  pictures.save(Form7, "amortization.png");
  pictures.click(Form7, "IMPRIMER");
  pictures.save(Form7, "amortization-print-panel.png");
  pictures.click(Form7, "Button5");
}

// The Commission's first example given by its terms and calculated by the contract's rule:
// 200 000 drawn and 4 000 of fees on 12/01/2012, 6 % a year, 240 monthly instalments from
// 12/02/2012; then its proof, and its printed report.
void pictureOffer(const Pictures& pictures, PicturePlatform& platform) {
  using namespace kalmoris;
  pictures.click(Form1, "controle_offre");
  pictures.type(Form8, "ch_nom_emp", "Exemple 1 de la Commission");
  pictures.choose(Form8, "ch_nature", "Immobilier");
  pictures.type(Form8, "ch_taeg_annonce", "6,4");
  pictures.type(Form8, "ch_usure", "5,13");
  pictures.typeRow(Form8, "grille_deblocages", {"12/01/2012", "200000"});
  pictures.typeRow(Form8, "grille_frais", {"Frais de dossier", "4000", ""});
  pictures.type(Form8, "ch_premiere_echeance", "12/02/2012");
  pictures.type(Form8, "ch_taux_debiteur", "6");
  pictures.choose(Form8, "ch_echeances", "conditions de l'offre");
  pictures.type(Form8, "ch_nombre_echeances", "240");
  pictures.click(Form8, "BBt_CALCUL");
  pictures.save(Form8, "offer.png");
  pictures.click(Form8, "Bt_PREUVE");
  pictures.save(Form8, "offer-proof.png");
  pictures.click(Form8, "Bt_RETOUR_PREUVE");
  platform.printInto("offer-report.pdf");
  pictures.click(Form8, "IMPRIMER");
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  const Pictures pictures(folder);
  PicturePlatform platform(folder);
  kalmoris::installPlatform(&platform);
  kalmoris::createScreens();
  kalmoris::Form1->show();

  QTimer::singleShot(200, [&] {
    pictureMenu(pictures);
    pictureDossier(pictures, platform);
    pictureShiftDialog(pictures);
    pictureOfferControl(pictures);
    pictureCalculators(pictures);
    pictureAmortization(pictures);
    pictureOffer(pictures, platform);
    QApplication::quit();
  });
  const int status = QApplication::exec();
  kalmoris::destroyScreens();
  return status;
}
