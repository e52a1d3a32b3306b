#pragma once

struct Workspace;

// DrawSection: the side view of the current section N, drawn as a rectangle
// at ProfileY on the centre line x = 560, with red ice lines when ice loading
// is on; ProfileY then moves down by the drawn height so that the next
// section stacks below this one.
void drawSection(Workspace& work);
