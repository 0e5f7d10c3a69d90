#pragma once

#include <QString>

#include <exception>
#include <string>

namespace kalmoris {

// A failure of a conversion, of the arithmetic or of a file operation. It ends the
// handler that raised it; the handler boundary shows its French message in the error box.
class Failure : public std::exception {
 public:
  explicit Failure(QString message);
  const QString& message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  QString message_;
  std::string utf8_;
};

class ConversionFailure : public Failure {
 public:
  using Failure::Failure;
};

class ArithmeticFailure : public Failure {
 public:
  using Failure::Failure;
};

class FileFailure : public Failure {
 public:
  using Failure::Failure;
};

// No period rate balances the schedule: its present value keeps one sign at every rate.
class NoRateFailure : public Failure {
 public:
  using Failure::Failure;
};

// The messages of the runtime, as the user reads them.
namespace messages {
QString notAnInteger(const QString& text);  // "'%s' n'est pas une valeur entière correcte"
QString notAFloat(const QString& text);     // "'%s' n'est pas une valeur flottante correcte"
inline constexpr const char* kDivisionByZero = "Division flottante par zéro";
inline constexpr const char* kInvalidOperation = "Opération flottante incorrecte";
inline constexpr const char* kOverflow = "Débordement flottant";
inline constexpr const char* kFileNotFound = "Fichier introuvable";
inline constexpr const char* kInvalidFileName = "Nom de fichier incorrect";
inline constexpr const char* kTooManyOpenFiles = "Trop de fichiers ouverts";
inline constexpr const char* kAccessDenied = "Accès au fichier refusé";
inline constexpr const char* kDiskFull = "Disque plein";
inline constexpr const char* kNoRate =
    "Aucun taux ne correspond à cet échéancier : vérifiez que les versements remboursent le "
    "capital.";
QString ioError(int code);  // "Erreur E/S %d"
}  // namespace messages

[[noreturn]] void failNotAnInteger(const QString& text);
[[noreturn]] void failNotAFloat(const QString& text);
[[noreturn]] void failDivisionByZero();
[[noreturn]] void failInvalidOperation();
[[noreturn]] void failOverflow();
[[noreturn]] void failNoRate();

}  // namespace kalmoris
