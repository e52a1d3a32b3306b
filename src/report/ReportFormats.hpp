#pragma once

#include <string>

#include "common/Single.hpp"
#include "report/ElementReport.hpp"

// The ways a report leaves the program. Texts are UTF-8 with code page 437
// converted (ASCII stays as it is); numbers in CSV and JSON are the stored
// single-precision values themselves, each as the shortest decimal that
// reads back to the same number.

// The printed load table exactly as the printer channel receives it:
// code page 437, CR LF line ends, a closing form feed.
std::string printedReportBytes(const DesignModel& design);

// The printed load table as text: UTF-8, LF line ends, the form feed kept.
std::string reportText(const ElementReport& report);

// One header line, then one line per section of each report.
std::string csvHeader();
std::string csvRows(const ElementReport& report);

// One JSON object for a report, on one line without its end.
std::string jsonObject(const ElementReport& report);

// The shortest decimal text that reads back as exactly this single-precision
// value ("0.098", "1e-05"); empty for a value that is not finite.
std::string shortestDecimal(Single value);
