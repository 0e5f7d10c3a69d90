#pragma once

#include <QIODevice>
#include <QStringList>

// `kalmoris --offre FICHIER.offre [--json]`: the check of an offer written to standard output,
// with no window and no display.

namespace kalmoris {

// Whether the command line (the program's name first) asks for the check of an offer rather
// than the screens: one of its arguments is "--offre", "--offre=FICHIER" or "--json".
bool isOfferCommand(const QStringList& arguments);

// Checks the offer the command line names and writes its report, or with "--json" only its JSON
// object, to `out`, the options in any order. Returns the exit status: 0, or 2 after a French
// message on `err`, followed by the usage line for bad options (no file after "--offre", an
// unknown option, one given twice), or naming the file it cannot use (missing, unreadable,
// refused with its key named, or balanced by no rate).
int runOfferCommand(const QStringList& arguments, QIODevice& out, QIODevice& err);

// The same on the process's standard output and error.
int runOfferCommand(const QStringList& arguments);

}  // namespace kalmoris
