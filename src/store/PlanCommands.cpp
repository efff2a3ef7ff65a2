#include "store/PlanCommands.h"

#include "model/PlanRec.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Hinweis = u"Hinweis"_s;
const QString Fehler = u"Fehler"_s;

bool Store(Tdm& dm, PlanCommandHost& host) {
    const StoreResult result = StorePlan(dm, host.Plan(), host.DocState(), host.Modified());
    if (!result)
        host.Notice(Fehler, result.Error);
    else if (!result.Notice.isEmpty())
        host.Notice(Hinweis, result.Notice);
    return bool(result);
}

// The question before a command that may replace the open plan. False when
// the user wanted the plan stored and that failed: the command stops then,
// so nothing is lost.
bool OfferToStore(Tdm& dm, PlanCommandHost& host) {
    if (!host.Modified())
        return true;
    if (!host.Ask(UnsavedQuestionText()))
        return true;
    return Store(dm, host);
}

QString DeleteQuestion(const QString& name) {
    return u"Soll der Fahrplan '%1' wirklich gelöscht werden ?"_s.arg(name);
}

// Runs a command; an error of the table store ends it with its own text.
template <typename F> void Guarded(PlanCommandHost& host, F&& command) {
    try {
        command();
    } catch (const StoreError& e) {
        host.Notice(Fehler, e.Text());
    }
}

} // namespace

QString UnsavedQuestionText() {
    return u"Akt. Fahrplan ist noch nicht gespeichert ! - Speichern ?"_s;
}

QString OpenCaption() {
    return u"Fahrplan öffnen"_s;
}

QString DeleteCaption() {
    return u"Fahrplan löschen"_s;
}

StoreResult BuildNewPlan(Tdm& dm, const NewPlanOptions& options, PlanRec& plan) {
    auto built = std::make_unique<PlanRec>();
    ResetPlan(*built);
    built->PlanName = options.Name;
    built->PlanDescription = options.Description;
    built->StartHour = std::clamp(options.StartHour, StartHourMin, StartHourMax);
    built->EndHour = std::clamp(options.EndHour, EndHourMin, EndHourMax);
    built->GridStyle = std::clamp(options.GridStyle, 0, 4);
    built->Zoom = std::clamp(options.Zoom, 1, 9);
    built->Cyclic = options.Cyclic;

    Cursor& chosen = dm.tBhfM;
    Cursor& tracks = dm.tGleisM;
    try {
        chosen.Refresh();
        const int n = chosen.RecordCount();
        if (n > MaxStations)
            return StoreResult::Failed(u"Die max. Anzahl der Bahnhöfe ist überschritten !"_s);
        chosen.First();
        for (int k = 1; k <= n; ++k, chosen.Next()) {
            PlanBhf& bhf = built->Stations[k];
            bhf.InUse = true;
            bhf.Name = chosen.FieldByName(u"Bahnhof"_s).AsString();
            bhf.Abbrev = chosen.FieldByName(u"Abk"_s).AsString();
            bhf.TrackCount = chosen.FieldByName(u"NumGleise"_s).AsInteger();
            if (bhf.TrackCount < 0 || bhf.TrackCount > MaxTracks)
                return StoreResult::Failed(
                    u"Der Bahnhof '%1' hat %2 Gleise; ein Bahnhof im Fahrplan kann 0 bis %3 "
                    u"Gleise haben !"_s.arg(bhf.Name)
                        .arg(bhf.TrackCount)
                        .arg(MaxTracks));
            tracks.First();
            for (int i = 1; i <= bhf.TrackCount && !tracks.Eof(); ++i, tracks.Next())
                bhf.Tracks[i].Designation = tracks.FieldByName(u"Bez"_s).AsString();
        }
        built->StationCount = n;
    } catch (const StoreError& e) {
        return StoreResult::Failed(e.Text());
    }
    plan = std::move(*built);
    return StoreResult{};
}

void NewPlanCommand(Tdm& dm, PlanCommandHost& host) {
    Guarded(host, [&] {
        dm.tBhf.Refresh();
        if (dm.tBhf.IsEmpty()) {
            host.Notice(Hinweis, u"Bahnhofsdatenbank enthält keine Einträge !"_s);
            return;
        }
        if (!OfferToStore(dm, host))
            return;
        host.SetEditMode(0);
        host.EnableNewTrain();
        NewPlanOptions options;
        if (host.RunAssistant(options)) {
            auto built = std::make_unique<PlanRec>();
            const StoreResult result = BuildNewPlan(dm, options, *built);
            if (!result) {
                host.Notice(Fehler, result.Error);
            } else {
                host.ClearPlanView();
                host.DocState() = DocNew;
                host.Modified() = true;
                host.Plan() = std::move(*built);
                host.ShowOpenedPlan();
            }
        }
        host.ShowToolPages();
    });
}

void OpenPlanCommand(Tdm& dm, PlanCommandHost& host) {
    Guarded(host, [&] {
        Cursor& plans = dm.tSavePlan;
        plans.Refresh();
        if (plans.IsEmpty()) {
            host.Notice(Hinweis, u"Kein Fahrplan gespeichert"_s);
            return;
        }
        if (!OfferToStore(dm, host))
            return;
        const int openRow = plans.RecNo();
        if (host.RunChooser(OpenCaption())) {
            // Read into a plan of its own first: a refused plan leaves the
            // open one as it was, so a later save cannot overwrite the
            // refused row with an empty plan.
            auto loaded = std::make_unique<PlanRec>();
            ResetPlan(*loaded);
            const StoreResult result = LoadPlan(dm, *loaded);
            if (!result) {
                plans.SetRecNo(openRow);
                host.Notice(Fehler, result.Error);
            } else {
                host.ClearPlanView();
                host.DocState() = DocStored;
                host.Plan() = std::move(*loaded);
                if (host.Plan().TrainCount > 0 && host.EditMode() == 0) {
                    host.SetEditMode(2);
                    host.ClearTrainSelection();
                }
                host.ShowOpenedPlan();
                host.Modified() = false;
            }
        } else {
            plans.SetRecNo(openRow);
        }
        host.ShowToolPages();
    });
}

bool SavePlanCommand(Tdm& dm, PlanCommandHost& host) {
    if (host.DocState() == DocNone)
        return false;
    bool stored = false;
    Guarded(host, [&] { stored = Store(dm, host); });
    return stored;
}

void SaveAsPlanCommand(Tdm& dm, PlanCommandHost& host) {
    if (host.DocState() == DocNone)
        return;
    PlanRec& plan = host.Plan();
    QString name = plan.PlanName;
    QString description = plan.PlanDescription;
    if (!host.RunSaveAs(name, description))
        return;
    const std::uint8_t oldState = host.DocState();
    const bool oldModified = host.Modified();
    const QString oldName = plan.PlanName;
    const QString oldDescription = plan.PlanDescription;
    Guarded(host, [&] {
        host.DocState() = DocNew;
        plan.PlanName = name;
        plan.PlanDescription = description;
        host.ShowPlanTexts();
        if (Store(dm, host))
            return;
        // Nothing was stored: the plan keeps its name and its own row.
        host.DocState() = oldState;
        plan.PlanName = oldName;
        plan.PlanDescription = oldDescription;
        host.ShowPlanTexts();
        host.Modified() = oldModified;
    });
}

void DeletePlanCommand(Tdm& dm, PlanCommandHost& host) {
    Guarded(host, [&] {
        Cursor& plans = dm.tSavePlan;
        plans.Refresh();
        if (plans.IsEmpty()) {
            host.Notice(Hinweis, u"Kein Fahrplan gespeichert"_s);
            return;
        }
        const int openRow = plans.RecNo();
        const QVariant openRef = plans.FieldByName(u"REFPLAN"_s).AsInteger();
        if (!host.RunChooser(DeleteCaption())) {
            plans.SetRecNo(openRow);
            return;
        }
        if (host.DocState() == DocStored && plans.RecNo() == openRow) {
            if (!host.Ask(DeleteQuestion(host.Plan().PlanName)))
                return;
            const StoreResult result = DeleteStoredPlan(dm);
            if (!result) {
                host.Notice(Fehler, result.Error);
                return;
            }
            host.ClearPlanView();
            return;
        }
        if (host.Ask(DeleteQuestion(plans.FieldByName(u"NAME"_s).AsString()))) {
            const StoreResult result = DeleteStoredPlan(dm);
            if (!result)
                host.Notice(Fehler, result.Error);
        }
        plans.FindKey({openRef});
    });
}
