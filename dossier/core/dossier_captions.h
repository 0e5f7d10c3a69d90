#pragma once

#include <QString>

// The texts the dossier's validation and calculation write on the screen.
namespace kalmoris::captions {

// The validate button, which also shows the validation state.
inline const QString kValidate = QStringLiteral("CLIQUER ICI pour VALIDER");
inline const QString kValidated = QStringLiteral("SAISIE VALIDEE");
inline const QString kNotValidated = QStringLiteral("SAISIE NON VALIDEE");

// What an empty fee label becomes: five spaces, then "néant".
inline const QString kNoFee = QStringLiteral("     néant");
inline const QString kFeeTotal = QStringLiteral("TOTAL des FRAIS");  // Panel5

// The grid's header row.
inline const QString kGridHeaders[6] = {QStringLiteral("1 N° BL"),    QStringLiteral("2 VERSM."),
                                        QStringLiteral("3 Nb Vers."), QStringLiteral("4 ASS."),
                                        QStringLiteral("5 FRAIS"),    QStringLiteral("6 CUMUL")};

// The discrepancy panel's captions, per check.
inline const QString kCapitalAnnounced = QStringLiteral("CAPITAL annoncé :");
inline const QString kGridNegative = QStringLiteral("Dans la GRILLE est ( avec signe - ) :");
inline const QString kCountAnnounced = QStringLiteral("Nombre de REMB. annoncé :");
inline const QString kGridPositiveCount =
    QStringLiteral("Dans la GRILLE est de (versements positifs) :");
inline const QString kFeesAnnounced = QStringLiteral("Frais annoncés: :");
inline const QString kGridFees = QStringLiteral("Dans la GRILLE sont de :");
inline const QString kRepaymentsShort = QStringLiteral("CUMUL des REMB: insuffisant! :");

}  // namespace kalmoris::captions
