#pragma once

#include <QString>

#include <memory>

class Tdm;

// Puts tSavePlan on the plan named by a command's PLAN argument: a REFPLAN
// number, or else the exact NAME. False with a German `error` when no plan
// or more than one plan has that name.
bool SelectPlan(Tdm& dm, const QString& arg, QString& error);

class CliContext;
struct PlanRec;

// The plan named by PLAN, loaded from the tables; null after printing the
// German error, with `exitCode` set.
std::unique_ptr<PlanRec> LoadCliPlan(CliContext& context, const QString& arg, int& exitCode);
