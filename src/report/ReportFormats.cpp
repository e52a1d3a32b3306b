#include "report/ReportFormats.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "analysis/OptionsValues.hpp"
#include "files/FileNames.hpp"
#include "files/PrintedLoadTable.hpp"
#include "screen/Channel.hpp"

namespace {

// The ice kind the density stands for.
std::string_view iceName(const DesignOptions& options) {
  if (!options.iceOn()) {
    return "none";
  }
  if (options.iceDensity == kHoarfrostDensity) {
    return "hoarfrost";
  }
  if (options.iceDensity == kRimeIceDensity) {
    return "rime";
  }
  return "glaze";
}

// The method is not stored; its shape factor tells it, as the table's
// header tells it.
bool eiaTia222e(const DesignOptions& options) {
  return options.shapeFactor == kEiaTia222eShapeFactor;
}

std::string_view standardName(const DesignOptions& options) {
  return eiaTia222e(options) ? "EIA/TIA-222-E" : "EIA-222-C";
}

// ---- CSV (RFC 4180, LF line ends) ----

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(text);
  }
  std::string quoted = "\"";
  for (const char ch : text) {
    if (ch == '"') {
      quoted += '"';
    }
    quoted += ch;
  }
  quoted += '"';
  return quoted;
}

// ---- JSON ----

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto code = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (code < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", code);
      out += escape;
    } else {
      out += ch;
    }
  }
  out += '"';
  return out;
}

std::string jsonNumber(Single value) {
  const std::string text = shortestDecimal(value);
  return text.empty() ? std::string("null") : text;
}

// Builds one JSON object, member by member.
class JsonObject {
 public:
  JsonObject& text(std::string_view key, std::string_view value) {
    return raw(key, jsonString(value));
  }
  JsonObject& number(std::string_view key, Single value) { return raw(key, jsonNumber(value)); }
  // A number that does not apply to this design: null.
  JsonObject& numberIf(std::string_view key, bool applies, Single value) {
    return raw(key, applies ? jsonNumber(value) : std::string("null"));
  }
  JsonObject& raw(std::string_view key, std::string_view json) {
    body_ += body_.empty() ? "{" : ",";
    body_ += jsonString(key);
    body_ += ':';
    body_ += json;
    return *this;
  }
  std::string done() const { return body_.empty() ? std::string("{}") : body_ + "}"; }

 private:
  std::string body_;
};

std::string jsonOptions(const DesignOptions& options) {
  const bool ice = options.iceOn();
  const bool height = eiaTia222e(options);
  return JsonObject()
      .number("yield_psi", options.yieldStrength)
      .text("ice", iceName(options))
      .numberIf("ice_density_lb_per_in3", ice, options.iceDensity)
      .numberIf("radial_ice_in", ice, options.radialIceThickness)
      .text("standard", standardName(options))
      .numberIf("height_ft", height, options.antennaHeight)
      .numberIf("kz", height, options.kz)
      .number("pressure_psf", options.windPressure)
      .number("shape_factor", options.shapeFactor)
      .done();
}

std::string jsonSection(const ElementReport& report, std::size_t index) {
  const TubeSection& tube = report.design.element.sections.at(index + 1);
  const SectionFigures& figures = report.sections[index];
  const SectionResult& result = figures.result;
  return JsonObject()
      .raw("section", std::to_string(index + 1))
      .number("od_in", tube.outsideDiameter)
      .number("wall_in", tube.wallThickness)
      .number("exposed_in", tube.exposedLength)
      .number("total_in", tube.totalLength)
      .number("id_in", result.insideDiameter)
      .number("section_modulus_in3", result.sectionModulus)
      .number("wind_force_lb", result.windForce)
      .number("weight_lb", result.sectionWeight)
      .number("ice_weight_lb", result.iceWeight)
      .number("area_sqft", result.projectedArea)
      .number("moment_lbin", figures.momentLbIn)
      .number("stress_psi", figures.stressPsi)
      .number("cum_length_in", figures.cumulativeLengthIn)
      .number("max_wind_mph", result.maxWindSpeed)
      .done();
}

std::string jsonTotals(const AnalysisTotals& totals) {
  return JsonObject()
      .number("weight_lb", totals.halfElementWeight)
      .number("area_sqft", totals.halfElementArea)
      .number("cum_length_in", totals.cumulativeLength)
      .number("force_lb", totals.runningForce)
      .number("moment_lbin", totals.runningMoment)
      .done();
}

}  // namespace

std::string shortestDecimal(Single value) {
  if (!std::isfinite(value)) {
    return {};
  }
  char text[32];
  const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
  return std::string(text, end.ptr);
}

std::string printedReportBytes(const DesignModel& design) {
  StringChannel out;
  writeLoadTableReport(out, design);
  return out.bytes();
}

std::string reportText(const ElementReport& report) {
  const std::string printed = printedReportBytes(report.design);
  std::string lines;
  lines.reserve(printed.size());
  for (std::size_t i = 0; i < printed.size(); ++i) {
    if (printed[i] == '\r' && i + 1 < printed.size() && printed[i + 1] == '\n') {
      continue;
    }
    lines += printed[i];
  }
  return cp437ToUtf8(lines);
}

std::string csvHeader() {
  return "file,title,yield_psi,ice,radial_ice_in,standard,height_ft,section,od_in,wall_in,"
         "exposed_in,total_in,id_in,section_modulus_in3,wind_force_lb,weight_lb,ice_weight_lb,"
         "area_sqft,moment_lbin,stress_psi,cum_length_in,max_wind_mph\n";
}

std::string csvRows(const ElementReport& report) {
  const DesignOptions& options = report.design.options;
  // The same for every row of the file.
  std::string lead = csvField(wellFormedUtf8(report.file));
  lead += ',' + csvField(cp437ToUtf8(report.design.element.title));
  lead += ',' + shortestDecimal(options.yieldStrength);
  lead += ',' + std::string(iceName(options));
  lead += ',' + (options.iceOn() ? shortestDecimal(options.radialIceThickness) : std::string());
  lead += ',' + std::string(standardName(options));
  lead += ',' + (eiaTia222e(options) ? shortestDecimal(options.antennaHeight) : std::string());
  std::string rows;
  for (std::size_t index = 0; index < report.sections.size(); ++index) {
    const TubeSection& tube = report.design.element.sections.at(index + 1);
    const SectionFigures& figures = report.sections[index];
    const SectionResult& result = figures.result;
    rows += lead;
    rows += ',' + std::to_string(index + 1);
    for (const Single value :
         {tube.outsideDiameter, tube.wallThickness, tube.exposedLength, tube.totalLength,
          result.insideDiameter, result.sectionModulus, result.windForce, result.sectionWeight,
          result.iceWeight, result.projectedArea, figures.momentLbIn, figures.stressPsi,
          figures.cumulativeLengthIn, result.maxWindSpeed}) {
      rows += ',' + shortestDecimal(value);
    }
    rows += '\n';
  }
  return rows;
}

std::string jsonObject(const ElementReport& report) {
  std::string sections = "[";
  for (std::size_t index = 0; index < report.sections.size(); ++index) {
    if (index > 0) {
      sections += ',';
    }
    sections += jsonSection(report, index);
  }
  sections += ']';
  return JsonObject()
      .text("file", wellFormedUtf8(report.file))
      .text("title", cp437ToUtf8(report.design.element.title))
      .number("count", report.design.element.sectionCount)
      .raw("options", jsonOptions(report.design.options))
      .raw("sections", sections)
      .raw("totals", jsonTotals(report.design.totals))
      .done();
}
