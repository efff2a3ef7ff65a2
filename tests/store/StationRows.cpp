#include "StationRows.h"

#include "store/Tdm.h"
#include "tablestore/Transaction.h"

using namespace Qt::StringLiterals;

void AddStation(Tdm& dm, const QString& name, const QString& abbrev, int tracks,
                const QString& prefix) {
    Transaction t(dm.DBAll);
    Cursor& b = dm.tBhf;
    b.Insert();
    b.FieldByName(u"Bahnhof"_s).SetString(name);
    b.FieldByName(u"Abk"_s).SetString(abbrev);
    b.FieldByName(u"NumGleise"_s).SetInteger(tracks);
    b.FieldByName(u"Mark"_s).SetBoolean(false);
    b.Post();
    const int id = b.FieldByName(u"LfdNr"_s).AsInteger();
    b.Edit();
    b.FieldByName(u"BhfID"_s).SetInteger(id);
    b.Post();
    for (int i = 1; i <= tracks; ++i) {
        dm.tGleis.Insert();
        dm.tGleis.FieldByName(u"BhfID"_s).SetInteger(id);
        dm.tGleis.FieldByName(u"GlsNum"_s).SetInteger(i);
        dm.tGleis.FieldByName(u"Bez"_s).SetString(prefix + QString::number(i));
        dm.tGleis.Post();
    }
    t.Commit();
}

void AddStations(Tdm& dm, int count) {
    Transaction t(dm.DBAll);
    for (int i = 1; i <= count; ++i)
        AddStation(dm, u"B%1"_s.arg(i, 2, 10, QLatin1Char('0')), u"A%1"_s.arg(i), 2);
    t.Commit();
}

QStringList ChosenByFolge(Tdm& dm) {
    Cursor c(dm.DBAll, u"Bahnhof.DAT"_s);
    c.SetFilter(u"Mark"_s, true);
    c.SetIndexName(u"IDX_FOLGE"_s);
    c.Open();
    QStringList out;
    for (c.First(); !c.Eof(); c.Next())
        out << u"%1=%2"_s.arg(c.FieldByName(u"Bahnhof"_s).AsString())
                   .arg(c.FieldByName(u"Folge"_s).AsInteger());
    return out;
}
