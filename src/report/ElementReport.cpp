#include "report/ElementReport.hpp"

#include <utility>

#include "analysis/LoadAnalysis.hpp"

ElementReport analyseElement(std::string file, const ElementFileContents& contents,
                             const DesignOptions& options) {
  ElementReport report;
  report.file = std::move(file);
  DesignModel& design = report.design;
  design.options = options;
  applyElementFile(contents, design.element);
  const int count = static_cast<int>(contents.sections.size());
  report.sections.reserve(contents.sections.size());
  startPass(design);
  for (int slot = 1; slot <= count; ++slot) {
    analyseSection(design, slot);
    report.sections.push_back(SectionFigures{
        design.analysis.sections[static_cast<std::size_t>(slot)], design.totals.sectionMoment,
        design.totals.sectionStress, design.totals.cumulativeLength});
  }
  return report;
}
