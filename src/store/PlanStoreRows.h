#pragma once

class Tdm;

// Steps shared by the plan routines; they throw StoreError and run inside
// the caller's transaction.
namespace PlanRows {
// tSavePlan must stand on a header row.
void RequireCurrentPlan(Tdm& dm);
// Reads the detail views of the current plan afresh.
void RefreshDetails(Tdm& dm);
void DeleteDetails(Tdm& dm);
} // namespace PlanRows
