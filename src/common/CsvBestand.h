#pragma once

#include <QString>

class Programma;

// Where a CSV file may be written. Written over a list, the fixed costs or the settings it would
// take a month or more with it, wherever that file lies; in Data it would stand among the lists.
// Both the name given and the file a symbolic link leads to are looked at, and a link, "..",
// another spelling of the same folder or a folder still to be made lead no way around it.
// Empty where it may, else why not, in Dutch.
QString CsvWeigering(const Programma &programma, const QString &bestand);
