#pragma once

#include <string>
#include <vector>

#include "files/ElementFile.hpp"
#include "model/Design.hpp"

// One element file analysed as View Analysis would analyse it after a
// recall: the design read from the file, the options chosen for the report,
// and the results of one pass over all its sections.
struct SectionFigures {
  SectionResult result;
  // What the pass held right after this section: its own moment and
  // stress, which its maximum wind speed comes from, and the cumulative
  // exposed length up to its end.
  Single momentLbIn = 0;
  Single stressPsi = 0;
  Single cumulativeLengthIn = 0;
};

struct ElementReport {
  std::string file;                      // the path as it was given
  DesignModel design;                    // sections, options, results and totals of the pass
  std::vector<SectionFigures> sections;  // section 1 (the tip) first
};

// `contents` must be a usable design (no elementFileProblem).
ElementReport analyseElement(std::string file, const ElementFileContents& contents,
                             const DesignOptions& options);
