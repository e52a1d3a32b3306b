#pragma once

// What the entry and command-line tests share: the three-section example,
// rows as they stand on the screen, and the load table a fresh View
// Analysis shows for a design, used as the reference for the table after
// every command.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Design.hpp"
#include "platform/headless/Session.hpp"

namespace entrytest {

inline std::string padded(std::string_view text) {
  std::string row(text);
  row.resize(80, ' ');
  return row;
}

inline const std::string kBlankRow(80, ' ');

// A row made of texts at their columns (counted from 1), blanks elsewhere.
inline std::string rowOf(std::initializer_list<std::pair<int, std::string_view>> pieces) {
  std::string row(80, ' ');
  for (const auto& [column, text] : pieces) {
    row.replace(static_cast<std::size_t>(column - 1), text.size(), text);
  }
  return row;
}

inline constexpr std::string_view kEntryLine =
    "<A>DD  <C>HANGE  <D>ELETE  <S>AVE  <P>RINT  <E>ND  ";
inline constexpr std::string_view kAnalysisLine =
    "<A>DD <C>HANGE <D>ELETE <S>AVE <R>ECALL <P>RINT <E>ND  ";

struct TypedSection {
  std::string od, wall, exposed, total;
  TubeSection stored;
};

// The element of the worked example: tip 0.5, then 0.625 and 0.75, all
// with 0.058 walls.
inline const std::vector<TypedSection> kExample = {
    {"0.5", ".058", "36", "40", {0.5F, 0.058F, 36.0F, 40.0F}},
    {".625", ".058", "36", "42", {0.625F, 0.058F, 36.0F, 42.0F}},
    {".75", ".058", "30", "36", {0.75F, 0.058F, 30.0F, 36.0F}},
};

// Yield 35000, no ice, EIA-222-C: what ENTER, N and C give in the options
// dialogue.
inline void setPlainOptions(DesignModel& design) {
  design.options.yieldStrength = 35000.0F;
  design.options.iceAnswer = "n";
  design.options.windPressure = 30.0F;
  design.options.shapeFactor = 0.666F;
  design.gates.optionsSelected = true;
}

inline void putSections(DesignModel& design, const std::vector<TubeSection>& sections,
                        std::string title = "TEST") {
  design.element.title = std::move(title);
  design.element.sectionCount = Single(sections.size());
  for (std::size_t i = 0; i < sections.size(); ++i) {
    design.element.sections.at(i + 1) = sections[i];
  }
}

inline std::vector<TubeSection> storedOf(const std::vector<TypedSection>& typed) {
  std::vector<TubeSection> sections;
  for (const TypedSection& t : typed) {
    sections.push_back(t.stored);
  }
  return sections;
}

// A session at the main menu with plain options and no design.
inline void startWithOptions(Session& s) {
  s.type("n");
  s.waitIdle();
  setPlainOptions(s.design());
}

// The four answers of one section form.
inline void typeSection(Session& s, const TypedSection& section) {
  s.enter(section.od);
  s.enter(section.wall);
  s.enter(section.exposed);
  s.enter(section.total);
}

// A whole data entry from the main menu.
inline void enterDesign(Session& s, std::string_view title,
                        const std::vector<TypedSection>& sections) {
  s.type("e");
  s.enter(title);
  s.enter(std::to_string(sections.size()));
  for (const TypedSection& section : sections) {
    typeSection(s, section);
  }
}

// A fresh session that has just shown View Analysis for this design and
// these options: the reference for the table after every command.
inline std::unique_ptr<Session> viewedSession(const DesignOptions& options,
                                              const ElementDesign& element) {
  auto reference = std::make_unique<Session>();
  reference->type("n");
  reference->waitIdle();
  DesignModel& design = reference->design();
  design.options = options;
  design.options.aluminiumDensity = 0.098F;
  design.element = element;
  design.element.editMode = EditMode::None;
  design.gates.optionsSelected = true;
  design.gates.designPresent = true;
  reference->type("v");
  reference->waitIdle();
  return reference;
}

// Rows 1 to 22 and the title row (24) of such a screen. The command row is
// left out, as it differs between the two command lines.
struct TableRows {
  std::vector<std::string> rows;  // rows[r - 1] is row r; row 23 left empty
};

inline TableRows viewedTable(const DesignOptions& options, const ElementDesign& element) {
  const std::unique_ptr<Session> reference = viewedSession(options, element);
  TableRows table;
  for (int r = 1; r <= 25; ++r) {
    table.rows.push_back(r == 23 ? std::string() : reference->row(r));
  }
  return table;
}

// Rows 1 to 22 and 24 of the live screen against the reference.
inline void expectTable(Session& s, const TableRows& expected, std::string_view when) {
  for (int r = 1; r <= 25; ++r) {
    if (r == 23) {
      continue;
    }
    EXPECT_EQ(s.row(r), expected.rows[static_cast<std::size_t>(r - 1)])
        << "row " << r << " " << when;
  }
}

// The table a fresh View Analysis shows for the live session's own design.
inline void expectTableOfOwnDesign(Session& s, std::string_view when) {
  s.waitIdle();
  const DesignOptions options = s.design().options;
  const ElementDesign element = s.design().element;
  expectTable(s, viewedTable(options, element), when);
}

}  // namespace entrytest
