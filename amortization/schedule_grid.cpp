#include "amortization/schedule_grid.h"

#include "core/numbers.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QStylePainter>

namespace kalmoris {

namespace {
constexpr int kColumnWidth = 90;
constexpr int kRowHeight = 20;
constexpr int kHeaderHeight = 34;
const Qt::Alignment kHeaderAlignment = Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap);

// Paints the header of the fixed column in the view's corner button, which Qt leaves blank.
class CornerCaption : public QObject {
 public:
  CornerCaption(StringGrid* grid, QAbstractButton* corner) : QObject(corner), grid_(grid) {
    corner->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    auto* corner = static_cast<QAbstractButton*>(watched);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.text = grid_->cell(0, 0);
    option.textAlignment = kHeaderAlignment;
    option.position = QStyleOptionHeader::OnlyOneSection;
    QStylePainter painter(corner);
    painter.drawControl(QStyle::CE_Header, option);
    return true;
  }

 private:
  StringGrid* grid_;
};
}  // namespace

ScheduleCells::ScheduleCells(Side side, QObject* parent)
    : GridCells(kColumns, 1, parent), side_(side) {}

QString ScheduleCells::cell(int col, int row) const {
  if (col < 0 || col >= kColumns || row < 0 || row >= rowCount_) return {};
  if (row == 0) return headers_[col];
  return schedule_ ? scheduleCell(col, row) : QString();
}

QString ScheduleCells::scheduleCell(int col, int row) const {
  const CurrencySchedule& money = side_ == Side::Typed ? schedule_->typed : schedule_->other;
  const int computed = int(money.rows.size());
  if (row == 1) return col == 5 ? FormatFixed(money.capital, 12, 2) : QString();
  const int k = row - 1;
  if (k <= computed) {
    const ScheduleRow& values = money.rows[k - 1];
    switch (col) {
      case 0:
        return QString::number(k);
      case 1:
        return dateCell(k);
      case 2:
        return FormatFixed(money.instalment, 8, 2);
      case 3:
        return FormatFixed(values.interest, 8, 2);
      case 4:
        return FormatFixed(values.principal, 8, 2);
      default:
        return FormatFixed(values.remaining, 12, 2);
    }
  }
  if (k != computed + 1) return {};
  // The instalment that failed shows its date and its amount.
  if (int(schedule_->dates.size()) > computed) {
    if (col == 1) return dateCell(k);
    if (col == 2) return FormatFixed(money.instalment, 8, 2);
  }
  // The sums stand below the last instalment computed.
  if (computed > 0 && col == 3) return FormatFixed(money.totalInterest, 8, 2);
  if (computed > 0 && col == 4) return FormatFixed(money.totalPrincipal, 8, 2);
  return {};
}

QString ScheduleCells::dateCell(int k) const {
  return DateColumnText(schedule_->dates[k - 1], schedule_->datesShown);
}

QVariant ScheduleCells::data(const QModelIndex& index, int role) const {
  if (role == Qt::TextAlignmentRole && index.isValid() && index.column() + fixedCols() >= 2)
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return GridCells::data(index, role);
}

void ScheduleCells::setHeader(int col, const QString& text) {
  if (col < 0 || col >= kColumns || headers_[col] == text) return;
  headers_[col] = text;
  cellChanged(col, 0);
}

void ScheduleCells::show(std::shared_ptr<const DatedSchedule> schedule) {
  beginResetModel();
  rowCount_ = schedule->total + 3;
  schedule_ = std::move(schedule);
  endResetModel();
}

void ScheduleCells::clearBelowHeader() {
  if (!schedule_) return;
  schedule_.reset();
  emit dataChanged(index(0, 0), index(rowCount_ - 2, kColumns - 2));
  emit headerDataChanged(Qt::Vertical, 0, rowCount_ - 2);
}

StringGrid* makeScheduleGrid(QWidget* parent, const char* name, QRect place, ScheduleCells* cells) {
  auto* grid = new StringGrid(parent, name, place, cells);
  grid->setDefaultColumnWidth(kColumnWidth);
  grid->setDefaultRowHeight(kRowHeight);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The headers take two lines to fit the 90-wide columns.
  grid->horizontalHeader()->setDefaultAlignment(kHeaderAlignment);
  grid->horizontalHeader()->setFixedHeight(kHeaderHeight);
  if (auto* corner = grid->findChild<QAbstractButton*>()) new CornerCaption(grid, corner);
  return grid;
}

}  // namespace kalmoris
