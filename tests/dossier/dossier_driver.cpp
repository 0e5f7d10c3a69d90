#include "tests/dossier/dossier_driver.h"

#include "ui/colors.h"
#include "ui/string_grid.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace kalmoris::testing {

DossierDriver::DossierDriver()
    : platform_(std::make_unique<ScriptedPlatform>()),
      guard_(std::make_unique<ModalGuard>(*platform_)) {
  installPlatform(platform_.get());
  screen_ = std::make_unique<TForm2>();
  screen_->showAt(1, 1);
  screen_->resize(798, screen_->height());
}

DossierDriver::~DossierDriver() {
  screen_.reset();
  installPlatform(nullptr);
}

QWidget* DossierDriver::control(const char* name) const {
  QWidget* found = screen_->findChild<QWidget*>(QString::fromLatin1(name));
  if (!found) qWarning("no control %s", name);
  return found;
}

QLineEdit* DossierDriver::field(const char* name) const {
  return qobject_cast<QLineEdit*>(control(name));
}
Panel* DossierDriver::panel(const char* name) const {
  return qobject_cast<Panel*>(control(name));
}
QPushButton* DossierDriver::button(const char* name) const {
  return qobject_cast<QPushButton*>(control(name));
}
QLabel* DossierDriver::label(const char* name) const {
  return qobject_cast<QLabel*>(control(name));
}
QAction* DossierDriver::action(const char* name) const {
  return screen_->findChild<QAction*>(QString::fromLatin1(name));
}
StringGrid* DossierDriver::grid() const {
  return screen_->findChild<StringGrid*>("StringGrid1");
}

namespace {
// Key after key; a character beyond ASCII comes as the text of an unnamed key, as an input
// method sends it.
void typeKeys(QWidget* target, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(target, char(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}
}  // namespace

void DossierDriver::type(const char* name, const QString& text) const {
  QLineEdit* edit = field(name);
  edit->selectAll();
  if (text.isEmpty())
    QTest::keyClick(edit, Qt::Key_Delete);
  else
    typeKeys(edit, text);
}

void DossierDriver::typeAll(
    std::initializer_list<std::pair<const char*, const char*>> entries) const {
  for (const auto& [name, text] : entries) type(name, QString::fromUtf8(text));
}

void DossierDriver::pressEnter(const char* name) const {
  QTest::keyClick(field(name), Qt::Key_Return);
}

void DossierDriver::click(const char* name) const {
  QPushButton* target = button(name);
  if (!target || !target->isVisible()) {
    QTest::qFail(qPrintable(QStringLiteral("%1 cannot be clicked").arg(name)), __FILE__, __LINE__);
    return;
  }
  QTest::mouseClick(target, Qt::LeftButton);
}

void DossierDriver::trigger(const char* name) const {
  action(name)->trigger();
}

QString DossierDriver::cell(int col, int row) const {
  return grid()->cell(col, row);
}

void DossierDriver::typeCell(int col, int row, const QString& text) const {
  StringGrid* view = grid();
  const QModelIndex index = view->model()->index(row - 1, col);
  view->setCurrentIndex(index);
  view->edit(index);
  QLineEdit* editor = nullptr;
  for (QLineEdit* open : view->viewport()->findChildren<QLineEdit*>())
    if (open->isVisible()) editor = open;
  if (!editor) {
    QTest::qFail("no cell editor", __FILE__, __LINE__);
    return;
  }
  editor->selectAll();
  if (text.isEmpty())
    QTest::keyClick(editor, Qt::Key_Delete);
  else
    typeKeys(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  // The editor closes and goes at once, as it would before the user's next action: the
  // view's queued closing first, then the deletion it asks for.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void DossierDriver::typeRow(int row, std::initializer_list<const char*> cells) const {
  int col = 1;
  for (const char* text : cells) {
    if (text != nullptr) typeCell(col, row, QString::fromUtf8(text));
    ++col;
  }
}

void DossierDriver::clickCell(int col, int row) const {
  StringGrid* view = grid();
  const QRect place = view->visualRect(view->model()->index(row - 1, col));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
}

QString DossierDriver::text(const char* name) const {
  QWidget* widget = control(name);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* shownPanel = qobject_cast<Panel*>(widget)) return shownPanel->text();
  if (auto* shownLabel = qobject_cast<QLabel*>(widget)) return shownLabel->text();
  if (auto* shownButton = qobject_cast<QPushButton*>(widget)) return shownButton->text();
  return QString();
}

bool DossierDriver::shown(const char* name) const {
  QWidget* widget = control(name);
  return widget && !widget->isHidden();
}

QPoint DossierDriver::place(const char* name) const {
  return control(name)->pos();
}

QColor DossierDriver::background(const char* name) const {
  return colors::background(control(name));
}

void DossierDriver::typeValidatedLoan() const {
  typeAll({{"ch_nom_emp", "g. roravor"},
           {"ch_capital", "200000"},
           {"ch_nb_remb", "180"},
           {"ch_remb_an", "12"},
           {"ch_grpv", "2"},
           {"ch_fr1_txt", "frais notariaux"},
           {"ch_fr1_val", "7116"},
           {"ch_fr2_txt", "frais de dossier"},
           {"ch_fr2_val", "2000"},
           {"ch_teg_ann", "12.13"}});
  click("bt_valider");
  typeRow(1, {"-200000", "1", nullptr, "9116"});
  typeRow(2, {"2304.69", "180", "89"});
}

void DossierDriver::typeFreshLoanHeader() const {
  typeAll({{"ch_capital", "200000"},
           {"ch_nb_remb", "180"},
           {"ch_remb_an", "12"},
           {"ch_grpv", "2"},
           {"ch_fr1_val", "7116"},
           {"ch_fr2_val", "2000"}});
}

namespace {
// The buttons of the third example end in 5.
QByteArray exampleSuffix(int example) {
  return QByteArray::number(example == 3 ? 5 : example) + "_";
}
}  // namespace

void DossierDriver::openExampleNotice(int example) const {
  click("VOIR_EXEMPLES");
  click(("BBt_VOIR_EX_" + exampleSuffix(example)).constData());
}

void DossierDriver::seeExampleCalculation(int example) const {
  click(("Bt_VOIR_CALCUL_" + exampleSuffix(example)).constData());
}

bool DossierDriver::calculationEnabled() const {
  return button("BBt_CALCUL")->isEnabled() && button("Bt_ICI_")->isEnabled();
}

bool DossierDriver::waitingLook() const {
  return panel("Panel10")->height() == 1 && panel("Panel11")->height() == 5;
}

bool DossierDriver::validatedLook() const {
  return panel("Panel10")->height() == 5 && panel("Panel11")->height() == 1;
}

QStringList DossierDriver::problems() const {
  return platform_->unexpected + platform_->errors;
}

}  // namespace kalmoris::testing
