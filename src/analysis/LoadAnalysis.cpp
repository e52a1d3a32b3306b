#include "analysis/LoadAnalysis.hpp"

// Placeholder until the load analysis is built.
void analyseSection(DesignModel& /*design*/, int /*slot*/) {}

void analysePass(DesignModel& design, int first, int last) {
  for (int i = first; i <= last; ++i) {
    analyseSection(design, i);
  }
}
