#include "StoreFixture.h"

#include "model/TimeOfDay.h"
#include "store/PlanStore.h"
#include "store/TableFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

StoreFixture::StoreFixture(bool sample) {
    QStringList created;
    QString error;
    if (!WriteTableFiles(Dir.Path(), sample, false, created, error))
        ADD_FAILURE() << error.toStdString();
    Reopen();
}

void StoreFixture::Reopen() {
    Dm.reset();
    QString error;
    Dm = Tdm::Open(Dir.Path(), error);
    if (!Dm)
        ADD_FAILURE() << error.toStdString();
}

qint64 StoreFixture::Query(const QString& sql, const QStringList& files) {
    QString text = sql;
    for (const QString& file : files)
        text = text.arg(Dm->DBAll.QualifiedName(file));
    Statement st = Dm->DBAll.Prepare(text);
    return st.Step() ? st.Int(0) : -1;
}

int StoreFixture::Rows(const QString& file) {
    return int(Query(u"SELECT count(*) FROM %1"_s, {file}));
}

int StoreFixture::Orphans() {
    return int(Query(
        u"SELECT (SELECT count(*) FROM %1 b WHERE b.REFPLAN NOT IN (SELECT REFPLAN FROM %2))"_s
        u" + (SELECT count(*) FROM %3 g WHERE g.BHFID NOT IN (SELECT BHFID FROM %1))"_s
        u" + (SELECT count(*) FROM %4 z WHERE z.REFPLAN NOT IN (SELECT REFPLAN FROM %2))"_s
        u" + (SELECT count(*) FROM %5 c WHERE c.ZCNT NOT IN (SELECT LFD FROM %4))"_s,
        {BhfPlanFile, SavePlanFile, GlsPlanFile, ZugPlanFile, ZCntPlanFile}));
}
