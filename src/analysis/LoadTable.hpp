#pragma once

#include "flow/Next.hpp"

struct Workspace;

// View Analysis: gates, header, the rows one by one, then the command line.
Next viewAnalysis(Workspace& work);

// Rows 1 to 4 of the table, the title on row 24; row 23 blanked.
void tableHeader(Workspace& work);

// The row update for the current section N: drawing, exposed length, the
// entry prompts blanked when called from data entry, the table pass over
// 1 to N, and N advanced by one.
void rowUpdate(Workspace& work, bool fromDataEntry);

// Analyses and prints rows first to last and, unless an insertion is
// pending, the half-element totals.
void tablePass(Workspace& work, int first, int last);
