// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Errors of a calculation. Each carries the French text the user reads;
// the caller shows it through messageBoite() so every front end agrees.

#include <stdexcept>
#include <string>
#include <utility>

namespace ohmira {

class Erreur : public std::runtime_error {
public:
    explicit Erreur(std::string message)
        : std::runtime_error(message), message_(std::move(message)) {}
    // The whole message with its length: a typed text may hold a NUL, where
    // what() would stop.
    const std::string& message() const noexcept { return message_; }
    // Class name as reported by the batch calculator ("EConvertError", ...).
    virtual const char* nomClasse() const noexcept = 0;

private:
    std::string message_;
};

#define OHMIRA_ERREUR(Nom)                                                   \
    class Nom : public Erreur {                                              \
    public:                                                                  \
        using Erreur::Erreur;                                                \
        const char* nomClasse() const noexcept override { return #Nom; }     \
    }

OHMIRA_ERREUR(EConvertError);     // a field's text is not a number
OHMIRA_ERREUR(EZeroDivide);       // x / 0 with x != 0
OHMIRA_ERREUR(EInvalidOp);        // 0 / 0
OHMIRA_ERREUR(EOverflow);         // a stored value beyond the double range
OHMIRA_ERREUR(ETensionInsuffisante);  // supply not above the LED's voltage
OHMIRA_ERREUR(ENombreNegatif);        // negative LED count
OHMIRA_ERREUR(EValeurIncorrecte);     // a number outside what the calculation accepts

#undef OHMIRA_ERREUR

// Text shown by the error box: a final "." is added when the message's last
// byte sorts after "." (a letter, a digit, any non-ASCII byte), not after a
// blank, ")" or ",".
//   messageBoite("Division par zéro") -> "Division par zéro."
//   messageBoite("fin)")              -> "fin)"
//   messageBoite("")                  -> ""
std::string messageBoite(std::string message);

}  // namespace ohmira
