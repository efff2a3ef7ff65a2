// The plan's name, description, time axis, grid, background and cyclic flag
// on the tool tabs "Fahrplan", "Zeitachse" and "Sonstiges".
#include "app/MainWindow.h"

#include "diagram/ColorTable.h"
#include "model/TimeOfDay.h"
#include "platform/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

// True when some point of the plan's trains lies before (or, with later
// set, after) the given minute of the day.
bool TrainsOutside(const PlanRec& plan, int minute, bool later) {
    for (int z = 1; z <= plan.TrainCount && z <= MaxTrains; ++z) {
        const PlanZug& zug = plan.Trains[z];
        for (int p = 1; p <= zug.PointCount && p <= MaxPoints; ++p) {
            const int m = MinuteOfDay(zug.Points[p].Time);
            if (later ? m > minute : m < minute)
                return true;
        }
    }
    return false;
}

void SetIndexQuietly(QComboBox* box, int index) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(index);
}

} // namespace

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
    SetIndexQuietly(UhrBegBox, Plan.StartHour);
    SetIndexQuietly(UhrEndBox, Plan.EndHour - 1);
    SetIndexQuietly(GridChoiceBox, Plan.GridStyle);
    SetIndexQuietly(PPMinBox, Plan.Zoom - 1);
    // A user expects the box to show the colour the diagram shows.
    SetIndexQuietly(ColBoxBack, SelectColorItem(ColBoxBack->currentIndex(), Plan.BackColor));
    const QSignalBlocker block(cbTaktFP);
    cbTaktFP->setChecked(Plan.Cyclic);
}

void TFMain::EditBezChange() {
    Modified = true;
    ShowTitle(EditBez->text());
    Plan.PlanName = EditBez->text();
}

void TFMain::EditBemChange() {
    Modified = true;
    const QString text = EditBem->text();
    if (text != Plan.PlanDescription) {
        DrawDescriptionOnScreen(text);
        Plan.PlanDescription = text;
    }
}

void TFMain::UhrBegBoxChange() {
    const int n = UhrBegBox->currentIndex();
    if (n < 0 || n == Plan.StartHour)
        return;
    if (TrainsOutside(Plan, n * 60, false)) {
        ShowMessageBox(QStringLiteral("Fehler"),
                       QStringLiteral("Zeitachse kann nicht geändert werden -> Zugfahrten !"));
        SetIndexQuietly(UhrBegBox, Plan.StartHour);
        return;
    }
    Modified = true;
    if (n > Plan.EndHour) {
        ShowMessageBox(QStringLiteral("Fehler"),
                       QStringLiteral("Startzeit ist größer als Endzeit"));
        SetIndexQuietly(UhrBegBox, Plan.StartHour);
        return;
    }
    Plan.StartHour = n;
    ResizePlan();
}

void TFMain::UhrEndBoxChange() {
    const int index = UhrEndBox->currentIndex();
    if (index < 0)
        return;
    const int e = index + 1;
    if (e == Plan.EndHour)
        return;
    const int lastMinute = e == 24 ? 23 * 60 + 59 : e * 60;
    if (TrainsOutside(Plan, lastMinute, true)) {
        ShowMessageBox(QStringLiteral("Fehler"),
                       QStringLiteral("Zeitachse kann nicht geändert werden -> Zugfahrten !"));
        SetIndexQuietly(UhrEndBox, Plan.EndHour - 1);
        return;
    }
    Modified = true;
    if (e < Plan.StartHour) {
        ShowMessageBox(QStringLiteral("Fehler"),
                       QStringLiteral("Endzeit ist kleiner als Startzeit"));
        SetIndexQuietly(UhrEndBox, Plan.EndHour - 1);
        return;
    }
    Plan.EndHour = e;
    ResizePlan();
}

void TFMain::PPMinBoxChange() {
    const int zoom = PPMinBox->currentIndex() + 1;
    if (zoom < 1 || zoom == Plan.Zoom)
        return;
    Modified = true;
    Plan.Zoom = zoom;
    ResizePlan();
}

void TFMain::GridChoiceBoxChange() {
    const int style = GridChoiceBox->currentIndex();
    if (style < 0 || style == Plan.GridStyle)
        return;
    Modified = true;
    Plan.GridStyle = style;
    PaintPlan();
}

void TFMain::ColBoxBackChange() {
    Plan.BackColor = ColorOfItem(ColBoxBack->currentIndex());
    Modified = true;
    PaintPlan();
}

void TFMain::cbTaktFPClick() {
    Plan.Cyclic = !Plan.Cyclic;
    Modified = true;
    const QSignalBlocker block(cbTaktFP);
    cbTaktFP->setChecked(Plan.Cyclic);
}
