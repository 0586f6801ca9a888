#pragma once

#include <QString>
#include <QStringView>

#include <initializer_list>

// The bank an account or a BIC belongs to, from the four letters that name it ("INGB" in
// "NL91INGB0001234567" or in "INGBNL2A"); empty when the letters are no Dutch bank Geldlog knows.
QString BankVanBic(QStringView bic);
QString BankVanIban(QStringView iban);

// Whether the text has the form of an IBAN: a country's two letters, two check digits and up to
// thirty letters and digits. Its check digits are not verified.
bool IsIban(QStringView tekst);

// The first of the names found that is not empty; "Bank" when none is.
QString EersteBank(std::initializer_list<QString> namen);
