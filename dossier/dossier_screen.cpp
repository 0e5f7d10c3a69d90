#include "dossier/dossier_screen.h"

#include "dossier/core/dossier_captions.h"
#include "dossier/screen_view.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/enter_chain.h"
#include "ui/handler.h"
#include "ui/panel.h"
#include "ui/string_grid.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalmoris {

TForm2* Form2 = nullptr;

namespace {
const QString kCaption = QStringLiteral("-2- VERIFICATION DE TAUX EFFECTIF GLOBAL.");
constexpr int kBarThin = 1;
constexpr int kBarThick = 5;
}  // namespace

TForm2::TForm2() : Screen("Form2", kCaption, QSize(740, 570)) {
  createMenus();
  createClientArea();
  createHeader();
  createGrid();
  createResults();
  createGridPanels();
  createDiscrepancyPanel();
  createHelpPanels();
  createExamplesMenu();
  createNotices();
  view_ = std::make_unique<ScreenView>(*this);
  createConnections();
  createExampleConnections();
  createEnterChain();
  FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate() {
  resize(740, 570);
  OUVRE_DOSSIER->setGeometry(25, 0, 740, OUVRE_DOSSIER->height());
  Panel43->move(0, 214);
  Panel90->showAt(456, 227);
  for (int col = 0; col < kGridColumnCount; ++col)
    StringGrid1->setCell(col, 0, captions::kGridHeaders[col]);
}

void TForm2::createMenus() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  MainMenu1->setNativeMenuBar(false);
  auto item = [](QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
  };
  QMenu* file = MainMenu1->addMenu(QStringLiteral("FICHIER"));
  Men_OUVRIR1_ = item(file, "Men_OUVRIR1_", "OUVRIR ");
  ENREGISTRER1 = item(file, "ENREGISTRER1", "ENREGISTRER");
  Men_ENREGISTRERSOUS1_ = item(file, "Men_ENREGISTRERSOUS1_", "ENREGISTRER SOUS");
  file->addSeparator();
  QUITTER1 = item(file, "QUITTER1", "QUITTER");
  QMenu* print = MainMenu1->addMenu(QStringLiteral("IMPRIMER"));
  Menu_IMPRESSIONTEXTE1_ = item(print, "Menu_IMPRESSIONTEXTE1_", "IMPRESSION TEXTE");
  Men_CONFIGURATIONIMPRI1_ = item(print, "Men_CONFIGURATIONIMPRI1_", "CONFIGURATION IMPRI");
  Men_RETOUR_MENU1_ = MainMenu1->addAction(QStringLiteral("RETOUR MENU"));
  Men_RETOUR_MENU1_->setObjectName(QStringLiteral("Men_RETOUR_MENU1_"));
}

// Positions on the screen are taken from the top of its client area, under the menu bar.
void TForm2::createClientArea() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  ClientArea = new QWidget(this);
  ClientArea->setObjectName(QStringLiteral("ClientArea"));
  layout->addWidget(ClientArea);
  OUVRE_DOSSIER = controls::panel(ClientArea, "OUVRE_DOSSIER", QString(), QRect(25, 0, 740, 546),
                                  colors::Light3D);
  OUVRE_DOSSIER->setBevel(false);
}

void TForm2::createConnections() {
  onTriggered(Men_OUVRIR1_, this, &TForm2::Men_OUVRIR1_Click);
  onTriggered(ENREGISTRER1, this, &TForm2::ENREGISTRER1Click);
  onTriggered(Men_ENREGISTRERSOUS1_, this, &TForm2::Men_ENREGISTRERSOUS1_Click);
  onTriggered(QUITTER1, this, &TForm2::QUITTER1Click);
  onTriggered(Menu_IMPRESSIONTEXTE1_, this, &TForm2::Menu_IMPRESSIONTEXTE1_Click);
  onTriggered(Men_CONFIGURATIONIMPRI1_, this, &TForm2::Men_CONFIGURATIONIMPRI1_Click);
  onTriggered(Men_RETOUR_MENU1_, this, &TForm2::Men_RETOUR_MENU1_Click);

  onChange(ch_capital, this, &TForm2::ch_capitalChange);
  onChange(ch_nb_remb, this, &TForm2::ch_nb_rembChange);
  onChange(ch_remb_an, this, &TForm2::ch_remb_anChange);
  onChange(ch_grpv, this, &TForm2::ch_grpvChange);
  onClick(bt_valider, this, &TForm2::bt_validerClick);
  onClick(effac_tout, this, &TForm2::effac_toutClick);
  onClick(BBt_CALCUL, this, &TForm2::BBt_CALCULClick);
  onClick(Bt_ICI_, this, &TForm2::BBt_CALCULClick);
  onClick(Pan_EFF_DISCOR_, this, &TForm2::BBt_CALCULClick);
  connect(StringGrid1, &StringGrid::cellClicked, this,
          [this] { runHandler(this, [this] { StringGrid1Click(); }); });

  onClick(Panel20, this, &TForm2::Panel16Click);
  onClick(Pan_AIDE_FRAIS_, this, &TForm2::Pan_AIDE_FRAIS_Click);
  onClick(Pan_AIDE_VALIDER_, this, &TForm2::Pan_AIDE_VALIDER_Click);
  onClick(Pan_AIDE_EFF_DONN_, this, &TForm2::Pan_AIDE_EFF_DONN_Click);
}

// Enter moves to the next header field; from the last fee, to the validate button.
void TForm2::createEnterChain() {
  linkEnterChain(this,
                 {ch_nom_emp, ch_capital, ch_nb_remb, ch_remb_an, ch_grpv, ch_fr1_txt, ch_fr1_val,
                  ch_fr2_txt, ch_fr2_val, ch_fr3_txt, ch_fr3_val},
                 [this] { bt_valider->setFocus(Qt::TabFocusReason); });
}

void TForm2::showWaitingLook() {
  Panel10->resize(Panel10->width(), kBarThin);
  Panel11->resize(Panel11->width(), kBarThick);
}

void TForm2::showValidatedLook() {
  Panel10->resize(Panel10->width(), kBarThick);
  Panel11->resize(Panel11->width(), kBarThin);
}

void TForm2::setCalculationEnabled(bool enabled) {
  BBt_CALCUL->setEnabled(enabled);
  Bt_ICI_->setEnabled(enabled);
  Pan_EFF_DISCOR_->setEnabled(enabled);
}

void TForm2::headerChanged() {
  showWaitingLook();
  bt_valider->setText(captions::kValidate);
  setCalculationEnabled(false);
  Panel90->showAt(456, 227);
}

void TForm2::ch_capitalChange() {
  headerChanged();
}
void TForm2::ch_nb_rembChange() {
  headerChanged();
}
void TForm2::ch_remb_anChange() {
  headerChanged();
}
void TForm2::ch_grpvChange() {
  headerChanged();
}

QLineEdit* TForm2::field(HeaderField which) const {
  return headerFields_[static_cast<std::size_t>(which)];
}

Panel* TForm2::ratePanel(RatePanel which) const {
  const std::array<Panel*, kRatePanelCount> panels = {Panel1,  Panel83, Panel37,
                                                      Panel39, Panel82, Panel84};
  return panels[static_cast<std::size_t>(which)];
}

void TForm2::Men_RETOUR_MENU1_Click() {
  showMenu();
}

void TForm2::QUITTER1Click() {
  quitApplication();
}

}  // namespace kalmoris
