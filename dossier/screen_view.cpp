#include "dossier/screen_view.h"

#include "dossier/dossier_grid.h"
#include "dossier/dossier_header.h"
#include "ui/colors.h"
#include "ui/string_grid.h"

#include <QVariant>
#include <QWidget>

namespace kalmoris {

namespace {

// A text's control and the property that holds the text.
struct TextControl {
  const char* name = nullptr;
  const char* property = "text";
};

// One row per DossierText, in its order.
constexpr TextControl kTextControls[kDossierTextCount] = {
    {"ch_nom_emp"},      {"ch_capital"},      {"ch_nb_remb"},
    {"ch_remb_an"},      {"ch_teg_ann"},      {"ch_fr1_txt"},
    {"ch_fr2_txt"},      {"ch_fr3_txt"},      {"ch_fr1_val"},
    {"ch_fr2_val"},      {"ch_fr3_val"},      {"ch_grpv"},
    {"Panel5"},          {"Panel8"},          {"bt_valider"},
    {"Panel1"},          {"Panel83"},         {"Panel37"},
    {"Panel39"},         {"Panel82"},         {"Panel84"},
    {"Panel125"},        {"Panel127"},        {"Label134"},
    {"Panel163"},        {"Label136"},        {"Panel164"},
    {"Panel_taea_prop"}, {"Panel_taea_actu"}, {"ch_nature", "currentText"},
    {"ch_date_offre"},   {"ch_usure"},        {"lb_refus"},
    {"lb_verdict"},      {"lb_information"},  {"lb_categorie"},
    {"lb_usure"},
};

// A row per value: a table shorter than its enum fails here.
template <typename Row, std::size_t count>
constexpr bool everyRowNamed(const Row (&rows)[count]) {
  for (const Row& row : rows)
    if (row.name == nullptr) return false;
  return true;
}
static_assert(everyRowNamed(kTextControls));

// How a panel comes into view: as it stands, in front of the panels beside it where it stands,
// or in front of them at its place.
enum class Showing { AsItStands, InFront, At };

struct PanelControl {
  const char* name = nullptr;
  Showing showing = Showing::AsItStands;
  int left = 0;
  int top = 0;
};

// One row per DossierPanel, in its order.
constexpr PanelControl kPanelControls[kDossierPanelCount] = {
    {"Panel43", Showing::At, 20, 220},      {"Panel92", Showing::InFront},
    {"Panel42", Showing::AsItStands},       {"Panel27", Showing::AsItStands},
    {"Panel90", Showing::At, 456, 227},     {"Panel123", Showing::At, 456, 250},
    {"Panel216", Showing::At, 468, 274},    {"Panel161", Showing::At, 432, 221},
    {"Panel_verdict", Showing::AsItStands},
};
static_assert(everyRowNamed(kPanelControls));

template <typename T = QWidget>
T* controlNamed(const QWidget& screen, const char* name) {
  T* found = screen.findChild<T*>(QString::fromLatin1(name));
  if (!found) qFatal("The dossier screen has no control %s", name);
  return found;
}

}  // namespace

void TForm2::ScreenView::bind() {
  for (std::size_t k = 0; k < texts_.size(); ++k)
    texts_[k] = controlNamed(screen_, kTextControls[k].name);
  for (std::size_t k = 0; k < panels_.size(); ++k)
    panels_[k] = controlNamed(screen_, kPanelControls[k].name);
  grid_ = controlNamed<StringGrid>(screen_, "StringGrid1");
}

QWidget* TForm2::ScreenView::control(DossierText which) const {
  return texts_[static_cast<std::size_t>(which)];
}

QWidget* TForm2::ScreenView::control(DossierPanel panel) const {
  return panels_[static_cast<std::size_t>(panel)];
}

QString TForm2::ScreenView::text(DossierText which) const {
  return control(which)
      ->property(kTextControls[static_cast<std::size_t>(which)].property)
      .toString();
}

void TForm2::ScreenView::writeText(DossierText which, const QString& text) {
  control(which)->setProperty(kTextControls[static_cast<std::size_t>(which)].property, text);
}

void TForm2::ScreenView::setTone(DossierText which, Tone tone) {
  colors::setTextColor(control(which), colors::ofTone(tone));
}

void TForm2::ScreenView::markText(DossierText which, bool failed) {
  colors::setBackground(control(which), failed ? colors::Red : colors::White);
}

bool TForm2::ScreenView::shown(DossierPanel panel) const {
  return !control(panel)->isHidden();
}

void TForm2::ScreenView::setShown(DossierPanel panel, bool shown) {
  QWidget* const widget = control(panel);
  if (!shown) {
    widget->hide();
    return;
  }
  const PanelControl& row = kPanelControls[static_cast<std::size_t>(panel)];
  if (row.showing == Showing::At) widget->move(row.left, row.top);
  widget->show();
  if (row.showing != Showing::AsItStands) widget->raise();
}

QString TForm2::ScreenView::cellText(int col, int row) const {
  return grid_->cell(col, row);
}

void TForm2::ScreenView::writeCell(int col, int row, const QString& text) {
  grid_->setCell(col, row, text);
}

void TForm2::ScreenView::setGridRowCount(int rows) {
  grid_->setRowCount(rows);
}

void TForm2::ScreenView::placeWarning(bool tall) {
  QWidget* const warning = control(DossierPanel::Warning);
  warning->setGeometry(2, 216, 730, tall ? 200 : warning->height());
  warning->show();
  warning->raise();
}

void TForm2::ScreenView::enableValidate() {
  control(DossierText::ValidateCaption)->setEnabled(true);
}

void TForm2::ScreenView::finishValidation() {
  screen_.grid_->setCalculationEnabled(true);
  screen_.header_->finishValidation();
}

}  // namespace kalmoris
