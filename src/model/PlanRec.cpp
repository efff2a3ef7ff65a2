#include "model/PlanRec.h"

void ResetPlan(PlanRec& plan) {
    // Value-initialising gives exactly the reset values, and the strings
    // give back their memory.
    plan = PlanRec{};
}
