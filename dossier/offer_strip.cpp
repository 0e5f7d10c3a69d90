// The strip "CONTROLE DE L'OFFRE" under the dossier: its entries and its lines.
#include "dossier/offer_strip.h"

#include "core/counting_rate.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/enter_chain.h"
#include "ui/panel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmoris {

namespace {

constexpr int kRowHeight = 22;
constexpr int kLineHeight = 16;
constexpr int kLinesTop = 28;

// Enter in the drop-down moves the focus on, as it does in the fields after it.
class EnterMovesOn : public QObject {
 public:
  EnterMovesOn(QWidget* from, QWidget* next) : QObject(from), next_(next) {
    from->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        next_->setFocus(Qt::TabFocusReason);
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* next_;
};

QLabel* caption(QWidget* parent, const char* name, const char* text, QRect place) {
  QLabel* label = controls::label(parent, name, QString::fromUtf8(text), place);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

}  // namespace

// Under the dossier's main panel, below the part of the screen the dossier has always used.
OfferStrip::OfferStrip(QWidget* parent) : QObject(parent) {
  Panel* strip = controls::panel(parent, "Panel_controle_offre", QString(),
                                 QRect(25, 546, 740, 116), colors::Light3D);
  strip->setFrameStyle(QFrame::Panel | QFrame::Raised);
  controls::describe(strip, QStringLiteral("CONTROLE DE L'OFFRE"));
  createEntries(strip);
  createLines(strip);
  createConnections();
}

void OfferStrip::createEntries(QWidget* strip) {
  controls::label(strip, "Titre_controle_offre", QStringLiteral("CONTROLE DE L'OFFRE"),
                  QRect(8, 3, 150, kRowHeight))
      ->setFont(controls::boldFont(9));
  caption(strip, "Label_nature", "Nature :", QRect(158, 3, 56, kRowHeight));
  ch_nature = new QComboBox(strip);
  ch_nature->setObjectName(QStringLiteral("ch_nature"));
  ch_nature->setGeometry(218, 3, 110, kRowHeight);
  ch_nature->addItems(loanNatureItems());
  caption(strip, "Label_date_offre", "Date de l'offre :", QRect(334, 3, 100, kRowHeight));
  ch_date_offre = controls::edit(strip, "ch_date_offre", QRect(438, 3, 84, kRowHeight));
  ch_date_offre->setPlaceholderText(QStringLiteral("jj/mm/aaaa"));
  caption(strip, "Label_usure", "Seuil de l'usure :", QRect(528, 3, 110, kRowHeight));
  ch_usure = controls::edit(strip, "ch_usure", QRect(642, 3, 60, kRowHeight));
  controls::label(strip, "Label_usure_pourcent", QStringLiteral(" %"),
                  QRect(704, 3, 24, kRowHeight));
  controls::describe(ch_nature, QStringLiteral("Nature du prêt"));
  controls::describe(ch_date_offre, QStringLiteral("Date de l'offre"));
  controls::describe(ch_usure, QStringLiteral("Seuil de l'usure annoncé, en %"));
}

// The lines stand in one panel, which the calculation shows and a change of the entries hides.
void OfferStrip::createLines(QWidget* strip) {
  Panel_verdict = new QWidget(strip);
  Panel_verdict->setObjectName(QStringLiteral("Panel_verdict"));
  Panel_verdict->setGeometry(0, kLinesTop, 740, 5 * kLineHeight);
  const char* const names[] = {"lb_verdict", "lb_information", "lb_categorie", "lb_usure",
                               "lb_refus"};
  // The screen's normal size; the family named, so that the longest line is known to fit.
  const QFont font(QStringLiteral("Arial"), 9);
  for (int k = 0; k < 5; ++k)
    controls::label(Panel_verdict, names[k], QString(), QRect(8, k * kLineHeight, 724, kLineHeight))
        ->setFont(font);
  colors::setTextColor(Panel_verdict->findChild<QLabel*>(QStringLiteral("lb_refus")), colors::Red);
  Panel_verdict->hide();
}

void OfferStrip::createConnections() {
  connect(ch_nature, &QComboBox::currentIndexChanged, this, &OfferStrip::hideLines);
  connect(ch_nature, &QComboBox::activated, this, &OfferStrip::edited);
  for (QLineEdit* entry : {ch_date_offre, ch_usure}) {
    connect(entry, &QLineEdit::textChanged, this, &OfferStrip::hideLines);
    connect(entry, &QLineEdit::textEdited, this, &OfferStrip::edited);
  }
}

void OfferStrip::linkKeys(QWidget* before, QPushButton* calculate) {
  QWidget::setTabOrder(before, ch_nature);
  QWidget::setTabOrder(ch_nature, ch_date_offre);
  QWidget::setTabOrder(ch_date_offre, ch_usure);
  new EnterMovesOn(ch_nature, ch_date_offre);
  linkEnterChain(calculate->window(), {ch_date_offre, ch_usure},
                 [calculate] { calculate->setFocus(Qt::TabFocusReason); });
}

void OfferStrip::hideLines() {
  Panel_verdict->hide();
  for (QLineEdit* entry : {ch_date_offre, ch_usure}) colors::setBackground(entry, colors::White);
}

void OfferStrip::empty() {
  ch_nature->setCurrentIndex(0);
  ch_date_offre->clear();
  ch_usure->clear();
}

}  // namespace kalmoris
