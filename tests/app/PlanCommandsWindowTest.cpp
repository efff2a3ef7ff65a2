#include "../store/StationRows.h"
#include "StoreFixture.h"
#include "CliProcess.h"
#include "ScriptedRunner.h"
#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "app/PlanImage.h"
#include "model/TimeOfDay.h"
#include "store/DataGrid.h"
#include "store/TFNewPlan.h"
#include "store/TFPlanSaveAs.h"
#include "store/TFPrjAssi.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The running program's data module on a scratch directory.
struct ProgramTables : StoreFixture {
    ProgramTables() { dm = Dm.get(); }
    ~ProgramTables() { dm = nullptr; }
    void Restart() {
        dm = nullptr;
        Reopen();
        dm = Dm.get();
    }
};

template <typename D> D* As(QDialog& d) {
    auto* dialog = qobject_cast<D*>(&d);
    EXPECT_NE(dialog, nullptr) << "got " << d.metaObject()->className();
    return dialog;
}

// Composes "Abend" from every station: the last one moved to the front,
// 6 to 8 o'clock, dotted grid, zoom 3.
int ComposeAbend(QDialog& d) {
    TFPrjAssi* a = As<TFPrjAssi>(d);
    if (!a)
        return QDialog::Rejected;
    a->BtnBTA->click();
    a->BtnNext->click();
    const int last = a->sg1->rowCount() - 1;
    a->sg1->setCurrentCell(last, 0);
    for (int i = 0; i < last; ++i)
        a->ud1Up->click();
    a->BtnNext->click();
    a->EditSNetzName->setText(u"Abend"_s);
    a->EditBem->setText(u"Zwei Bahnhöfe"_s);
    a->ZeitBeg->setText(u"6"_s);
    a->ZeitEnd->setText(u"8"_s);
    a->GridChoiceBox->setCurrentIndex(2);
    a->rgPPMin[2]->setChecked(true);
    a->BtnNext->click();
    return a->result();
}

// Chooses the stored plan of that name in the chooser with a double click.
ScriptedRunner::Answer ChoosePlan(const QString& caption, const QString& name) {
    return [caption, name](QDialog& d) {
        TFNewPlan* c = As<TFNewPlan>(d);
        if (!c)
            return int(QDialog::Rejected);
        EXPECT_EQ(c->windowTitle(), caption);
        QAbstractItemModel* m = c->DBGrid1->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 1).data().toString() == name) {
                const QRect cell = c->DBGrid1->visualRect(m->index(r, 1));
                QTest::mouseClick(c->DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
                QTest::mouseDClick(c->DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
                return c->result();
            }
        ADD_FAILURE() << "not in the chooser: " << name.toStdString();
        return int(QDialog::Rejected);
    };
}

QImage PaintBox(TFMain& w) {
    return w.PlanImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(PlanCommandsWindow, ComposedPlanIsStoredAndOpensAgainAsExportedByTheCommandLine) {
    ProgramTables tables;
    AddStation(*tables.Dm, u"Bestadt"_s, u"BS"_s, 3, u"b"_s);
    AddStation(*tables.Dm, u"Adorf"_s, u"AD"_s, 2, u"a"_s);
    auto composed = std::make_unique<PlanRec>();
    {
        ScriptedRunner runner;
        TFMain w;
        w.show();
        runner.Queue(ComposeAbend);
        w.New1->trigger();
        ASSERT_TRUE(runner.AllAnswersUsed());
        EXPECT_EQ(w.DocState, DocNew);
        EXPECT_TRUE(w.Modified);
        EXPECT_TRUE(PlanOpen);
        EXPECT_TRUE(w.Save1->isEnabled());
        EXPECT_TRUE(w.PageControl1->isEnabled());
        EXPECT_EQ(w.EditBez->text(), u"Abend"_s);
        ASSERT_EQ(w.Plan.StationCount, 2);
        EXPECT_EQ(w.Plan.Stations[1].Name, u"Bestadt"_s);
        EXPECT_EQ(w.Plan.Stations[1].Tracks[3].Designation.Text(), u"b3"_s);
        EXPECT_EQ(w.Plan.Stations[2].Name, u"Adorf"_s);
        EXPECT_EQ(w.Plan.StartHour, 6);
        EXPECT_EQ(w.Plan.EndHour, 8);
        EXPECT_EQ(w.Plan.GridStyle, 2);
        EXPECT_EQ(w.Plan.Zoom, 3);

        // A train as the mouse would lay it, so the picture has one.
        PlanZug& z = w.Plan.Trains[1];
        w.Plan.TrainCount = 1;
        z.InUse = true;
        z.Name = u"RB 1"_s;
        z.Color = 0x0000FF;
        z.PointCount = 2;
        z.Points[1].Time = MinutesToTime(6 * 60 + 12);
        z.Points[2].Modus = ModusArrival;
        z.Points[2].BhfIdx = 2;
        z.Points[2].GlsIdx = 2;
        z.Points[2].Time = MinutesToTime(6 * 60 + 47);
        w.Modified = true;
        w.ResizePlan();

        w.Save1->trigger();
        EXPECT_EQ(w.DocState, DocStored);
        EXPECT_FALSE(w.Modified);
        *composed = w.Plan;
        EXPECT_TRUE(w.close());
        EXPECT_TRUE(runner.Shown.size() == 1) << "no question on closing a stored plan";
    }

    tables.Restart();
    ScriptedRunner runner;
    TFMain w;
    w.show();
    runner.Queue(ChoosePlan(u"Fahrplan öffnen"_s, u"Abend"_s));
    w.Open1->trigger();
    ASSERT_TRUE(runner.AllAnswersUsed());
    EXPECT_EQ(w.DocState, DocStored);
    EXPECT_FALSE(w.Modified);
    EXPECT_EQ(w.EditMode, EditTrains);
    EXPECT_EQ(w.SelTrain, 0);
    ExpectSamePlan(w.Plan, *composed);

    const QString file = tables.Dir.File(u"abend.bmp"_s);
    const CliRun run = RunProgram(QString::fromUtf8(ZENTORIA_CLI),
                                  {u"--dir"_s, tables.Dir.Path(), u"export"_s, u"Abend"_s, file});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    QImage exported = QImage(file).convertToFormat(QImage::Format_RGB32);
    QImage shown = PaintBox(w);
    ASSERT_EQ(shown.size(), exported.size());
    // The picture leaves out the description line at the top left, which
    // only the screen shows; everything else is the same pixel for pixel.
    const QRect description(10, 10, 300, 24);
    EXPECT_NE(shown.copy(description), exported.copy(description));
    for (QImage* image : {&shown, &exported})
        for (int y = description.top(); y <= description.bottom(); ++y)
            for (int x = description.left(); x <= description.right(); ++x)
                image->setPixel(x, y, 0);
    EXPECT_TRUE(shown == exported);
    w.Modified = false;
}

// Without an open plan the tool tab's controls change nothing.
TEST(PlanCommandsWindow, WithoutAPlanTheSettingsSetNothing) {
    ProgramTables tables;
    AddStations(*tables.Dm, 2);
    ScriptedRunner runner;
    TFMain w;
    runner.Queue([](QDialog& d) { return As<TFPrjAssi>(d) ? int(QDialog::Rejected) : 0; });
    w.New1->trigger();
    EXPECT_TRUE(w.PageControl1->isEnabled());
    const PlanRec before = w.Plan;
    w.EditBez->setText(u"Gibt es nicht"_s);
    w.EditBem->setText(u"Auch nicht"_s);
    w.GridChoiceBox->setCurrentIndex(3);
    w.PPMinBox->setCurrentIndex(4);
    w.UhrBegBox->setCurrentIndex(5);
    w.ColBoxBack->setCurrentIndex(2);
    w.cbTaktFP->click();
    EXPECT_FALSE(w.Modified);
    EXPECT_FALSE(w.cbTaktFP->isChecked());
    ExpectSamePlan(w.Plan, before);
    EXPECT_EQ(w.DocState, DocNone);
    EXPECT_TRUE(w.close()) << "nothing to ask";
}

TEST(PrjAssiWindow, PagesTitlesAndHourFieldsAsThePlanWillTakeThem) {
    ProgramTables tables;
    AddStations(*tables.Dm, 3);
    ScriptedRunner runner;
    TFPrjAssi a(*tables.Dm);
    EXPECT_EQ(a.windowTitle(), u"Projekt-Assistent"_s);
    EXPECT_EQ(a.size(), QSize(617, 359));
    EXPECT_EQ(a.AssiBook->indexOf(a.Bhfwahl), 0);
    EXPECT_EQ(a.AssiBook->indexOf(a.TimeAx), 1);
    EXPECT_EQ(a.AssiBook->indexOf(a.Reihe), 2);
    EXPECT_EQ(a.AssiBook->currentWidget(), a.Bhfwahl);
    EXPECT_EQ(a.AssiTitel->text(), u"Bahnhofsgruppe auswählen"_s);
    EXPECT_FALSE(a.BtnBack->isEnabled());
    EXPECT_TRUE(a.BtnBTS->isEnabled());
    EXPECT_FALSE(a.BtnTBS->isEnabled());
    EXPECT_EQ(a.GridChoiceBox->currentIndex(), 1);
    EXPECT_EQ(a.GridChoiceBox->count(), 5);
    EXPECT_TRUE(a.rgPPMin[0]->isChecked());
    EXPECT_EQ(a.GridBhfU->model()->rowCount(), 3);

    // One station is not enough; the notice comes and the page stays.
    a.BtnBTS->click();
    EXPECT_EQ(a.GridBhfM->model()->rowCount(), 1);
    EXPECT_TRUE(a.BtnTBS->isEnabled());
    a.BtnNext->click();
    ASSERT_EQ(runner.Shown.size(), 1u);
    EXPECT_EQ(runner.Shown[0].Title, u"Achtung"_s);
    EXPECT_EQ(a.AssiBook->currentWidget(), a.Bhfwahl);

    a.BtnBTA->click();
    EXPECT_FALSE(a.BtnBTA->isEnabled());
    a.BtnNext->click();
    EXPECT_EQ(a.AssiBook->currentWidget(), a.Reihe);
    EXPECT_EQ(a.sg1->rowCount(), 3);
    EXPECT_EQ(a.sg1->item(0, 0)->text(), u"B01"_s);
    a.BtnNext->click();
    EXPECT_EQ(a.AssiBook->currentWidget(), a.TimeAx);
    EXPECT_EQ(a.AssiTitel->text(), u"Fahrplan-Optionen"_s);

    // No name: refused, focus in the name edit.
    a.show();
    a.activateWindow();
    a.BtnNext->click();
    ASSERT_EQ(runner.Shown.size(), 2u);
    EXPECT_EQ(runner.Shown[1].Text, u"Geben Sie bitte einen Fahrplannamen ein !"_s);
    EXPECT_EQ(a.result(), 0);

    // Typed last and finished without leaving the field: still in range.
    a.EditSNetzName->setText(u"Nacht"_s);
    a.ZeitBeg->setText(u"30"_s);
    a.ZeitEnd->setText(u"x"_s);
    a.BtnNext->click();
    EXPECT_EQ(a.result(), int(QDialog::Accepted));
    EXPECT_EQ(a.ZeitBeg->text(), u"23"_s);
    EXPECT_EQ(a.ZeitEnd->text(), u"1"_s);
    const NewPlanOptions o = a.Options();
    EXPECT_EQ(o.StartHour, 23);
    EXPECT_EQ(o.EndHour, 1);
    EXPECT_EQ(o.Name, u"Nacht"_s);
}

TEST(PrjAssiWindow, HourFieldTakesItsRangeWhenTheFocusLeaves) {
    ProgramTables tables;
    AddStations(*tables.Dm, 2);
    TFPrjAssi a(*tables.Dm);
    a.show();
    a.AssiBook->setCurrentWidget(a.TimeAx);
    a.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    a.ZeitEnd->setFocus();
    a.ZeitEnd->setText(u"25"_s);
    a.EditBem->setFocus();
    EXPECT_EQ(a.ZeitEnd->text(), u"24"_s);
    EXPECT_EQ(a.ZeitEnd->maxLength(), 2);
}

TEST(PlanChooserWindow, EscapeCancelsAndTheDescriptionFollowsTheRow) {
    ProgramTables tables;
    for (const char16_t* name : {u"Früh", u"Spät"}) {
        auto plan = MakePlan(2, 1, 0, 0);
        plan->PlanName = QString::fromUtf16(name);
        plan->PlanDescription = u"Beschreibung "_s + plan->PlanName;
        StoreNew(*tables.Dm, *plan);
    }
    TFNewPlan c(*tables.Dm);
    EXPECT_EQ(c.size(), QSize(315, 356));
    EXPECT_EQ(c.DBGrid1->model()->headerData(0, Qt::Horizontal).toString(), u"Lfd."_s);
    EXPECT_EQ(c.DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), u"Fahrplanname"_s);
    EXPECT_EQ(c.DBGrid1->columnWidth(0), 55);
    EXPECT_EQ(c.DBGrid1->columnWidth(1), 200);
    EXPECT_EQ(c.LabelBeschreib->text(), u"Beschreibung Spät"_s);
    c.NavFirst->click();
    EXPECT_EQ(c.LabelBeschreib->text(), u"Beschreibung Früh"_s);
    EXPECT_EQ(tables.Dm->tSavePlan.RecNo(), 1);
    EXPECT_EQ(c.DBGrid1->currentIndex().row(), 0);
    c.show();
    QTest::keyClick(&c, Qt::Key_Escape);
    EXPECT_EQ(c.result(), int(QDialog::Rejected));
}

TEST(PlanCommandsWindow, SaveAsDialogStartsWithTheNameAndCopiesThePlan) {
    ProgramTables tables;
    auto plan = MakePlan(2, 1, 0, 0);
    plan->PlanName = u"Original"_s;
    StoreNew(*tables.Dm, *plan);
    ScriptedRunner runner;
    TFMain w;
    runner.Queue(ChoosePlan(u"Fahrplan öffnen"_s, u"Original"_s));
    w.Open1->trigger();
    runner.Queue([](QDialog& d) {
        TFPlanSaveAs* s = As<TFPlanSaveAs>(d);
        if (!s)
            return int(QDialog::Rejected);
        EXPECT_EQ(s->windowTitle(), u"Fahrplan speichern unter..."_s);
        EXPECT_EQ(s->ENewNam->text(), u"Original"_s);
        s->ENewNam->setText(u"Kopie"_s);
        s->BtnOK->click();
        return s->result();
    });
    w.SaveAs1->trigger();
    EXPECT_EQ(w.EditBez->text(), u"Kopie"_s);
    EXPECT_EQ(w.DocState, DocStored);
    EXPECT_FALSE(w.Modified);
    EXPECT_EQ(tables.Rows(u"SavePlan.DAT"_s), 2);
}

TEST(PlanCommandsWindow, DeletingTheOpenPlanLeavesTheWindowWithoutAPlan) {
    ProgramTables tables;
    for (const char16_t* name : {u"Erster", u"Offen"}) {
        auto plan = MakePlan(2, 1, 0, 0);
        plan->PlanName = QString::fromUtf16(name);
        StoreNew(*tables.Dm, *plan);
    }
    ScriptedRunner runner;
    TFMain w;
    runner.Queue(ChoosePlan(u"Fahrplan öffnen"_s, u"Offen"_s));
    w.Open1->trigger();
    ASSERT_TRUE(PlanOpen);
    runner.Queue(ChoosePlan(u"Fahrplan löschen"_s, u"Offen"_s));
    runner.QueueYes();
    w.Delete1->trigger();
    EXPECT_EQ(runner.Shown.back().Text, u"Soll der Fahrplan 'Offen' wirklich gelöscht werden ?"_s);
    EXPECT_FALSE(PlanOpen);
    EXPECT_EQ(w.DocState, DocNone);
    EXPECT_FALSE(w.Save1->isEnabled());
    EXPECT_FALSE(w.Delete1->isEnabled());
    EXPECT_EQ(tables.Rows(u"SavePlan.DAT"_s), 1);
}
