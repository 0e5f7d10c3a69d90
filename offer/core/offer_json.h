#pragma once

#include "offer/core/offer.h"
#include "offer/core/offer_results.h"

#include <QByteArray>

// The results of an offer as one JSON object, for other programs (`kalmoris --offre FILE
// --json`). Every value is a string, numbers written with a "." and a fixed count of decimals:
// rates in percent without "%" with 6 (the period rate with 10), amounts in euros with 2, times
// in years with 9, dates "AAAA-MM-JJ". A figure the offer does not state, or that has no value,
// is left out.
//
// Keys: "emprunteur", "nature" ("immobilier", "consommation", "professionnel"), "periodicite"
// (instalments a year), "periode" (the period of the period rate: "mois", "trimestre",
// "semestre", "an"); "taeg", "taux_periode", "taux_proportionnel", "taea" (in points; absent when
// no rate balances the flows with or without the insurance); as stated: "taux_annonce",
// "taea_annonce", "seuil_usure"; "assurance_obligatoire" ("oui" or "non"); the cost of credit:
// "cout_interets", "cout_assurance" (the required premiums), "cout_frais", "cout_total",
// "assurance_facultative" (outside the total); "verdict" (the control's lines, without their
// lead); "paliers_calcules" (the steps generated from the terms: "nombre", "montant",
// "assurance"); "flux", one object per flow in date order: "date", "type" ("deblocage", "frais",
// "echeance"), "numero", "libelle" (a fee's), "montant" (as the TAEG counts it: a drawdown
// negative, an instalment with the required premium), "interets", "capital_rembourse",
// "capital_restant" (when known), "assurance" (an instalment's premium), "temps" ("2 mois + 3 /
// 365"), "annees", "valeur_actualisee"; and "somme_actualisee", the sum of the discounted values.

namespace kalmoris {

// Raises the ArithmeticFailure of a discount beyond the extended range.
QByteArray offerJson(const Offer& offer, const OfferResults& results);

}  // namespace kalmoris
