// The plan's name, description, time axis, grid, background and cyclic flag
// on the tool tabs "Fahrplan", "Zeitachse" and "Sonstiges". The decisions
// are the diagram's; here they meet the widgets.
#include "app/MainWindow.h"

#include "diagram/PlanSettings.h"
#include "platform/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
void SetIndexQuietly(QComboBox* box, int index) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(index);
}
} // namespace

// Without an open plan the controls are there but change nothing: no plan
// field and no Modified flag for a plan that does not exist.
void TFMain::ConnectSettingsHandlers() {
    connect(EditBez, &QLineEdit::textChanged, this, [this] { EditBezChange(); });
    connect(EditBem, &QLineEdit::textChanged, this, [this] { EditBemChange(); });
    connect(UhrBegBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { UhrBegBoxChange(); });
    connect(UhrEndBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { UhrEndBoxChange(); });
    connect(PPMinBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { PPMinBoxChange(); });
    connect(GridChoiceBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { GridChoiceBoxChange(); });
    connect(ColBoxBack, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { ColBoxBackChange(); });
    connect(cbTaktFP, &QCheckBox::clicked, this, [this] { cbTaktFPClick(); });
}

void TFMain::ShowPlanTexts() {
    EditBez->setText(Plan.PlanName);
    EditBem->setText(Plan.PlanDescription);
}

void TFMain::ShowPlanSettings() {
    const PlanSettingIndexes shown = ::ShowPlanSettings(Plan, ColBoxBack->currentIndex());
    SetIndexQuietly(UhrBegBox, shown.UhrBeg);
    SetIndexQuietly(UhrEndBox, shown.UhrEnd);
    SetIndexQuietly(GridChoiceBox, shown.GridChoice);
    SetIndexQuietly(PPMinBox, shown.PPMin);
    SetIndexQuietly(ColBoxBack, shown.ColBoxBack);
    const QSignalBlocker block(cbTaktFP);
    cbTaktFP->setChecked(shown.TaktFP);
}

void TFMain::ApplySettingChange(QComboBox* box, const SettingChange& change) {
    if (!change.Error.isEmpty())
        ShowMessageBox(QStringLiteral("Fehler"), change.Error);
    if (change.BoxIndex >= 0 && box->currentIndex() != change.BoxIndex)
        SetIndexQuietly(box, change.BoxIndex);
    if (change.Resize)
        ResizePlan();
    else if (change.Repaint)
        PaintPlan();
}

void TFMain::EditBezChange() {
    if (!PlanOpen)
        return;
    ::EditBezChange(Plan, Modified, EditBez->text());
    ShowTitle(Plan.PlanName);
}

void TFMain::EditBemChange() {
    if (!PlanOpen)
        return;
    DrawDescriptionOnScreen(EditBem->text());
}

void TFMain::UhrBegBoxChange() {
    if (!PlanOpen)
        return;
    ApplySettingChange(UhrBegBox, ::UhrBegBoxChange(Plan, Modified, UhrBegBox->currentIndex()));
}

void TFMain::UhrEndBoxChange() {
    if (!PlanOpen)
        return;
    ApplySettingChange(UhrEndBox, ::UhrEndBoxChange(Plan, Modified, UhrEndBox->currentIndex()));
}

void TFMain::PPMinBoxChange() {
    if (!PlanOpen)
        return;
    ApplySettingChange(PPMinBox, ::PPMinBoxChange(Plan, Modified, PPMinBox->currentIndex()));
}

void TFMain::GridChoiceBoxChange() {
    if (!PlanOpen)
        return;
    ApplySettingChange(GridChoiceBox,
                       ::GridChoiceBoxChange(Plan, Modified, GridChoiceBox->currentIndex()));
}

void TFMain::ColBoxBackChange() {
    if (!PlanOpen)
        return;
    ApplySettingChange(ColBoxBack, ::ColBoxBackChange(Plan, Modified, ColBoxBack->currentIndex()));
}

void TFMain::cbTaktFPClick() {
    if (!PlanOpen) {
        // No plan: the box shows what it showed before the click.
        const QSignalBlocker block(cbTaktFP);
        cbTaktFP->setChecked(!cbTaktFP->isChecked());
        return;
    }
    const bool shown = ::cbTaktFPClick(Plan, Modified);
    const QSignalBlocker block(cbTaktFP);
    cbTaktFP->setChecked(shown);
}
