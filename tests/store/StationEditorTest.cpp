#include "ScriptedRunner.h"
#include "StoreFixture.h"

#include "store/TFBhfDB.h"
#include "store/TFBhfEdit.h"
#include "store/TableSchema.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHeaderView>
#include <QStatusBar>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Types into the station dialog and presses OK; gives what the dialog ended with.
ScriptedRunner::Answer Type(const StationInput& input, QString* caption = nullptr,
                            StationInput* shown = nullptr) {
    return [=](QDialog& d) {
        auto* form = qobject_cast<TFBhfEdit*>(&d);
        if (!form) {
            ADD_FAILURE() << "expected the station dialog";
            return int(QDialog::Rejected);
        }
        if (caption)
            *caption = form->windowTitle();
        if (shown)
            *shown = form->Input();
        form->SetInput(input);
        form->OKBtn->click();
        return form->result();
    };
}

QString Station(Tdm& dm) {
    return dm.tBhf.FieldByName(u"Bahnhof"_s).AsString();
}

} // namespace

TEST(StationEditor, WindowsHaveTheirCaptionsSizesAndColumns) {
    StoreFixture f(true);
    TFBhfDB db(*f.Dm);
    EXPECT_EQ(db.windowTitle(), u"Bahnhofsdatenbank bearbeiten"_s);
    EXPECT_EQ(db.size(), QSize(278, 433));
    EXPECT_EQ(db.DBGrid1->model()->columnCount(), 3);
    const QStringList titles{u"Bahnhof"_s, u"Gleise"_s, u"Abk"_s};
    const int widths[] = {120, 55, 55};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(db.DBGrid1->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
        EXPECT_EQ(db.DBGrid1->columnWidth(c), widths[c]);
    }
    EXPECT_EQ(db.DBGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    for (auto [button, hint] : {std::pair{db.NewBhf, u"Neuen Bahnhof definieren"_s},
                                {db.EditBhf, u"Markierten Bahnhof editieren"_s},
                                {db.DelBhf, u"Bahnhof löschen"_s}})
        EXPECT_EQ(button->statusTip(), hint);
    // The pointer over a button shows its hint in the window's status bar.
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(db.DelBhf, &enter);
    EXPECT_EQ(db.StatusBar1->currentMessage(), u"Bahnhof löschen"_s);
    // The first station in name order has two tracks.
    EXPECT_EQ(db.BezEdits.size(), 2);
    EXPECT_EQ(db.BezEdits[0]->maxLength(), 2);

    TFBhfEdit edit(f.Dm->tBhf);
    EXPECT_EQ(edit.windowTitle(), u"Bahnhof eingeben"_s);
    EXPECT_EQ(edit.size(), QSize(303, 145));
    EXPECT_EQ(edit.DBEdit1->maxLength(), 20);
    EXPECT_EQ(edit.DBEdit2->maxLength(), 5);
    QApplication::sendEvent(edit.OKBtn, &enter);
    EXPECT_EQ(edit.StatusBar1->currentMessage(), u"Neuen Bahnhof abspeichern"_s);
}

TEST(StationEditor, NewStationThroughTheDialogGetsItsTracksAndTheirDesignationsAreEdited) {
    StoreFixture f;
    ScriptedRunner runner;
    TFBhfDB db(*f.Dm);
    QString caption;
    runner.Queue(Type({u"Adorf"_s, u"AD"_s, u"3"_s}, &caption));
    db.NewBhf->click();
    EXPECT_EQ(caption, u"Bahnhof neu eingeben"_s);
    EXPECT_EQ(Station(*f.Dm), u"Adorf"_s);
    ASSERT_EQ(db.BezEdits.size(), 3);
    EXPECT_EQ(db.BezEdits[2]->text(), u"3"_s);
    EXPECT_EQ(db.DBGrid1->model()->rowCount(), 1);

    // Typing a designation stores it at once.
    db.BezEdits[1]->setFocus();
    QTest::keyClick(db.BezEdits[1], Qt::Key_Backspace);
    QTest::keyClicks(db.BezEdits[1], u"2a"_s);
    EXPECT_EQ(db.BezEdits[1]->text(), u"2a"_s);
    EXPECT_EQ(
        f.Query(u"SELECT count(*) FROM %1 WHERE GlsNum = 2 AND Bez = '2a'"_s, {BahnhofGleisFile}),
        1);

    // Editing to five tracks keeps it and numbers the new ones.
    runner.Queue(Type({u"Adorf"_s, u"AD"_s, u"5"_s}, &caption));
    db.EditBhf->click();
    EXPECT_EQ(caption, u"Bahnhof editieren"_s);
    ASSERT_EQ(db.BezEdits.size(), 5);
    EXPECT_EQ(db.BezEdits[1]->text(), u"2a"_s);
    EXPECT_EQ(db.BezEdits[4]->text(), u"5"_s);
    EXPECT_TRUE(runner.AllAnswersUsed());
}

TEST(StationEditor, DuplicateNameIsRefusedAndTheDialogReturnsWithTheInput) {
    StoreFixture f(true);
    ScriptedRunner runner;
    TFBhfDB db(*f.Dm);
    const int stations = f.Rows(BahnhofFile);
    const StationInput typed{u"Lindenau"_s, u"LX"_s, u"4"_s};
    runner.Queue(Type(typed));
    runner.Queue([](QDialog& message) { // the refusal, read below
        message.accept();
        return int(QDialog::Accepted);
    });
    QString caption;
    StationInput shownAgain;
    runner.Queue(Type({u"Lindenau Ost"_s, u"LX"_s, u"4"_s}, &caption, &shownAgain));
    db.NewBhfClick();

    ASSERT_EQ(runner.Shown.size(), 3u);
    EXPECT_EQ(runner.Shown[1].Title, u"Fehler"_s);
    EXPECT_EQ(runner.Shown[1].Text, u"Ein Bahnhof mit diesem Namen existiert bereits !"_s);
    EXPECT_EQ(caption, u"Bahnhof neu eingeben"_s);
    EXPECT_EQ(shownAgain.Name, typed.Name);
    EXPECT_EQ(shownAgain.Abbr, typed.Abbr);
    EXPECT_EQ(shownAgain.Count, typed.Count);
    EXPECT_EQ(f.Rows(BahnhofFile), stations + 1);
    EXPECT_EQ(Station(*f.Dm), u"Lindenau Ost"_s);
    EXPECT_EQ(f.Dm->tGleis.RecordCount(), 4);
}

TEST(StationEditor, RefusedCountKeepsTheDialogOpenWithWhatWasTyped) {
    StoreFixture f;
    ScriptedRunner runner;
    TFBhfDB db(*f.Dm);
    std::vector<QString> stillThere;
    runner.Queue([&stillThere](QDialog& d) {
        auto& form = static_cast<TFBhfEdit&>(d);
        form.SetInput({u"Adorf"_s, u"AD"_s, u"31"_s});
        for (const QString& count : {u"31"_s, u"-1"_s, u"1-2"_s, u"30"_s}) {
            form.DBEdit3->setText(count);
            form.OKBtn->click();
            stillThere.push_back(form.result() == QDialog::Accepted ? QString()
                                                                    : form.DBEdit1->text());
        }
        return form.result();
    });
    db.NewBhfClick();
    EXPECT_EQ(stillThere, (std::vector<QString>{u"Adorf"_s, u"Adorf"_s, u"Adorf"_s, QString()}));
    ASSERT_EQ(runner.Shown.size(), 4u);
    EXPECT_EQ(runner.Shown[1].Text, u"Ein Bahnhof kann höchstens 30 Gleise haben."_s);
    EXPECT_EQ(runner.Shown[2].Text, u"Die Gleisanzahl darf nicht negativ sein."_s);
    EXPECT_TRUE(runner.Shown[3].Text.startsWith(u"'1-2' ist keine gültige Gleisanzahl."_s));
    EXPECT_EQ(f.Dm->tGleis.RecordCount(), 30);
    // The count field takes nothing but what a whole number is made of.
    TFBhfEdit edit(f.Dm->tBhf);
    edit.DBEdit3->clear();
    QTest::keyClicks(edit.DBEdit3, u"1a2"_s);
    EXPECT_EQ(edit.DBEdit3->text(), u"12"_s);
}

TEST(StationEditor, CancelledNewStationLeavesNothing) {
    StoreFixture f;
    ScriptedRunner runner;
    TFBhfDB db(*f.Dm);
    runner.Queue([](QDialog& d) {
        static_cast<TFBhfEdit&>(d).SetInput({u"Adorf"_s, u"AD"_s, u"3"_s});
        static_cast<TFBhfEdit&>(d).CancelBtn->click();
        return d.result();
    });
    db.NewBhfClick();
    EXPECT_EQ(f.Dm->tBhf.GetState(), Cursor::State::Browse);
    EXPECT_EQ(f.Rows(BahnhofFile), 0);
}

TEST(StationEditor, DeleteAsksWithTheNameAndOnlyYesDeletes) {
    StoreFixture f(true);
    ScriptedRunner runner;
    TFBhfDB db(*f.Dm);
    const int stations = f.Rows(BahnhofFile);
    ASSERT_TRUE(f.Dm->tBhf.FindKey({u"Steinach"_s}));
    EXPECT_EQ(db.BezEdits.size(), 4);
    runner.QueueNo();
    db.DelBhf->click();
    EXPECT_EQ(f.Rows(BahnhofFile), stations);
    runner.QueueYes();
    db.DelBhf->click();
    ASSERT_EQ(runner.Shown.size(), 2u);
    EXPECT_EQ(runner.Shown[0].Text, u"Soll der Bahnhof 'Steinach' wirklich gelöscht werden ?"_s);
    EXPECT_EQ(f.Rows(BahnhofFile), stations - 1);
    EXPECT_FALSE(f.Dm->tBhf.FindKey({u"Steinach"_s}));
    EXPECT_EQ(db.BezEdits.size(), f.Dm->tGleis.RecordCount());
}

TEST(StationEditor, EditAndDeleteOnAnEmptyDatabaseDoNothing) {
    StoreFixture f;
    ScriptedRunner runner; // any dialog would fail the test
    TFBhfDB db(*f.Dm);
    db.EditBhf->click();
    db.DelBhf->click();
    EXPECT_TRUE(runner.Shown.empty());
    EXPECT_EQ(f.Dm->tBhf.GetState(), Cursor::State::Browse);
}

TEST(StationEditor, ChoosingARowInTheGridShowsThatStationsTracks) {
    StoreFixture f(true);
    TFBhfDB db(*f.Dm);
    // Name order: Birkenhain, Haselfeld, Kaltenquell, Kesselbrunn, …
    db.DBGrid1->selectRow(3);
    EXPECT_EQ(Station(*f.Dm), u"Kesselbrunn"_s);
    EXPECT_EQ(db.BezEdits.size(), 5);
    db.NavFirst->click();
    EXPECT_EQ(db.DBGrid1->currentIndex().row(), 0);
    EXPECT_EQ(db.BezEdits.size(), 2);
    db.NavLast->click();
    EXPECT_EQ(db.DBGrid1->currentIndex().row(), f.Dm->tBhf.RecordCount() - 1);
}
