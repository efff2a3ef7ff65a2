#pragma once

#include <QString>
#include <QStringList>

class Tdm;

// A station of the station database with `tracks` track rows designated
// "<prefix>1", "<prefix>2", … (just the number without a prefix).
void AddStation(Tdm& dm, const QString& name, const QString& abbrev, int tracks,
                const QString& prefix = QString());
// Stations "B01" … "Bnn" with two tracks each.
void AddStations(Tdm& dm, int count);
// Name and Folge of the chosen stations, in Folge order.
QStringList ChosenByFolge(Tdm& dm);
