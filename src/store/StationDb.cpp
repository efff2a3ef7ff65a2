#include "store/StationDb.h"

#include "store/TableSchema.h"
#include "store/Tdm.h"
#include "tablestore/FieldValue.h"
#include "tablestore/StoreError.h"
#include "tablestore/Transaction.h"

#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>

using namespace Qt::StringLiterals;

QString TrackCountError(const QString& text, int& tracks) {
    tracks = 0;
    const QString count = text.trimmed();
    if (count.isEmpty())
        return QString();
    static const QRegularExpression whole(u"^[+-]?[0-9]+$"_s);
    if (!whole.match(count).hasMatch())
        return u"'%1' ist keine gültige Gleisanzahl. Bitte eine ganze Zahl eingeben."_s.arg(text);
    // Digits beyond what a number holds are still a whole number, only a huge one.
    bool ok = false;
    const qlonglong value = count.toLongLong(&ok);
    if (count.startsWith(u'-') && (!ok || value < 0))
        return u"Die Gleisanzahl darf nicht negativ sein."_s;
    if (!ok || value > MaxStationTracks)
        return u"Ein Bahnhof kann höchstens %1 Gleise haben."_s.arg(MaxStationTracks);
    tracks = int(value);
    return QString();
}

QString StationInputError(const StationInput& input, int& tracks) {
    tracks = 0;
    if (input.Name.trimmed().isEmpty())
        return u"Bitte eine Bezeichnung für den Bahnhof eingeben."_s;
    return TrackCountError(input.Count, tracks);
}

void PutStationInput(Cursor& tBhf, const StationInput& input) {
    tBhf.FieldByName(u"Bahnhof"_s).SetString(input.Name);
    tBhf.FieldByName(u"Abk"_s).SetString(input.Abbr);
    Field count = tBhf.FieldByName(u"NumGleise"_s);
    int tracks = 0;
    // An empty count stays empty, as the field was left; it counts as none.
    if (input.Count.trimmed().isEmpty() || !TrackCountError(input.Count, tracks).isEmpty())
        count.SetNull();
    else
        count.SetInteger(tracks);
}

StationInput StationInputOfRow(Cursor& tBhf) {
    Field count = tBhf.FieldByName(u"NumGleise"_s);
    return StationInput{tBhf.FieldByName(u"Bahnhof"_s).AsString(),
                        tBhf.FieldByName(u"Abk"_s).AsString(),
                        count.IsNull() ? QString() : QString::number(count.AsInteger())};
}

bool StationNameTaken(Tdm& dm, const QString& name) {
    const FieldDef& def = dm.tBhf.FieldByName(u"Bahnhof"_s).Def();
    // An edited row may keep its own name; a row being inserted has none yet.
    const qint64 own = dm.tBhf.GetState() == Cursor::State::Edit ? dm.tBhf.Bookmark() : -1;
    Statement st =
        dm.DBAll.Prepare(u"SELECT COUNT(*) FROM "_s + dm.DBAll.QualifiedName(BahnhofFile) +
                         u" WHERE \"Bahnhof\" = ? AND rowid <> ?"_s);
    st.BindText(1, CutText(name, def.Size));
    st.BindInt(2, own);
    return st.Step() && st.Int(0) > 0;
}

void AdjustTracks(Tdm& dm, bool newStation) {
    Cursor& tGleis = dm.tGleis;
    const int n = std::max(0, dm.tBhf.FieldByName(u"NumGleise"_s).AsInteger());
    const int id = dm.tBhf.FieldByName(u"BhfID"_s).AsInteger();
    auto add = [&](int k) {
        tGleis.Insert();
        tGleis.FieldByName(u"GlsNum"_s).SetInteger(k);
        tGleis.FieldByName(u"BhfID"_s).SetInteger(id);
        tGleis.FieldByName(u"Bez"_s).SetString(QString::number(k));
        tGleis.Post();
    };
    if (newStation) {
        for (int k = 1; k <= n; ++k)
            add(k);
        return;
    }
    const int m = tGleis.RecordCount();
    if (m < n) {
        tGleis.Last();
        for (int k = m + 1; k <= n; ++k)
            add(k);
    } else if (n < m) {
        // The view is in track order, so the last row is the highest number.
        tGleis.Last();
        for (int i = 0; i < m - n && !tGleis.IsEmpty(); ++i)
            tGleis.Delete();
    }
}

namespace {

bool IsKeyError(const StoreError& e) {
    return e.Text() == StoreErrorText(SQLITE_CONSTRAINT);
}

StationPostResult Duplicate() {
    return StationPostResult{false, true, u"Ein Bahnhof mit diesem Namen existiert bereits !"_s};
}

template <typename Steps> StationPostResult PostStation(Tdm& dm, Steps steps) {
    if (StationNameTaken(dm, dm.tBhf.FieldByName(u"Bahnhof"_s).AsString())) {
        dm.tBhf.Cancel();
        return Duplicate();
    }
    try {
        // The station and its tracks go in together; a rollback also drops
        // the pending row, so nothing half-typed stays behind.
        Transaction t(dm.DBAll);
        steps();
        t.Commit();
    } catch (const StoreError& e) {
        dm.tBhf.Cancel();
        if (IsKeyError(e))
            return Duplicate();
        return StationPostResult{false, false, e.Text()};
    }
    return StationPostResult{};
}

} // namespace

StationPostResult PostNewStation(Tdm& dm) {
    return PostStation(dm, [&dm] {
        Cursor& tBhf = dm.tBhf;
        tBhf.FieldByName(u"Mark"_s).SetBoolean(false);
        tBhf.Post();
        tBhf.Edit();
        tBhf.FieldByName(u"BhfID"_s).SetInteger(tBhf.FieldByName(u"LfdNr"_s).AsInteger());
        tBhf.Post();
        AdjustTracks(dm, true);
    });
}

StationPostResult PostEditedStation(Tdm& dm) {
    return PostStation(dm, [&dm] {
        dm.tBhf.Post();
        AdjustTracks(dm, false);
    });
}

QString DeleteStation(Tdm& dm) {
    if (dm.tBhf.IsEmpty())
        return QString();
    try {
        Transaction t(dm.DBAll);
        dm.tGleis.DeleteAll();
        dm.tBhf.Delete();
        t.Commit();
    } catch (const StoreError& e) {
        return e.Text();
    }
    return QString();
}
