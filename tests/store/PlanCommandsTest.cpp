#include "StationRows.h"
#include "StoreFixture.h"

#include "store/PlanCommands.h"
#include "store/PrjAssiSteps.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The main window as the commands see it, with the user's answers queued.
struct FakeWindow : PlanCommandHost {
    explicit FakeWindow(Tdm& tables) : Dm(tables), Doc(std::make_unique<PlanRec>()) {}

    PlanRec& Plan() override { return *Doc; }
    std::uint8_t& DocState() override { return State; }
    bool& Modified() override { return Mod; }
    std::uint8_t EditMode() const override { return Mode; }

    bool Ask(const QString& question) override {
        Log << u"Frage: "_s + question;
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected question " << question.toStdString();
            return false;
        }
        const bool yes = Answers.front();
        Answers.pop_front();
        return yes;
    }
    void Notice(const QString& title, const QString& text) override {
        Log << title + u": "_s + text;
    }
    bool RunAssistant(NewPlanOptions& options) override {
        Log << u"Assistent"_s;
        if (!Assistant)
            return false;
        return Assistant(options);
    }
    bool RunChooser(const QString& caption) override {
        Log << caption;
        ChooserOpenedOn = Dm.tSavePlan.FieldByName(u"NAME"_s).AsString();
        if (ChooseName.isEmpty())
            return false;
        for (Dm.tSavePlan.First(); !Dm.tSavePlan.Eof(); Dm.tSavePlan.Next())
            if (Dm.tSavePlan.FieldByName(u"NAME"_s).AsString() == ChooseName)
                return true;
        ADD_FAILURE() << "no stored plan " << ChooseName.toStdString();
        return false;
    }
    bool RunSaveAs(QString& name, QString& description) override {
        Log << u"Speichern unter: "_s + name;
        if (SaveAsName.isEmpty())
            return false;
        name = SaveAsName;
        description = u"Kopie"_s;
        return true;
    }
    void ClearPlanView() override {
        Log << u"ClearPlanView"_s;
        ResetPlan(*Doc);
        State = DocNone;
        Mod = false;
        Open = false;
        Mode = 0;
    }
    void SetEditMode(std::uint8_t mode) override { Mode = mode; }
    void EnableNewTrain() override {}
    void ClearTrainSelection() override { SelectionCleared = true; }
    void ShowOpenedPlan() override { Open = true; }
    void ShowPlanTexts() override {}
    void ShowToolPages() override { ToolPages = true; }

    Tdm& Dm;
    std::unique_ptr<PlanRec> Doc;
    std::uint8_t State = DocNone;
    bool Mod = false;
    std::uint8_t Mode = 0;
    bool Open = false;
    bool ToolPages = false;
    bool SelectionCleared = false;
    std::deque<bool> Answers;
    std::function<bool(NewPlanOptions&)> Assistant;
    QString ChooseName;
    QString ChooserOpenedOn;
    QString SaveAsName;
    QStringList Log;
};

struct Commands : testing::Test, StoreFixture {
    Commands() : W(*Dm) {}

    // A stored plan named `name` with 2 stations and `trains` trains.
    void StorePlanNamed(const QString& name, int trains = 1) {
        auto plan = MakePlan(2, 2, trains, 2);
        plan->PlanName = name;
        StoreNew(*Dm, *plan);
    }
    void OpenStored(const QString& name) {
        W.ChooseName = name;
        OpenPlanCommand(*Dm, W);
        ASSERT_EQ(W.State, DocStored);
        W.Log.clear();
    }
    QStringList StoredNames() {
        QStringList out;
        Cursor c(Dm->DBAll, u"SavePlan.DAT"_s);
        c.Open();
        for (c.First(); !c.Eof(); c.Next())
            out << c.FieldByName(u"NAME"_s).AsString();
        return out;
    }
    PlanRec Stored(const QString& name) {
        PlanRec p;
        for (Dm->tSavePlan.First(); !Dm->tSavePlan.Eof(); Dm->tSavePlan.Next())
            if (Dm->tSavePlan.FieldByName(u"NAME"_s).AsString() == name) {
                EXPECT_TRUE(LoadPlan(*Dm, p));
                return p;
            }
        ADD_FAILURE() << "not stored: " << name.toStdString();
        return p;
    }

    FakeWindow W;
};

// The assistant as a user would finish it: the stations in this order.
std::function<bool(NewPlanOptions&)> Compose(Tdm& dm, QStringList order, NewPlanOptions o) {
    return [&dm, order, o](NewPlanOptions& options) {
        PrjAssiSteps steps(dm);
        steps.SelectAll();
        bool finished = false;
        steps.Next(o.Name, finished);
        // Bring the wanted station to each row from the top down.
        for (int target = 0; target < order.size(); ++target) {
            int at = int(steps.Order().indexOf(order[target]));
            while (at > target) {
                steps.SetOrderRow(at);
                steps.MoveOrder(true);
                --at;
            }
        }
        steps.Next(o.Name, finished);
        steps.Next(o.Name, finished);
        options = o;
        return finished;
    };
}

} // namespace

TEST_F(Commands, NewBuildsThePlanFromTheChosenStationsInTheirOrder) {
    AddStation(*Dm, u"Adorf"_s, u"AD"_s, 2, u"a"_s);
    AddStation(*Dm, u"Bestadt"_s, u"BS"_s, 3, u"b"_s);
    AddStation(*Dm, u"Cehausen"_s, u"CH"_s, 0);
    NewPlanOptions o;
    o.Name = u"Abend"_s;
    o.Description = u"Nur ein Versuch"_s;
    // The assistant does not compare the hours.
    o.StartHour = 20;
    o.EndHour = 5;
    o.GridStyle = 4;
    o.Zoom = 9;
    o.Cyclic = true;
    W.Assistant = Compose(*Dm, {u"Bestadt"_s, u"Cehausen"_s, u"Adorf"_s}, o);
    NewPlanCommand(*Dm, W);

    const PlanRec& p = W.Plan();
    EXPECT_EQ(W.State, DocNew);
    EXPECT_TRUE(W.Mod);
    EXPECT_TRUE(W.Open);
    EXPECT_TRUE(W.ToolPages);
    EXPECT_EQ(p.PlanName, u"Abend"_s);
    EXPECT_EQ(p.PlanDescription, u"Nur ein Versuch"_s);
    EXPECT_EQ(p.StartHour, 20);
    EXPECT_EQ(p.EndHour, 5);
    EXPECT_EQ(p.GridStyle, 4);
    EXPECT_EQ(p.Zoom, 9);
    EXPECT_TRUE(p.Cyclic);
    EXPECT_EQ(p.TrainCount, 0);
    ASSERT_EQ(p.StationCount, 3);
    EXPECT_EQ(p.Stations[1].Name, u"Bestadt"_s);
    EXPECT_EQ(p.Stations[1].Abbrev, u"BS"_s);
    EXPECT_EQ(p.Stations[1].TrackCount, 3);
    EXPECT_EQ(p.Stations[1].Tracks[3].Designation.Text(), u"b3"_s);
    EXPECT_EQ(p.Stations[2].Name, u"Cehausen"_s);
    EXPECT_EQ(p.Stations[2].TrackCount, 0);
    EXPECT_EQ(p.Stations[3].Name, u"Adorf"_s);
    EXPECT_EQ(p.Stations[3].Tracks[1].Designation.Text(), u"a1"_s);
    EXPECT_EQ(p.Stations[3].Tracks[2].Designation.Text(), u"a2"_s);
    EXPECT_EQ(Rows(u"SavePlan.DAT"_s), 0) << "not stored until saved";

    // The new plan counts as modified: another "Neu" asks first.
    W.Answers = {false};
    W.Assistant = nullptr;
    NewPlanCommand(*Dm, W);
    EXPECT_EQ(W.Log.filter(u"Frage"_s).size(), 1);
}

TEST_F(Commands, NewWithoutStationsOnlySaysSo) {
    W.Mod = true;
    NewPlanCommand(*Dm, W);
    EXPECT_EQ(W.Log, QStringList{u"Hinweis: Bahnhofsdatenbank enthält keine Einträge !"_s});
    EXPECT_FALSE(W.ToolPages);
}

TEST_F(Commands, NewAnsweredNoThenCancelledKeepsTheOldPlanModifiedWithoutEditMode) {
    AddStations(*Dm, 2);
    StorePlanNamed(u"Alt"_s);
    OpenStored(u"Alt"_s);
    EXPECT_EQ(W.Mode, 2);
    W.Plan().PlanName = u"Alt geändert"_s;
    W.Mod = true;
    W.Answers = {false};
    NewPlanCommand(*Dm, W);
    EXPECT_EQ(W.Log, (QStringList{u"Frage: "_s + UnsavedQuestionText(), u"Assistent"_s}));
    EXPECT_EQ(W.State, DocStored);
    EXPECT_TRUE(W.Mod);
    EXPECT_EQ(W.Mode, 0);
    EXPECT_EQ(W.Plan().PlanName, u"Alt geändert"_s);
    EXPECT_EQ(StoredNames(), QStringList{u"Alt"_s});
    EXPECT_TRUE(W.ToolPages);
}

TEST_F(Commands, BuildRefusesAStationThatDoesNotFitAPlanStation) {
    AddStation(*Dm, u"Adorf"_s, u"AD"_s, 30);
    AddStation(*Dm, u"Riesig"_s, u"RI"_s, 31);
    for (Dm->tBhf.First(); !Dm->tBhf.Eof(); Dm->tBhf.Next()) {
        Dm->tBhf.Edit();
        Dm->tBhf.FieldByName(u"Mark"_s).SetBoolean(true);
        Dm->tBhf.Post();
    }
    Dm->tBhfM.Refresh();
    auto plan = std::make_unique<PlanRec>();
    plan->PlanName = u"unberührt"_s;
    const StoreResult result = BuildNewPlan(*Dm, NewPlanOptions{}, *plan);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.Error.contains(u"'Riesig'"_s)) << result.Error.toStdString();
    EXPECT_EQ(plan->PlanName, u"unberührt"_s);

    // 30 tracks fit; hours out of range never reach the plan.
    Dm->tBhfM.FindKey({u"Riesig"_s});
    Dm->tBhfM.Edit();
    Dm->tBhfM.FieldByName(u"Mark"_s).SetBoolean(false);
    Dm->tBhfM.Post();
    NewPlanOptions o;
    o.StartHour = 24;
    o.EndHour = 0;
    ASSERT_TRUE(BuildNewPlan(*Dm, o, *plan));
    EXPECT_EQ(plan->Stations[1].TrackCount, 30);
    EXPECT_EQ(plan->Stations[1].Tracks[30].Designation.Text(), u"30"_s);
    EXPECT_EQ(plan->StartHour, 23);
    EXPECT_EQ(plan->EndHour, 1);
}

TEST_F(Commands, OpenAfterYesForANeverStoredPlanStoresItAndTheChooserOpensOnIt) {
    StorePlanNamed(u"Früh"_s);
    StorePlanNamed(u"Mittag"_s);
    Dm->tSavePlan.First();
    W.Plan() = *MakePlan(3, 2, 0, 0);
    W.Plan().PlanName = u"Neu entworfen"_s;
    W.State = DocNew;
    W.Mod = true;
    W.Open = true;
    W.Answers = {true};
    W.ChooseName = QString(); // then cancelled
    OpenPlanCommand(*Dm, W);
    EXPECT_EQ(StoredNames(), (QStringList{u"Früh"_s, u"Mittag"_s, u"Neu entworfen"_s}));
    EXPECT_EQ(W.ChooserOpenedOn, u"Neu entworfen"_s);
    EXPECT_EQ(W.State, DocStored);
    EXPECT_FALSE(W.Mod);
    // Cancelled: the cursor is back on the open plan's row.
    EXPECT_EQ(Dm->tSavePlan.FieldByName(u"NAME"_s).AsString(), u"Neu entworfen"_s);
}

TEST_F(Commands, OpenReadsTheChosenPlanAndEditsItsTrains) {
    StorePlanNamed(u"Früh"_s, 2);
    StorePlanNamed(u"Leer"_s, 0);
    W.ChooseName = u"Früh"_s;
    OpenPlanCommand(*Dm, W);
    EXPECT_EQ(W.State, DocStored);
    EXPECT_FALSE(W.Mod);
    EXPECT_TRUE(W.Open);
    EXPECT_EQ(W.Plan().TrainCount, 2);
    EXPECT_EQ(W.Mode, 2);
    EXPECT_TRUE(W.SelectionCleared);
    EXPECT_EQ(W.Log, (QStringList{OpenCaption(), u"ClearPlanView"_s}));

    W.SelectionCleared = false;
    W.ChooseName = u"Leer"_s;
    OpenPlanCommand(*Dm, W);
    EXPECT_EQ(W.Plan().PlanName, u"Leer"_s);
    EXPECT_EQ(W.Mode, 0) << "no trains: no train to edit";
    EXPECT_FALSE(W.SelectionCleared);
}

TEST_F(Commands, OpenOfARefusedStoredPlanKeepsTheOpenPlan) {
    StorePlanNamed(u"Kaputt"_s);
    StorePlanNamed(u"Gut"_s);
    OpenStored(u"Gut"_s);
    W.Plan().PlanName = u"Gut geändert"_s;
    W.Mod = true;
    // Another program wrote a track count a plan station cannot hold.
    Dm->DBAll
        .Prepare(u"UPDATE %1 SET ANZGLS = 99 WHERE REFPLAN = 1"_s.arg(
            Dm->DBAll.QualifiedName(u"BhfPlan.DAT"_s)))
        .Run();
    W.Answers = {false};
    W.ChooseName = u"Kaputt"_s;
    OpenPlanCommand(*Dm, W);
    ASSERT_EQ(W.Log.size(), 3);
    EXPECT_TRUE(W.Log[2].startsWith(u"Fehler: Der Fahrplan „Kaputt“ kann nicht geöffnet werden."_s))
        << W.Log[2].toStdString();
    EXPECT_EQ(W.State, DocStored);
    EXPECT_TRUE(W.Mod);
    EXPECT_EQ(W.Plan().PlanName, u"Gut geändert"_s);
    EXPECT_EQ(W.Plan().StationCount, 2);
    EXPECT_EQ(Dm->tSavePlan.FieldByName(u"NAME"_s).AsString(), u"Gut"_s);

    // A save still goes to the open plan's own row.
    ASSERT_TRUE(SavePlanCommand(*Dm, W));
    EXPECT_EQ(StoredNames(), (QStringList{u"Kaputt"_s, u"Gut geändert"_s}));
}

TEST_F(Commands, OpenAndDeleteWithoutStoredPlansOnlySaySo) {
    W.Mod = true;
    OpenPlanCommand(*Dm, W);
    DeletePlanCommand(*Dm, W);
    EXPECT_EQ(W.Log, (QStringList{u"Hinweis: Kein Fahrplan gespeichert"_s,
                                  u"Hinweis: Kein Fahrplan gespeichert"_s}));
    EXPECT_FALSE(W.ToolPages);
}

TEST_F(Commands, SaveStoresANewPlanOnceAndThenReplacesItsRow) {
    W.Plan() = *MakePlan(2, 2, 1, 2);
    W.Plan().PlanName = u"Abend"_s;
    W.State = DocNew;
    W.Mod = true;
    ASSERT_TRUE(SavePlanCommand(*Dm, W));
    EXPECT_EQ(W.State, DocStored);
    EXPECT_FALSE(W.Mod);
    W.Plan().PlanName = u"Abend 2"_s;
    W.Mod = true;
    ASSERT_TRUE(SavePlanCommand(*Dm, W));
    EXPECT_EQ(StoredNames(), QStringList{u"Abend 2"_s});

    // Another program deletes the row: the save stores the plan anew and says so.
    Dm->DBAll.Execute(u"DELETE FROM "_s + Dm->DBAll.QualifiedName(SavePlanFile), {});
    W.Log.clear();
    W.Mod = true;
    ASSERT_TRUE(SavePlanCommand(*Dm, W));
    EXPECT_EQ(W.Log,
              QStringList{u"Hinweis: Der gespeicherte Fahrplan „Abend 2“ wurde inzwischen "
                          u"von einem anderen Programm gelöscht; er wurde neu gespeichert."_s});
    EXPECT_EQ(StoredNames(), QStringList{u"Abend 2"_s});
    EXPECT_FALSE(W.Mod);

    // Nothing open: nothing to store.
    W.State = DocNone;
    EXPECT_FALSE(SavePlanCommand(*Dm, W));
    EXPECT_EQ(Rows(u"SavePlan.DAT"_s), 1);
}

TEST_F(Commands, SaveAsMakesASecondRowAndLaterSavesChangeOnlyTheCopy) {
    StorePlanNamed(u"Original"_s);
    OpenStored(u"Original"_s);
    W.SaveAsName = u"Kopie"_s;
    SaveAsPlanCommand(*Dm, W);
    EXPECT_EQ(StoredNames(), (QStringList{u"Original"_s, u"Kopie"_s}));
    EXPECT_EQ(W.State, DocStored);
    EXPECT_FALSE(W.Mod);
    EXPECT_EQ(W.Plan().PlanDescription, u"Kopie"_s);

    W.Plan().StartHour = 3;
    W.Mod = true;
    ASSERT_TRUE(SavePlanCommand(*Dm, W));
    EXPECT_EQ(Stored(u"Original"_s).StartHour, 0);
    EXPECT_EQ(Stored(u"Kopie"_s).StartHour, 3);

    // Cancelled: nothing changes.
    W.SaveAsName = QString();
    SaveAsPlanCommand(*Dm, W);
    EXPECT_EQ(Rows(u"SavePlan.DAT"_s), 2);
}

TEST_F(Commands, SaveAsThatFailsKeepsNameAndRow) {
    StorePlanNamed(u"Original"_s);
    OpenStored(u"Original"_s);
    W.Mod = true;
    W.SaveAsName = u"Kopie"_s;
    Dm->DBAll.FailNthWrite(2);
    SaveAsPlanCommand(*Dm, W);
    Dm->DBAll.FailNthWrite(0);
    ASSERT_EQ(W.Log.size(), 2);
    EXPECT_TRUE(W.Log[1].startsWith(u"Fehler: "_s));
    EXPECT_EQ(W.State, DocStored);
    EXPECT_TRUE(W.Mod);
    EXPECT_EQ(W.Plan().PlanName, u"Original"_s);
    EXPECT_EQ(StoredNames(), QStringList{u"Original"_s});
    ASSERT_TRUE(SavePlanCommand(*Dm, W));
    EXPECT_EQ(StoredNames(), QStringList{u"Original"_s});
}

TEST_F(Commands, DeleteOfAnotherPlanKeepsTheOpenOneAndItsRow) {
    StorePlanNamed(u"Erster"_s);
    StorePlanNamed(u"Offen"_s);
    StorePlanNamed(u"Dritter"_s);
    OpenStored(u"Offen"_s);
    for (const QString& other : {u"Erster"_s, u"Dritter"_s}) {
        W.ChooseName = other;
        W.Answers = {true};
        DeletePlanCommand(*Dm, W);
        EXPECT_EQ(W.Log.last(),
                  u"Frage: Soll der Fahrplan '%1' wirklich gelöscht werden ?"_s.arg(other));
        EXPECT_EQ(W.State, DocStored);
        EXPECT_EQ(Dm->tSavePlan.FieldByName(u"NAME"_s).AsString(), u"Offen"_s);
    }
    EXPECT_EQ(StoredNames(), QStringList{u"Offen"_s});
    W.Plan().PlanName = u"Offen 2"_s;
    ASSERT_TRUE(SavePlanCommand(*Dm, W));
    EXPECT_EQ(StoredNames(), QStringList{u"Offen 2"_s});
    EXPECT_EQ(Orphans(), 0);
}

TEST_F(Commands, DeleteOfTheOpenPlanAsksWithItsNameAndClosesIt) {
    StorePlanNamed(u"Erster"_s);
    StorePlanNamed(u"Offen"_s);
    OpenStored(u"Offen"_s);
    W.Plan().PlanName = u"Offen (im Fenster)"_s;
    W.ChooseName = u"Offen"_s;
    W.Answers = {false};
    DeletePlanCommand(*Dm, W);
    EXPECT_EQ(W.Log.last(),
              u"Frage: Soll der Fahrplan 'Offen (im Fenster)' wirklich gelöscht werden ?"_s);
    EXPECT_EQ(W.State, DocStored);
    EXPECT_EQ(StoredNames(), (QStringList{u"Erster"_s, u"Offen"_s}));

    W.Answers = {true};
    DeletePlanCommand(*Dm, W);
    EXPECT_EQ(W.State, DocNone);
    EXPECT_FALSE(W.Mod);
    EXPECT_EQ(W.Log.last(), u"ClearPlanView"_s);
    EXPECT_EQ(StoredNames(), QStringList{u"Erster"_s});
    EXPECT_EQ(Orphans(), 0);
}

TEST_F(Commands, CancelledChooserPutsThePlanTableBack) {
    StorePlanNamed(u"Erster"_s);
    StorePlanNamed(u"Offen"_s);
    StorePlanNamed(u"Dritter"_s);
    OpenStored(u"Offen"_s);
    // The chooser moved the cursor before it was cancelled.
    struct Moving final : FakeWindow {
        using FakeWindow::FakeWindow;
        bool RunChooser(const QString&) override {
            Dm.tSavePlan.Last();
            return false;
        }
    } w(*Dm);
    w.State = DocStored;
    w.Plan() = W.Plan();
    DeletePlanCommand(*Dm, w);
    EXPECT_EQ(Dm->tSavePlan.FieldByName(u"NAME"_s).AsString(), u"Offen"_s);
    OpenPlanCommand(*Dm, w);
    EXPECT_EQ(Dm->tSavePlan.FieldByName(u"NAME"_s).AsString(), u"Offen"_s);
    EXPECT_EQ(Rows(u"SavePlan.DAT"_s), 3);
}
