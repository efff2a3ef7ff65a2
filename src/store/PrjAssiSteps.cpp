#include "store/PrjAssiSteps.h"

#include "model/PlanLimits.h"
#include "store/Tdm.h"
#include "tablestore/Transaction.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString MarkField = u"Mark"_s;
const QString FolgeField = u"Folge"_s;
const QString NameField = u"Bahnhof"_s;

void SetMark(Cursor& c, bool mark) {
    c.Edit();
    c.FieldByName(MarkField).SetBoolean(mark);
    c.Post();
}

// Marks every row of the view; each post takes the row out of it.
void SetMarkOfAll(Cursor& c, bool mark) {
    Transaction t(c.Db());
    c.Refresh();
    while (!c.IsEmpty()) {
        c.First();
        SetMark(c, mark);
    }
    t.Commit();
}

} // namespace

int HourFieldValue(const QString& text, int minimum, int maximum) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return minimum;
    return value < minimum ? minimum : value > maximum ? maximum : value;
}

PrjAssiSteps::PrjAssiSteps(Tdm& dm) : Dm(dm), TitleText(u"Bahnhofsgruppe auswählen"_s) {
    for (Cursor* c : {&Dm.tBhfM, &Dm.tBhfU, &Dm.tBhf})
        c->SetIndexName(QString());
    Cursor& all = Dm.tBhf;
    // One write for all rows, not one per station.
    Transaction t(Dm.DBAll);
    all.Refresh();
    for (all.First(); !all.Eof(); all.Next())
        SetMark(all, false);
    t.Commit();
    Dm.tBhfU.Refresh();
    Dm.tBhfM.Refresh();
}

void PrjAssiSteps::SelectOne() {
    if (Dm.tBhfU.IsEmpty())
        return;
    SetMark(Dm.tBhfU, true);
    Dm.tBhfM.Refresh();
    if (!Dm.tBhfM.IsEmpty())
        Moves.DeselectOne = Moves.DeselectAll = true;
    if (Dm.tBhfU.IsEmpty())
        Moves.SelectOne = Moves.SelectAll = false;
}

void PrjAssiSteps::SelectAll() {
    SetMarkOfAll(Dm.tBhfU, true);
    Dm.tBhfM.Refresh();
    Moves.DeselectOne = Moves.DeselectAll = true;
    Moves.SelectOne = Moves.SelectAll = false;
}

void PrjAssiSteps::DeselectOne() {
    if (Dm.tBhfM.IsEmpty())
        return;
    SetMark(Dm.tBhfM, false);
    Dm.tBhfU.Refresh();
    if (Dm.tBhfM.IsEmpty())
        Moves.DeselectOne = Moves.DeselectAll = false;
    if (!Dm.tBhfU.IsEmpty())
        Moves.SelectOne = Moves.SelectAll = true;
}

void PrjAssiSteps::DeselectAll() {
    SetMarkOfAll(Dm.tBhfM, false);
    Dm.tBhfU.Refresh();
    Moves.DeselectOne = Moves.DeselectAll = false;
    Moves.SelectOne = Moves.SelectAll = true;
}

AssiNotice PrjAssiSteps::Next(const QString& planName, bool& finished) {
    finished = false;
    switch (CurrentStep) {
    case 0: {
        Cursor& chosen = Dm.tBhfM;
        chosen.Refresh();
        const int n = chosen.RecordCount();
        if (n < 2)
            return {u"Achtung"_s, u"Bitte wählen Sie mindestens 2 Bahnhöfe aus !"_s};
        if (n > MaxStations)
            return {u"Fehler"_s, u"Die max. Anzahl der Bahnhöfe ist überschritten !"_s};
        // A station of the database may hold more tracks than a plan
        // station can; the plan would lose them, so it is not taken.
        for (int r = 1; r <= n; ++r) {
            const int tracks = chosen.ValueAt(r, chosen.FieldIndex(u"NumGleise"_s)).toInt();
            if (tracks < 0 || tracks > MaxTracks)
                return {u"Fehler"_s,
                        u"Der Bahnhof '%1' hat %2 Gleise; ein Bahnhof im Fahrplan kann 0 bis %3 "
                        u"Gleise haben !"_s
                            .arg(chosen.ValueAt(r, chosen.FieldIndex(NameField)).toString())
                            .arg(tracks)
                            .arg(MaxTracks)};
        }
        CurrentStep = 1;
        TitleText = u"Reihenfolge bestimmen"_s;
        FillOrder();
        return {};
    }
    case 1:
        CurrentStep = 2;
        TitleText = u"Fahrplan-Optionen"_s;
        return {};
    default:
        if (planName.isEmpty())
            return {u"Fehler"_s, u"Geben Sie bitte einen Fahrplannamen ein !"_s};
        Dm.tBhfM.SetIndexName(u"IDX_FOLGE"_s);
        finished = true;
        return {};
    }
}

void PrjAssiSteps::Back() {
    if (CurrentStep == 1) {
        CurrentStep = 0;
        TitleText = u"Streckennetz zusammenstellen"_s;
    } else if (CurrentStep == 2) {
        CurrentStep = 1;
        TitleText = u"Reihenfolge bestimmen"_s;
    }
}

void PrjAssiSteps::FillOrder() {
    // Still on the name index: the order starts as name order, whatever
    // order an earlier pass had set.
    Cursor& chosen = Dm.tBhfM;
    Transaction t(Dm.DBAll);
    Rows.clear();
    chosen.First();
    const int n = chosen.RecordCount();
    for (int r = 0; r < n; ++r) {
        chosen.Edit();
        chosen.FieldByName(FolgeField).SetInteger(r + 1);
        chosen.Post();
        Rows << chosen.FieldByName(NameField).AsString();
        chosen.Next();
    }
    t.Commit();
    SelectedRow = 0;
}

void PrjAssiSteps::SetOrderRow(int row) {
    if (row >= 0 && row < Rows.size())
        SelectedRow = row;
}

void PrjAssiSteps::MoveOrder(bool up) {
    const int r = SelectedRow;
    if (up && r > 0) {
        Rows.swapItemsAt(r, r - 1);
        SelectedRow = r - 1;
    } else if (!up && r + 1 < Rows.size()) {
        Rows.swapItemsAt(r, r + 1);
        SelectedRow = r + 1;
    }
    WriteOrder();
}

void PrjAssiSteps::WriteOrder() {
    Cursor& chosen = Dm.tBhfM;
    chosen.SetIndexName(QString());
    Transaction t(Dm.DBAll);
    for (int k = 0; k < Rows.size(); ++k) {
        if (!chosen.FindKey({Rows[k]}))
            continue;
        chosen.Edit();
        chosen.FieldByName(FolgeField).SetInteger(k + 1);
        chosen.Post();
    }
    t.Commit();
}
