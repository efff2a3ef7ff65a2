#pragma once

#include <QString>
#include <QStringList>

class Tdm;

// What the new-plan assistant returns to "Neu": the options page as read
// when the user finished, hours already within their ranges.
struct NewPlanOptions {
    QString Name;
    QString Description;
    int StartHour = 0;
    int EndHour = 24;
    int GridStyle = 1;
    int Zoom = 1;
    bool Cyclic = false;
};

// The hour fields of the options page: a text that is not a whole number
// reads as the field's minimum, anything outside the range as its nearest
// bound. Start 0–23, end 1–24.
int HourFieldValue(const QString& text, int minimum, int maximum);
constexpr int StartHourMin = 0;
constexpr int StartHourMax = 23;
constexpr int EndHourMin = 1;
constexpr int EndHourMax = 24;

// Enabling of the four move buttons between the station lists.
struct MoveButtons {
    bool SelectOne = true;    // ">"
    bool SelectAll = true;    // ">>"
    bool DeselectOne = false; // "<"
    bool DeselectAll = false; // "<<"
};

// A notice the assistant shows instead of going on.
struct AssiNotice {
    QString Title;
    QString Text;
    bool Shown() const { return !Text.isEmpty(); }
};

// The decisions of the assistant, on the station database of `dm`: the
// chosen stations are the rows with Mark set (tBhfM), their order Folge.
// The window only shows what this holds and passes the clicks on.
class PrjAssiSteps {
public:
    // Every station available, none chosen; tBhfM, tBhfU and tBhf on the
    // name index.
    explicit PrjAssiSteps(Tdm& dm);

    int Step() const { return CurrentStep; }
    const QString& Title() const { return TitleText; }
    bool BackEnabled() const { return CurrentStep > 0; }
    const MoveButtons& Buttons() const { return Moves; }
    // The order grid: station names in plan order, and its selected row.
    const QStringList& Order() const { return Rows; }
    int OrderRow() const { return SelectedRow; }
    void SetOrderRow(int row);

    // ">", ">>", "<", "<<" on the current rows of tBhfU and tBhfM.
    void SelectOne();
    void SelectAll();
    void DeselectOne();
    void DeselectAll();

    // "Weiter ->": a notice and the same step, or the next step. On the
    // last step `finished` is set when the plan may be built: tBhfM is then
    // on IDX_FOLGE, the stations in plan order.
    AssiNotice Next(const QString& planName, bool& finished);
    // "<- Zurück".
    void Back();
    // A click of the up/down control on the order grid; every chosen
    // station's Folge is its grid row + 1 afterwards.
    void MoveOrder(bool up);

private:
    void FillOrder();
    void WriteOrder();

    Tdm& Dm;
    int CurrentStep = 0;
    QString TitleText;
    MoveButtons Moves;
    QStringList Rows;
    int SelectedRow = 0;
};
