#pragma once

#include <QString>

class Tdm;

// Puts tSavePlan on the plan named by a command's PLAN argument: a REFPLAN
// number, or else the exact NAME. False with a German `error` when no plan
// or more than one plan has that name.
bool SelectPlan(Tdm& dm, const QString& arg, QString& error);
