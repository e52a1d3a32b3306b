#pragma once

#include "flow/Next.hpp"

struct Workspace;

// The two forms that read the four values of the current section N on the
// table screen: the outside diameter on row 19, the wall on row 20, the
// exposed and total lengths on row 21, with N, the OD and the wall printed
// into the section's own row as they are accepted.

// The form of data entry and of the entry command line. With no edit
// pending it is the entry loop itself: after each section the row update
// runs, and the next section is read while N is still within the count;
// then the entry command line. With an insert or change pending it ends
// the edit and goes to View Analysis, which rebuilds the whole table.
Next entrySectionForm(Workspace& work);

// The form of the View Analysis command line, read over the table that is
// on the screen for a pending insert or change; no drawing and no pass.
// Ends the edit and goes to View Analysis.
Next analysisSectionForm(Workspace& work);
