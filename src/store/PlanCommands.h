#pragma once

#include "store/PlanStore.h"
#include "store/PrjAssiSteps.h"

#include <QString>

#include <cstdint>

struct PlanRec;
class Tdm;

// What the plan commands need of the main window: its document, the user
// and the window's own refresh routines. The commands decide; the window
// carries out.
class PlanCommandHost {
public:
    virtual ~PlanCommandHost() = default;

    virtual PlanRec& Plan() = 0;
    virtual std::uint8_t& DocState() = 0;
    virtual bool& Modified() = 0;
    virtual std::uint8_t EditMode() const = 0;

    virtual bool Ask(const QString& question) = 0;
    virtual void Notice(const QString& title, const QString& text) = 0;

    // The dialogs; true for OK. The assistant fills `options`; the chooser
    // leaves tSavePlan on the row the user chose; the save-as dialog starts
    // with and returns name and description.
    virtual bool RunAssistant(NewPlanOptions& options) = 0;
    virtual bool RunChooser(const QString& caption) = 0;
    virtual bool RunSaveAs(QString& name, QString& description) = 0;

    // Closes the open plan: plan reset, DocState 0, Modified false, no plan
    // open, edit mode none, plan commands off, title cleared.
    virtual void ClearPlanView() = 0;
    virtual void SetEditMode(std::uint8_t mode) = 0;
    virtual void EnableNewTrain() = 0;
    // No train current, marked or with a marked point.
    virtual void ClearTrainSelection() = 0;
    // A plan was built or read into Plan(): plan commands on, texts and
    // settings into their controls, blue train colour, plan open, canvas
    // sized and drawn.
    virtual void ShowOpenedPlan() = 0;
    virtual void ShowPlanTexts() = 0;
    // The tool pages enabled, page "Fahrplan" in front.
    virtual void ShowToolPages() = 0;
};

// Texts the commands show.
QString UnsavedQuestionText(); // "Akt. Fahrplan ist noch nicht gespeichert ! - Speichern ?"
QString OpenCaption();         // "Fahrplan öffnen"
QString DeleteCaption();       // "Fahrplan löschen"

// The plan of the new-plan assistant: its options and the chosen stations
// (tBhfM in Folge order) with their tracks (tGleisM). A station that does
// not fit a plan station is refused with a German text naming it.
StoreResult BuildNewPlan(Tdm& dm, const NewPlanOptions& options, PlanRec& plan);

// The commands of the menu "Datei". Errors of the table store stop the
// command and are shown under "Fehler".
void NewPlanCommand(Tdm& dm, PlanCommandHost& host);
void OpenPlanCommand(Tdm& dm, PlanCommandHost& host);
// True when the plan is stored now.
bool SavePlanCommand(Tdm& dm, PlanCommandHost& host);
void SaveAsPlanCommand(Tdm& dm, PlanCommandHost& host);
void DeletePlanCommand(Tdm& dm, PlanCommandHost& host);
