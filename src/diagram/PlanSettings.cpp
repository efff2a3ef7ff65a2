#include "diagram/PlanSettings.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "model/PlanRec.h"

#include <algorithm>
#include <cmath>

QStringList UhrBegItems() {
    QStringList items;
    for (int h = 0; h <= 23; ++h)
        items << QStringLiteral("%1 Uhr").arg(h, 2);
    return items;
}

QStringList UhrEndItems() {
    QStringList items;
    for (int h = 1; h <= 24; ++h)
        items << QStringLiteral("%1 Uhr").arg(h, 2);
    return items;
}

QStringList PPMinItems() {
    QStringList items;
    for (int z = 1; z <= 9; ++z)
        items << QStringLiteral("Zeitachse x %1").arg(z);
    return items;
}

QStringList GridChoiceItems() {
    return {QStringLiteral("<Ohne>"), QStringLiteral("Linie"), QStringLiteral("Punkte"),
            QStringLiteral("Strich/Punkt"), QStringLiteral("gestrichelt")};
}

QString UhrBegHint() {
    return QStringLiteral("startzeit wählen");
}
QString UhrEndHint() {
    return QStringLiteral("Endzeit auswählen");
}
QString PPMinHint() {
    return QStringLiteral("Zeitachse (Pixel / Minute) einstellen");
}
QString GridChoiceHint() {
    return QStringLiteral("Art der Gitterunterteilung auswählen");
}
QString ColBoxBackHint() {
    return QStringLiteral("Hintergrundfarbe auswählen");
}
QString TaktFPCaption() {
    return QStringLiteral("Taktfahrplan");
}
QString TaktFPHint() {
    return QStringLiteral("Fahrplan als Taktfahrplan definieren");
}

QString TrainsBlockAxisText() {
    return QStringLiteral("Zeitachse kann nicht geändert werden -> Zugfahrten !");
}
QString StartAfterEndText() {
    return QStringLiteral("Startzeit ist größer als Endzeit");
}
QString EndBeforeStartText() {
    return QStringLiteral("Endzeit ist kleiner als Startzeit");
}

QString TitleText(const QString& planName) {
    return QStringLiteral("  Fahrplan: ") +
           (planName.isEmpty() ? QStringLiteral("<unbenannt>") : planName);
}

namespace {

// Point times hold whole minutes; comparing minutes keeps 06:00 equal to
// 6 o'clock whatever the rounding of the day fraction.
long MinuteOfPoint(double time) {
    return std::lround(time * 1440.0);
}

template <typename Pred> bool AnyPoint(const PlanRec& plan, Pred pred) {
    const int trains = std::clamp(plan.TrainCount, 0, MaxTrains);
    for (int t = 1; t <= trains; ++t) {
        const PlanZug& z = plan.Trains[t];
        const int points = std::clamp(z.PointCount, 0, MaxPoints);
        for (int p = 1; p <= points; ++p)
            if (pred(MinuteOfPoint(z.Points[p].Time)))
                return true;
    }
    return false;
}

SettingChange Unchanged(int boxIndex) {
    SettingChange c;
    c.BoxIndex = boxIndex;
    return c;
}

SettingChange Refused(int boxIndex, const QString& text) {
    SettingChange c;
    c.BoxIndex = boxIndex;
    c.Error = text;
    return c;
}

} // namespace

SettingChange UhrBegBoxChange(PlanRec& plan, bool& modified, int itemIndex) {
    const int n = itemIndex;
    // No item chosen (or none of the list) changes nothing.
    if (n == plan.StartHour || n < 0 || n > 23)
        return Unchanged(plan.StartHour);
    if (AnyPoint(plan, [n](long m) { return m < n * 60L; }))
        return Refused(plan.StartHour, TrainsBlockAxisText());
    modified = true;
    if (n > plan.EndHour)
        return Refused(plan.StartHour, StartAfterEndText());
    plan.StartHour = n;
    SettingChange c;
    c.Changed = true;
    c.BoxIndex = n;
    c.Resize = true;
    return c;
}

SettingChange UhrEndBoxChange(PlanRec& plan, bool& modified, int itemIndex) {
    const int e = itemIndex + 1;
    if (e == plan.EndHour || itemIndex < 0 || itemIndex > 23)
        return Unchanged(plan.EndHour - 1);
    const long last = e == 24 ? 23L * 60 + 59 : e * 60L;
    if (AnyPoint(plan, [last](long m) { return m > last; }))
        return Refused(plan.EndHour - 1, TrainsBlockAxisText());
    modified = true;
    if (e < plan.StartHour)
        return Refused(plan.EndHour - 1, EndBeforeStartText());
    plan.EndHour = e;
    SettingChange c;
    c.Changed = true;
    c.BoxIndex = itemIndex;
    c.Resize = true;
    return c;
}

SettingChange PPMinBoxChange(PlanRec& plan, bool& modified, int itemIndex) {
    if (itemIndex < 0 || itemIndex > 8 || itemIndex + 1 == plan.Zoom)
        return Unchanged(plan.Zoom - 1);
    modified = true;
    plan.Zoom = itemIndex + 1;
    SettingChange c;
    c.Changed = true;
    c.BoxIndex = itemIndex;
    c.Resize = true;
    return c;
}

SettingChange GridChoiceBoxChange(PlanRec& plan, bool& modified, int itemIndex) {
    if (itemIndex < 0 || itemIndex > 4 || itemIndex == plan.GridStyle)
        return Unchanged(plan.GridStyle);
    modified = true;
    plan.GridStyle = itemIndex;
    SettingChange c;
    c.Changed = true;
    c.BoxIndex = itemIndex;
    c.Repaint = true;
    return c;
}

SettingChange ColBoxBackChange(PlanRec& plan, bool& modified, int itemIndex) {
    plan.BackColor = ColorOfItem(itemIndex, BackColorItems);
    modified = true;
    SettingChange c;
    c.Changed = true;
    c.BoxIndex = itemIndex;
    c.Repaint = true;
    return c;
}

bool cbTaktFPClick(PlanRec& plan, bool& modified) {
    plan.Cyclic = !plan.Cyclic;
    modified = true;
    return plan.Cyclic;
}

QString EditBezChange(PlanRec& plan, bool& modified, const QString& text) {
    modified = true;
    plan.PlanName = text;
    return TitleText(text);
}

bool EditBemChange(PlanRec& plan, const DiagramView& view, bool& modified, const QString& text,
                   Canvas& screen) {
    modified = true;
    if (text == plan.PlanDescription)
        return false;
    DrawDescription(plan, view, text, screen);
    plan.PlanDescription = text;
    return true;
}

PlanSettingIndexes ShowPlanSettings(const PlanRec& plan, int currentColBackIndex) {
    PlanSettingIndexes i;
    i.UhrBeg = plan.StartHour;
    i.UhrEnd = plan.EndHour - 1;
    i.GridChoice = plan.GridStyle;
    i.PPMin = plan.Zoom - 1;
    i.TaktFP = plan.Cyclic;
    i.ColBoxBack = SelectColorItem(currentColBackIndex, plan.BackColor, BackColorItems);
    return i;
}
