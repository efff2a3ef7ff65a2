#pragma once

#include "diagram/DiagramView.h"

#include <QString>
#include <QStringList>

class Canvas;
struct PlanRec;

// The plan's header fields as the tabs "Fahrplan", "Zeitachse" and
// "Sonstiges" edit them. The handlers take the plan and the main window's
// Modified flag and say what the window has to do; they never touch a
// widget. Refusals are shown as ShowMessageBox("Fehler", Error).

// Items of the drop-down lists.
QStringList UhrBegItems();     // " 0 Uhr" … " 9 Uhr", "10 Uhr" … "23 Uhr"
QStringList UhrEndItems();     // " 1 Uhr" … "24 Uhr"
QStringList PPMinItems();      // "Zeitachse x 1" … "Zeitachse x 9"
QStringList GridChoiceItems(); // "<Ohne>", "Linie", "Punkte", "Strich/Punkt", "gestrichelt"

// Hints (status bar and tool tips).
QString UhrBegHint();     // "startzeit wählen"
QString UhrEndHint();     // "Endzeit auswählen"
QString PPMinHint();      // "Zeitachse (Pixel / Minute) einstellen"
QString GridChoiceHint(); // "Art der Gitterunterteilung auswählen"
QString ColBoxBackHint(); // "Hintergrundfarbe auswählen"
QString TaktFPCaption();  // "Taktfahrplan"
QString TaktFPHint();     // "Fahrplan als Taktfahrplan definieren"

// Refusal texts.
QString TrainsBlockAxisText(); // "Zeitachse kann nicht geändert werden -> Zugfahrten !"
QString StartAfterEndText();   // "Startzeit ist größer als Endzeit"
QString EndBeforeStartText();  // "Endzeit ist kleiner als Startzeit"

// The title panel: "  Fahrplan: " and the name, "  Fahrplan: <unbenannt>"
// for an empty one (ShowTitle writes it only when it differs).
QString TitleText(const QString& planName);

// What a choice in a drop-down list leads to.
struct SettingChange {
    bool Changed = false; // the plan field took the chosen value
    QString Error;        // not empty: show it under "Fehler"
    int BoxIndex = -1;    // the item the box must show now (the old one after a refusal)
    bool Resize = false;  // the canvas size changed: ResizePlan, size the paint box, repaint
    bool Repaint = false; // only the look changed: repaint
};

// Start hour = item index. Unchanged: nothing. A train point before the new
// start: TrainsBlockAxisText, Modified kept. A start after EndHour:
// StartAfterEndText with Modified set. Else StartHour set, Modified, Resize.
SettingChange UhrBegBoxChange(PlanRec& plan, bool& modified, int itemIndex);
// End hour = item index + 1; a train point after it (after 23:59 for 24):
// TrainsBlockAxisText, Modified kept; an end before StartHour:
// EndBeforeStartText with Modified set; else EndHour set, Modified, Resize.
SettingChange UhrEndBoxChange(PlanRec& plan, bool& modified, int itemIndex);
// Zoom = item index + 1; only a different value sets Modified and resizes.
SettingChange PPMinBoxChange(PlanRec& plan, bool& modified, int itemIndex);
// GridStyle = item index; only a different value sets Modified and repaints.
SettingChange GridChoiceBoxChange(PlanRec& plan, bool& modified, int itemIndex);
// BackColor = ColorOfItem(item index); always Modified and repaint.
SettingChange ColBoxBackChange(PlanRec& plan, bool& modified, int itemIndex);
// A click of the user on "Taktfahrplan": Cyclic toggled, Modified set.
// Returns the state the check box must show.
bool cbTaktFPClick(PlanRec& plan, bool& modified);

// The name edit: Modified set, PlanName taken; returns the title text.
QString EditBezChange(PlanRec& plan, bool& modified, const QString& text);
// The description edit: Modified set; a text that differs from
// PlanDescription is drawn on screen (which erases the old one) and taken.
// Returns whether it was drawn.
bool EditBemChange(PlanRec& plan, const DiagramView& view, bool& modified, const QString& text,
                   Canvas& screen);

// The indexes ShowPlanSettings puts into the controls after New and Open
// (setting them runs no handler). The background box shows the plan's own
// colour; a colour outside the table keeps currentColBackIndex.
struct PlanSettingIndexes {
    int UhrBeg = 0;
    int UhrEnd = 23;
    int GridChoice = 1;
    int PPMin = 0;
    bool TaktFP = false;
    int ColBoxBack = 15;
};
PlanSettingIndexes ShowPlanSettings(const PlanRec& plan, int currentColBackIndex);
