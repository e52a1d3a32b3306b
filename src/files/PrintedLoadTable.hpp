#pragma once

#include "flow/Next.hpp"

class Channel;
struct DesignModel;
struct Workspace;

// Prints the load table report as one job; then the entry command line.
Next printLoadTable(Workspace& work);

// Writes the report of the design and its last analysis to any channel,
// line by line, ending with the form feed and its line end.
void writeLoadTableReport(Channel& out, const DesignModel& design);
