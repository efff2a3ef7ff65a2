#include "store/TableFiles.h"

#include "store/SampleData.h"
#include "store/TableSchema.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"
#include "tablestore/TableFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

bool WriteTableFiles(const QString& dir, bool sample, bool missingOnly, QStringList& created,
                     QString& error) {
    created.clear();
    const QDir target(dir);
    if (!target.exists()) {
        error = u"Das Verzeichnis „%1“ gibt es nicht."_s.arg(QDir::toNativeSeparators(dir));
        return false;
    }
    QList<TableDef> missing;
    for (const TableDef& def : DfPlanTables()) {
        if (!QFileInfo::exists(target.filePath(def.FileName)))
            missing << def;
        else if (!missingOnly) {
            error = u"Die Datei „%1“ gibt es schon; es wird nichts geschrieben."_s.arg(
                QDir::toNativeSeparators(target.filePath(def.FileName)));
            return false;
        }
    }
    try {
        for (const TableDef& def : std::as_const(missing)) {
            CreateTableFile(dir, def);
            created << def.FileName;
        }
    } catch (const StoreError& e) {
        error = e.Text();
        return false;
    }
    if (!sample)
        return true;
    const bool stations = created.contains(BahnhofFile) && created.contains(BahnhofGleisFile);
    const bool plan = created.contains(SavePlanFile) && created.contains(BhfPlanFile) &&
                      created.contains(GlsPlanFile) && created.contains(ZugPlanFile) &&
                      created.contains(ZCntPlanFile);
    if (!stations && !plan)
        return true;
    std::unique_ptr<Tdm> dm = Tdm::Open(dir, error);
    if (!dm)
        return false;
    return WriteSampleData(*dm, stations, plan, error);
}
