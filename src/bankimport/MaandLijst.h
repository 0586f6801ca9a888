#pragma once

#include <QDate>

struct Bankafschrift;

// The month most of the statement's transactions were booked in, which the bank window offers to
// add them to; of two with as many, the later one. Invalid without transactions.
QDate MeesteMaand(const Bankafschrift &afschrift);
