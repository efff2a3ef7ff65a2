#include "../store/StationRows.h"
#include "ScriptedRunner.h"
#include "StoreFixture.h"
#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "app/PlanImage.h"
#include "diagram/ColorTable.h"
#include "editing/TFBhfPlus.h"
#include "editing/TFZugName.h"
#include "model/TimeOfDay.h"
#include "store/DataGrid.h"
#include "store/PlanStore.h"
#include "store/TFNewPlan.h"
#include "store/TFPrjAssi.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ProgramTables : StoreFixture {
    ProgramTables() { dm = Dm.get(); }
    ~ProgramTables() { dm = nullptr; }
};

template <typename D> D* As(QDialog& d) {
    auto* dialog = qobject_cast<D*>(&d);
    EXPECT_NE(dialog, nullptr) << "got " << d.metaObject()->className();
    return dialog;
}

// Every database station in database order, 6 to 9 o'clock.
int ComposeLinie(QDialog& d) {
    TFPrjAssi* a = As<TFPrjAssi>(d);
    if (!a)
        return QDialog::Rejected;
    a->BtnBTA->click();
    a->BtnNext->click();
    a->BtnNext->click();
    a->EditSNetzName->setText(u"Linie"_s);
    a->ZeitBeg->setText(u"6"_s);
    a->ZeitEnd->setText(u"9"_s);
    a->BtnNext->click();
    return a->result();
}

// The user's hand on the paint box of a window.
struct Mouse {
    TFMain& W;
    QPoint Track(int b, int g, int hour, int minute) const {
        const int minutes = (hour - W.Plan.StartHour) * 60 + minute;
        return {W.Plan.Stations[b].Tracks[g].X, W.View.TimeTop + minutes * W.Plan.Zoom};
    }
    QPoint Header(int b) const {
        const TRect r = W.Plan.Stations[b].HeaderRect;
        return {r.Left + 2, r.Top + 2};
    }
    QPoint Marker(int train, int point) const {
        const TRect r = W.Plan.Trains[train].Points[point].MarkerRect;
        return {r.Left + 3, r.Top + 3};
    }
    // What the user sees is painted before the next click; the paint stores
    // the rectangles the clicks are aimed at.
    void Settle() const { W.PlanImage->grab(); }
    void Click(QPoint p, Qt::MouseButton b = Qt::LeftButton) const {
        QTest::mouseMove(W.PlanImage, p);
        QTest::mousePress(W.PlanImage, b, {}, p);
        QTest::mouseRelease(W.PlanImage, b, {}, p);
    }
};

// No command of the run was refused.
void ExpectNoMessage(const ScriptedRunner& runner) {
    for (const ShownDialog& s : runner.Shown)
        if (s.Kind == u"TFMsgOK"_s)
            ADD_FAILURE() << s.Title.toStdString() << ": " << s.Text.toStdString();
}

struct Laid {
    int Station, Track, Hour, Minute;
};

} // namespace

TEST(EditingEndToEnd, DrawRenameRecolourAddRemoveSaveReopen) {
    ProgramTables tables;
    AddStation(*tables.Dm, u"Adorf"_s, u"AD"_s, 2);
    AddStation(*tables.Dm, u"Bestadt"_s, u"BS"_s, 1);
    AddStation(*tables.Dm, u"Cehausen"_s, u"CH"_s, 3);
    ScriptedRunner runner;
    TFMain w;
    w.show();
    runner.Queue(ComposeLinie);
    w.New1->trigger();
    ASSERT_TRUE(PlanOpen);
    ASSERT_EQ(w.Plan.StationCount, 3);
    const Mouse m{w};
    m.Settle();

    const std::vector<Laid> first{{1, 1, 6, 10}, {2, 1, 6, 30}, {2, 1, 6, 35}, {3, 2, 6, 50}};
    const std::vector<Laid> second{{3, 3, 7, 0}, {2, 1, 7, 20}};
    for (const auto* train : {&first, &second}) {
        w.NewTrainBtn->click();
        for (const Laid& p : *train)
            m.Click(m.Track(p.Station, p.Track, p.Hour, p.Minute));
        m.Click(m.Track(1, 1, 8, 0), Qt::RightButton);
    }
    ASSERT_EQ(w.Plan.TrainCount, 2);
    ASSERT_EQ(w.Plan.Trains[1].PointCount, 4) << w.InsertError.toStdString();
    ASSERT_EQ(w.Plan.Trains[2].PointCount, 2);
    ExpectNoMessage(runner);

    // rename the first train
    m.Click(m.Marker(1, 2));
    ASSERT_EQ(w.SelTrain, 1);
    runner.Queue([](QDialog& d) {
        TFZugName* z = As<TFZugName>(d);
        if (!z)
            return int(QDialog::Rejected);
        EXPECT_EQ(z->Edit1->text(), u"Zug #1"_s);
        z->Edit1->setText(u"RE 7"_s);
        z->OKBtn->click();
        return z->result();
    });
    w.NewNameBtn->click();
    EXPECT_EQ(w.Plan.Trains[1].Name, u"RE 7"_s);
    // recolour the second
    m.Click(m.Marker(2, 1));
    ASSERT_EQ(w.SelTrain, 2);
    ASSERT_TRUE(w.TrainMarked);
    w.ColBox->setCurrentIndex(9);
    EXPECT_EQ(w.Plan.Trains[2].Color, clRed);
    EXPECT_EQ(w.Plan.Trains[1].Color, clBlue);

    // add a station, then remove it again
    AddStation(*tables.Dm, u"Dewald"_s, u"DW"_s, 2);
    runner.Queue([](QDialog& d) {
        TFBhfPlus* p = As<TFBhfPlus>(d);
        if (!p)
            return int(QDialog::Rejected);
        EXPECT_EQ(p->windowTitle(), u"Verfügbare Bahnhöfe"_s);
        EXPECT_EQ(p->DBGrid2->rowCount(), 1);
        EXPECT_EQ(p->DBGrid2->item(0, 0)->text(), u"Dewald"_s);
        p->OKBtn->click();
        return p->result();
    });
    w.sbBhfPlus->click();
    ASSERT_EQ(w.Plan.StationCount, 4);
    m.Settle();
    EXPECT_EQ(w.DocState, DocStored);
    EXPECT_EQ(w.EditMode, EditTrains);
    m.Click(m.Header(4));
    ASSERT_TRUE(w.Plan.Stations[4].Marked);
    w.sbBhfMinus->click();
    ASSERT_EQ(w.Plan.StationCount, 3);
    EXPECT_EQ(w.EditMode, EditTrains);
    ExpectNoMessage(runner);
    w.Save1->trigger();
    EXPECT_FALSE(w.Modified);

    // open it in a fresh window: every point where it was drawn
    TFMain again;
    again.show();
    runner.Queue([](QDialog& d) {
        TFNewPlan* c = As<TFNewPlan>(d);
        if (!c)
            return int(QDialog::Rejected);
        QAbstractItemModel* model = c->DBGrid1->model();
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->index(r, 1).data().toString() == u"Linie"_s) {
                const QRect cell = c->DBGrid1->visualRect(model->index(r, 1));
                QTest::mouseClick(c->DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
                QTest::mouseDClick(c->DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
                return c->result();
            }
        ADD_FAILURE() << "Linie is not in the chooser";
        return int(QDialog::Rejected);
    });
    again.Open1->trigger();
    ASSERT_TRUE(runner.AllAnswersUsed());
    const PlanRec& p = again.Plan;
    ASSERT_EQ(p.StationCount, 3);
    ASSERT_EQ(p.TrainCount, 2);
    EXPECT_EQ(p.Trains[1].Name, u"RE 7"_s);
    EXPECT_EQ(p.Trains[2].Color, clRed);
    for (int t = 1; t <= 2; ++t) {
        const std::vector<Laid>& laid = t == 1 ? first : second;
        ASSERT_EQ(p.Trains[t].PointCount, int(laid.size()));
        for (int i = 0; i < int(laid.size()); ++i) {
            const PlanCnt& c = p.Trains[t].Points[i + 1];
            EXPECT_EQ(c.BhfIdx, laid[i].Station) << t << "/" << i;
            EXPECT_EQ(c.GlsIdx, laid[i].Track) << t << "/" << i;
            EXPECT_EQ(TimeToText(c.Time), TimeToText(EncodeTime(laid[i].Hour, laid[i].Minute)));
        }
    }
    EXPECT_EQ(p.Trains[2].Points[2].Richtung, RichtungLeft);
    EXPECT_EQ(again.EditMode, EditTrains);
}

TEST(EditingDialogs, RenameDialogTakesTenCharactersAndCancelKeepsTheName) {
    TFZugName d(u"Zug #1"_s);
    EXPECT_EQ(d.windowTitle(), u"Zugbezeichnung ändern"_s);
    EXPECT_EQ(d.focusWidget(), d.Edit1);
    EXPECT_EQ(d.CancelBtn->text(), u"Abbruch"_s);
    EXPECT_EQ(d.OKBtn->statusTip(), u"Zugbezeichnung abspeichern"_s);
    EXPECT_EQ(d.CancelBtn->statusTip(), u"Funktion abbrechen"_s);
    d.Edit1->clear();
    QTest::keyClicks(d.Edit1, u"ICE 1234 XY"_s);
    EXPECT_EQ(d.Edit1->text(), u"ICE 1234 X"_s);
    // the status bar shows the hint of the control under the pointer
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(d.CancelBtn, &move);
    EXPECT_EQ(d.sb1->currentMessage(), u"Funktion abbrechen"_s);
    QCoreApplication::sendEvent(d.ButtonPanel, &move);
    EXPECT_EQ(d.sb1->currentMessage(), QString());

    ScriptedRunner runner;
    TFMain w;
    w.Plan.StationCount = 2;
    w.Plan.TrainCount = 1;
    w.Plan.Trains[1].InUse = true;
    w.Plan.Trains[1].PointCount = 2;
    w.Plan.Trains[1].Name = u"Zug #1"_s;
    w.NewNameBtnClick();
    ASSERT_EQ(runner.Shown.size(), 1u);
    EXPECT_EQ(runner.Shown[0].Text, u"Kein Zug markiert"_s);
    w.SelTrain = 1;
    w.TrainMarked = true;
    runner.Queue([](QDialog& dialog) {
        TFZugName* z = As<TFZugName>(dialog);
        if (z)
            z->Edit1->setText(u"Anders"_s);
        return int(QDialog::Rejected);
    });
    w.NewNameBtnClick();
    EXPECT_EQ(w.Plan.Trains[1].Name, u"Zug #1"_s);
    EXPECT_FALSE(w.Modified);
}

TEST(EditingEndToEnd, SavingEndsARunningInsertionAndStoresNoHalfTrain) {
    ProgramTables tables;
    AddStation(*tables.Dm, u"Adorf"_s, u"AD"_s, 2);
    AddStation(*tables.Dm, u"Bestadt"_s, u"BS"_s, 1);
    ScriptedRunner runner;
    TFMain w;
    w.show();
    runner.Queue(ComposeLinie);
    w.New1->trigger();
    ASSERT_TRUE(PlanOpen);
    const Mouse m{w};
    m.Settle();
    // one whole train, then a second with only its first departure
    w.NewTrainBtn->click();
    m.Click(m.Track(1, 1, 6, 10));
    m.Click(m.Track(2, 1, 6, 30));
    m.Click(m.Track(1, 1, 8, 0), Qt::RightButton);
    w.NewTrainBtn->click();
    m.Click(m.Track(1, 2, 7, 0));
    ASSERT_EQ(w.EditMode, EditInsertTrain);
    ASSERT_EQ(w.Plan.Trains[2].PointCount, 1);
    w.Save1->trigger();
    ExpectNoMessage(runner);
    EXPECT_EQ(w.EditMode, EditTrains);
    EXPECT_TRUE(w.NewTrainBtn->isEnabled());
    EXPECT_FALSE(w.Plan.Trains[2].InUse);
    EXPECT_EQ(w.DocState, DocStored);
    PlanRec stored;
    ASSERT_TRUE(LoadPlan(*tables.Dm, stored).Ok);
    ASSERT_EQ(stored.TrainCount, 1);
    EXPECT_EQ(stored.Trains[1].PointCount, 2);
}
