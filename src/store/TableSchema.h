#pragma once

#include "tablestore/TableDef.h"

#include <QList>
#include <QString>

// File names of the ten tables of database "DFPlan".
inline const QString BahnhofFile = QStringLiteral("Bahnhof.DAT");
inline const QString BahnhofGleisFile = QStringLiteral("BahnhofGleis.DAT");
inline const QString SavePlanFile = QStringLiteral("SavePlan.DAT");
inline const QString BhfPlanFile = QStringLiteral("BhfPlan.DAT");
inline const QString GlsPlanFile = QStringLiteral("GlsPlan.DAT");
inline const QString ZugPlanFile = QStringLiteral("ZugPlan.DAT");
inline const QString ZCntPlanFile = QStringLiteral("ZCntPlan.DAT");
inline const QString TabsortFile = QStringLiteral("Tabsort.DAT");
inline const QString TmpCheckFile = QStringLiteral("TmpCheck.DAT");
inline const QString TmpPlanFile = QStringLiteral("TmpPlan.DAT");

// The ten tables with their fields, sizes, keys and indexes, in the order
// the data module declares them.
const QList<TableDef>& DfPlanTables();
