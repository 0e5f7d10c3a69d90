// The built `kalmoris` run as a process with `--offre`, with no display: what it writes on its
// standard output and error, and its exit status.
#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <string>

namespace {

// Example 1 of the Commission; "paliers" stands for its steps.
const char* const kExampleOne = R"({
  "format": "kalmoris-offre", "version": 1, "nature": "immobilier", "periodicite": 12,
  "deblocages": [{"date": "2012-01-12", "montant": "200000"}],
  "frais": [{"libelle": "Frais de dossier", "montant": "4000.00"}],
  "premiere_echeance": "2012-02-12",
  "paliers": [{"nombre": 240, "montant": "1432.86"}]
})";

struct Outcome {
  int status = -1;
  QString out;
  QString err;
};

class OfferCommand : public kalmoris::testing::ScratchFolder {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    write(path("exemple1.offre"), kExampleOne);
    write(path("sans-paliers.offre"), QByteArray(kExampleOne).replace("\"paliers\"", "\"autres\""));
  }

  // The arguments' "%1" is the folder of the offers.
  Outcome run(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    QStringList filled;
    for (const QString& argument : arguments)
      filled << QString(argument).replace("%1", folder_.path());
    process.start(QStringLiteral(KALMORIS_EXECUTABLE), filled);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }
};

TEST_F(OfferCommand, PrintsTheReport) {
  const Outcome report = run({"--offre", "%1/exemple1.offre"});
  EXPECT_EQ(report.status, 0);
  EXPECT_TRUE(report.out.startsWith("    CONTROLE D'UNE OFFRE DE PRET\n"));
  EXPECT_TRUE(report.out.contains("\n    TAEG (actuariel) : 6,434412 %\n"));
  EXPECT_TRUE(report.err.isEmpty()) << report.err.toStdString();
}

TEST_F(OfferCommand, PrintsOnlyTheJsonWhateverTheOrderOfItsOptions) {
  for (const QStringList& arguments : {QStringList{"--offre", "%1/exemple1.offre", "--json"},
                                       QStringList{"--json", "--offre=%1/exemple1.offre"}}) {
    const Outcome json = run(arguments);
    EXPECT_EQ(json.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(object.value("taeg").toString(), QStringLiteral("6.434412"))
        << json.out.left(200).toStdString();
    EXPECT_TRUE(json.err.isEmpty()) << json.err.toStdString();
  }
}

struct RefusalCase {
  const char* name;
  QStringList arguments;
  const char* err;  // the whole of it, "%1" the folder
};

class OfferCommandRefusals : public OfferCommand,
                             public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(OfferCommandRefusals, ExitWithTwoAndAFrenchMessage) {
  const Outcome refused = run(GetParam().arguments);
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(refused.out.isEmpty());
  EXPECT_EQ(refused.err, QString::fromUtf8(GetParam().err).replace("%1", folder_.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Command, OfferCommandRefusals,
    ::testing::Values(
        RefusalCase{"AMissingFile",
                    {"--offre", "%1/absente.offre", "--json"},
                    "kalmoris : %1/absente.offre : Fichier introuvable\n"},
        RefusalCase{"AFileRefusedNamesItsKey",
                    {"--offre", "%1/sans-paliers.offre"},
                    "kalmoris : %1/sans-paliers.offre : Clé « paliers » : au moins un palier est "
                    "nécessaire, ou les conditions du prêt (« taux_debiteur », "
                    "« nombre_echeances ») d'où les échéances se calculent.\n"},
        RefusalCase{"NoFileAfterTheOption",
                    {"--json", "--offre"},
                    "kalmoris : l'option --offre attend le nom d'un fichier .offre.\nUsage : "
                    "kalmoris --offre FICHIER.offre [--json]\n"},
        RefusalCase{"AnUnknownOption",
                    {"--offre", "%1/exemple1.offre", "--pdf"},
                    "kalmoris : option inconnue « --pdf ».\nUsage : kalmoris --offre "
                    "FICHIER.offre [--json]\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
