#include "store/TableSchema.h"

using namespace Qt::StringLiterals;

namespace {

FieldDef Auto(const QString& name) {
    return FieldDef{name, FieldType::AutoInc, 0};
}
FieldDef Int(const QString& name) {
    return FieldDef{name, FieldType::Integer, 0};
}
FieldDef Small(const QString& name) {
    return FieldDef{name, FieldType::SmallInt, 0};
}
FieldDef Str(const QString& name, int size) {
    return FieldDef{name, FieldType::String, size};
}
FieldDef Bool(const QString& name) {
    return FieldDef{name, FieldType::Boolean, 0};
}
FieldDef Time(const QString& name) {
    return FieldDef{name, FieldType::Time, 0};
}

QList<TableDef> MakeTables() {
    QList<TableDef> tables;

    TableDef bahnhof;
    bahnhof.FileName = BahnhofFile;
    bahnhof.Fields = {Str(u"Bahnhof"_s, 20),   Auto(u"LfdNr"_s), Int(u"BhfID"_s),
                      Bool(u"Mark"_s),         Str(u"Abk"_s, 5), Int(u"NumGleise"_s),
                      Str(u"Gleisbild"_s, 20), Small(u"Folge"_s)};
    // Stations are found by name; the name is the primary key.
    bahnhof.PrimaryKey = {u"Bahnhof"_s};
    bahnhof.PrimaryIndexName = u"PK_Bahnhof"_s;
    bahnhof.Indexes = {IndexDef{u"IDX_FOLGE"_s, {u"Folge"_s}, false}};
    tables << bahnhof;

    TableDef gleis;
    gleis.FileName = BahnhofGleisFile;
    gleis.Fields = {Int(u"ReferenzNummer"_s), Small(u"Gleis"_s), Auto(u"LFD"_s),
                    Small(u"PosX"_s),         Small(u"PosY"_s),  Int(u"BhfID"_s),
                    Str(u"Bez"_s, 2),         Small(u"GlsNum"_s)};
    gleis.Indexes = {IndexDef{u"IDX_BHFID"_s, {u"BhfID"_s, u"GlsNum"_s}, false}};
    tables << gleis;

    TableDef savePlan;
    savePlan.FileName = SavePlanFile;
    savePlan.Fields = {Auto(u"REFPLAN"_s), Str(u"NAME"_s, 30), Str(u"BESCHREIB"_s, 80),
                       Int(u"UHRVON"_s),   Int(u"UHRBIS"_s),   Small(u"GRIDLINE"_s),
                       Small(u"ZOOM"_s),   Int(u"ANZBHF"_s),   Int(u"ANZZUG"_s),
                       Int(u"BACKCOL"_s),  Bool(u"TAKTFP"_s)};
    tables << savePlan;

    TableDef bhfPlan;
    bhfPlan.FileName = BhfPlanFile;
    bhfPlan.Fields = {Auto(u"BHFID"_s), Int(u"REFPLAN"_s), Str(u"BHFBEZ"_s, 30),
                      Str(u"BHFABK"_s, 5), Int(u"ANZGLS"_s)};
    bhfPlan.Indexes = {IndexDef{u"IDX_REFPLAN"_s, {u"REFPLAN"_s}, false}};
    tables << bhfPlan;

    TableDef glsPlan;
    glsPlan.FileName = GlsPlanFile;
    glsPlan.Fields = {Auto(u"LFD"_s), Int(u"BHFID"_s), Str(u"GLSBEZ"_s, 2)};
    glsPlan.Indexes = {IndexDef{u"IDX_BHFID"_s, {u"BHFID"_s}, false}};
    tables << glsPlan;

    TableDef zugPlan;
    zugPlan.FileName = ZugPlanFile;
    zugPlan.Fields = {Auto(u"LFD"_s),    Int(u"REFPLAN"_s), Int(u"NUM"_s),
                      Str(u"BEZ"_s, 10), Int(u"COL"_s),     Int(u"ANZCNT"_s)};
    zugPlan.Indexes = {IndexDef{u"IDX_REFPLAN"_s, {u"REFPLAN"_s}, false}};
    tables << zugPlan;

    TableDef zcntPlan;
    zcntPlan.FileName = ZCntPlanFile;
    zcntPlan.Fields = {Auto(u"LFD"_s),       Int(u"ZCNT"_s),     Small(u"MODUS"_s),
                       Small(u"RICHTUNG"_s), Small(u"BHFIDX"_s), Small(u"GLSIDX"_s),
                       Str(u"UHRZEIT"_s, 15)};
    zcntPlan.Indexes = {IndexDef{u"IDX_ZCNT"_s, {u"ZCNT"_s}, false}};
    tables << zcntPlan;

    TableDef tabsort;
    tabsort.FileName = TabsortFile;
    tabsort.Fields = {Auto(u"Lfd"_s),      Str(u"ZugS"_s, 15), Time(u"AnZeit"_s),
                      Str(u"BhfS"_s, 30),  Str(u"GlsS"_s, 5),  Time(u"AbTime"_s),
                      Str(u"BhfS1"_s, 30), Str(u"GlsS1"_s, 5), Str(u"BhfName"_s, 30),
                      Bool(u"IsTime"_s),   Bool(u"IsTime1"_s)};
    // The rows of one train in the order they were written, which is its running order.
    tabsort.Indexes = {IndexDef{u"IDX_ZUGS"_s, {u"ZugS"_s, u"Lfd"_s}, false},
                       IndexDef{u"IDX_BHF_ZUGS"_s, {u"BhfName"_s, u"ZugS"_s}, false},
                       IndexDef{u"IDX_BHF_AN"_s, {u"BhfName"_s, u"AnZeit"_s}, false},
                       IndexDef{u"IDX_BHF_AB"_s, {u"BhfName"_s, u"AbTime"_s}, false}};
    tabsort.Scratch = true;
    tables << tabsort;

    TableDef tmpCheck;
    tmpCheck.FileName = TmpCheckFile;
    tmpCheck.Fields = {Auto(u"RecordID"_s), Str(u"Fehler"_s, 50), Str(u"Zug2"_s, 30),
                       Str(u"Zug1"_s, 30),  Small(u"BhfIdx"_s),   Small(u"GlsIdx"_s),
                       Time(u"Uhrzeit"_s),  Bool(u"Strcke"_s),    Str(u"Bhf1"_s, 30),
                       Str(u"Bhf2"_s, 30),  Str(u"Gls"_s, 5)};
    tmpCheck.Scratch = true;
    tables << tmpCheck;

    TableDef tmpPlan;
    tmpPlan.FileName = TmpPlanFile;
    tmpPlan.Fields = {Auto(u"Lfd"_s),     Str(u"ABhf"_s, 30),  Str(u"ZugN"_s, 15),
                      Time(u"Uhrzeit"_s), Small(u"Abfahrt"_s), Str(u"Gleis"_s, 5),
                      Str(u"NBhf"_s, 30), Time(u"ZeitNB"_s),   Str(u"LBhf"_s, 30),
                      Time(u"ZeitLB"_s)};
    tmpPlan.Indexes = {IndexDef{u"IDX_BUG"_s, {u"Abfahrt"_s, u"ABhf"_s, u"Uhrzeit"_s}, false}};
    tmpPlan.Scratch = true;
    tables << tmpPlan;

    return tables;
}

} // namespace

const QList<TableDef>& DfPlanTables() {
    static const QList<TableDef> tables = MakeTables();
    return tables;
}
