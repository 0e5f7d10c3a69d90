#pragma once

#include <QFrame>
#include <QString>

class QLabel;

namespace kalmoris {

// A panel: a coloured frame with an optional centred caption, which may also carry other
// controls. The program writes results into panels; their caption is readable as text().
class Panel : public QFrame {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)

 public:
  explicit Panel(QWidget* parent = nullptr);

  QString text() const;
  void setText(const QString& text);
  void clear() { setText(QString()); }

  void setColor(const QColor& color);
  QColor color() const;
  void setCaptionColor(const QColor& color);
  void setCaptionFont(const QFont& font);
  void setCaptionAlignment(Qt::Alignment alignment);
  void setBevel(bool raised);

  // Shows the panel at (left, top) of its parent, in front of its siblings.
  void showAt(int left, int top);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLabel* caption_;
};

}  // namespace kalmoris
