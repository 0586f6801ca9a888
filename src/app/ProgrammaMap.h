#pragma once

#include <QString>

// The folder that holds Geldlog.ini and the Data folder with the lists.
//
// The executable's own folder when a Data folder stands beside it (the build, a portable copy),
// and also when the program is not installed, so a portable copy without Data keeps refusing to
// save. An installed program, recognised by its starter files in ../share/geldlog, cannot write
// beside itself: it uses `gebruikersMap` (the user's data folder), where its first start lays out
// Data with the starter files.
QString KiesProgrammaMap(const QString &programmaBestandMap, const QString &gebruikersMap);

// Where an installed program finds its starter files, relative to the executable's folder.
QString StarterMap(const QString &programmaBestandMap);
