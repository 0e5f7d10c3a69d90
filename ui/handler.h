#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QWidget>

#include <utility>

// Every event handler of a screen runs through runHandler: a failure raised inside it ends
// the handler where it happened (what it wrote before stays) and shows the application's
// error box; no exception ever reaches Qt's event loop.
namespace kalmoris {

void reportCurrentException(QWidget* screen) noexcept;

template <typename Body>
void runHandler(QWidget* screen, Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    reportCurrentException(screen);
  }
}

// The handlers belong to a screen or to a part of one (`owner`); a failure's error box stands
// over the window of the control that raised the event.
template <typename Owner>
void onClick(QAbstractButton* button, Owner* owner, void (Owner::*handler)()) {
  QObject::connect(button, &QAbstractButton::clicked, owner, [button, owner, handler] {
    runHandler(button->window(), [&] { (owner->*handler)(); });
  });
}

template <typename Screen>
void onTriggered(QAction* action, Screen* screen, void (Screen::*handler)()) {
  QObject::connect(action, &QAction::triggered, screen,
                   [screen, handler] { runHandler(screen, [&] { (screen->*handler)(); }); });
}

// Runs on every change of the field's text, typed or written by the program.
template <typename Owner>
void onChange(QLineEdit* field, Owner* owner, void (Owner::*handler)()) {
  QObject::connect(field, &QLineEdit::textChanged, owner, [field, owner, handler] {
    runHandler(field->window(), [&] { (owner->*handler)(); });
  });
}

}  // namespace kalmoris
