#include "ui/panel.h"

#include "ui/colors.h"

#include <QLabel>

namespace kalmoris {

Panel::Panel(QWidget* parent) : QFrame(parent), caption_(new QLabel(this)) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  caption_->setAlignment(Qt::AlignCenter);
  caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
  caption_->lower();
  setColor(colors::ButtonFace);
}

QString Panel::text() const {
  return caption_->text();
}

void Panel::setText(const QString& text) {
  caption_->setText(text);
}

void Panel::setColor(const QColor& color) {
  colors::setBackground(this, color);
}

QColor Panel::color() const {
  return colors::background(this);
}

void Panel::setCaptionColor(const QColor& color) {
  colors::setTextColor(caption_, color);
}

void Panel::setCaptionFont(const QFont& font) {
  caption_->setFont(font);
}

void Panel::setCaptionAlignment(Qt::Alignment alignment) {
  caption_->setAlignment(alignment);
}

void Panel::setBevel(bool raised) {
  setFrameStyle(raised ? (QFrame::Panel | QFrame::Raised) : QFrame::NoFrame);
}

void Panel::showAt(int left, int top) {
  move(left, top);
  show();
  raise();
}

void Panel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  caption_->setGeometry(contentsRect().adjusted(2, 0, -2, 0));
}

}  // namespace kalmoris
