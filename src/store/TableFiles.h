#pragma once

#include <QString>
#include <QStringList>

// Writes the ten table files of the program into `dir`. Without
// `missingOnly` an existing file is refused before anything is written;
// with it, existing files are left alone and only the missing ones made.
// `sample` fills a small station database into station tables made now, and
// one stored plan into plan tables made now. `created` lists the new files.
bool WriteTableFiles(const QString& dir, bool sample, bool missingOnly, QStringList& created,
                     QString& error);
