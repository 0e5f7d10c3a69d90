#include "ui/handler.h"

#include "core/errors.h"
#include "ui/platform.h"

#include <exception>
#include <new>

namespace kalmoris {

namespace {
void reportFailure(QWidget* screen, const char* kind, const QString& detail) {
  platform().showError(screen, QString::fromUtf8(kind) + detail);
}
}  // namespace

void reportCurrentException(QWidget* screen) noexcept {
  try {
    try {
      throw;
    } catch (const Failure& failure) {
      platform().showError(screen, failure.message());
    } catch (const std::bad_alloc&) {
      platform().showError(screen, QStringLiteral("Mémoire insuffisante"));
    } catch (const std::exception& error) {
      reportFailure(screen, "Erreur interne : ", QString::fromUtf8(error.what()));
    } catch (...) {
      reportFailure(screen, "Erreur interne", QString());
    }
  } catch (...) {
    // The error box itself failed; the handler still ends here and the program goes on.
  }
}

}  // namespace kalmoris
