#pragma once

#include "tests/dossier/dossier_driver.h"

#include <QObject>
#include <QTest>

#include <memory>

namespace kalmoris::testing {

// The tests of the dossier screen: each test function gets a fresh screen in `d`, and fails
// if a dialog nobody scripted was asked or an error box nobody took was shown.
class DossierScreenTest : public QObject {
  Q_OBJECT

 protected:
  std::unique_ptr<DossierDriver> d;

 protected slots:
  void init() { d = std::make_unique<DossierDriver>(); }
  void cleanup() {
    const QStringList problems = d->problems();
    d.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
  }
};

}  // namespace kalmoris::testing
