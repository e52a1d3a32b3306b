#pragma once

#include "model/Design.hpp"

// Analyses section `slot` (AnalyseSection): writes its results and updates
// the running totals. Pure: no screen, no failure.
void analyseSection(DesignModel& design, int slot);

// Zeroes the running totals, as a pass begins.
void startPass(DesignModel& design);

// Zeroes the running totals, then analyses sections first to last in order.
void analysePass(DesignModel& design, int first, int last);
