#include "report/ReportOptions.hpp"

#include <algorithm>
#include <array>
#include <string_view>

#include "analysis/OptionsValues.hpp"
#include "screen/Items.hpp"

namespace {

// The text before the first ":" and the text after it; none without one.
std::optional<std::pair<std::string_view, std::string_view>> splitAtColon(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    return std::nullopt;
  }
  return std::pair{text.substr(0, colon), text.substr(colon + 1)};
}

// The number a typed item gives, as the dialogue's item prompts read it.
Single itemNumber(std::string_view typed) { return ItemScanner(std::string(typed)).nextNumber(); }

// The key of the ice question that a kind stands for.
std::optional<std::string_view> iceKey(std::string_view kind) {
  constexpr std::array<std::string_view, 3> kKinds = {"hoarfrost", "rime", "glaze"};
  for (const std::string_view name : kKinds) {
    if (sameWordIgnoringCase(kind, name) || sameWordIgnoringCase(kind, name.substr(0, 1))) {
      return name.substr(0, 1);
    }
  }
  return std::nullopt;
}

std::string readIceAnswer(std::string_view answer, DesignOptions& options) {
  const auto parts = splitAtColon(answer);
  if (!parts) {
    return "--ice needs KIND:THICKNESS, such as glaze:0.5";
  }
  const std::optional<std::string_view> key = iceKey(parts->first);
  if (!key) {
    return "--ice kind '" + std::string(parts->first) + "' is not hoarfrost, rime or glaze";
  }
  const Single thicknessIn = itemNumber(parts->second);
  if (!radialThicknessAccepted(thicknessIn)) {
    return "--ice thickness '" + std::string(parts->second) + "' is not 0 to 1 inch";
  }
  options.iceAnswer = "y";
  ::chooseIce(options, iceDensityForKey(*key).value_or(0.0F), thicknessIn);
  return {};
}

std::string readStandardAnswer(std::string_view answer, DesignOptions& options) {
  if (sameWordIgnoringCase(answer, "C")) {
    chooseEia222c(options);
    return {};
  }
  const auto parts = splitAtColon(answer);
  if (!parts || !sameWordIgnoringCase(parts->first, "E")) {
    return "--standard is C or E:HEIGHT, not '" + std::string(answer) + "'";
  }
  const Single heightFt = itemNumber(parts->second);
  if (!antennaHeightAccepted(heightFt)) {
    return "--standard height '" + std::string(parts->second) + "' is not above 0 feet";
  }
  chooseEiaTia222e(options, heightFt);
  return {};
}

}  // namespace

bool sameWordIgnoringCase(std::string_view typed, std::string_view word) {
  const auto lowered = [](char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
  };
  return typed.size() == word.size() &&
         std::equal(typed.begin(), typed.end(), word.begin(),
                    [&](char left, char right) { return lowered(left) == lowered(right); });
}

ChosenOptions chooseOptions(const OptionAnswers& answers) {
  ChosenOptions chosen;
  DesignOptions& options = chosen.options;
  options.aluminiumDensity = kAluminiumDensity;
  const std::string yieldText = answers.yield.value_or("");
  // The dialogue takes "?" as a request for help, never as a value.
  const std::optional<Single> yieldPsi =
      yieldText == "?" ? std::nullopt : yieldStrengthFromAnswer(yieldText);
  if (!yieldPsi) {
    chosen.problem = "--yield '" + yieldText + "' is not 500 to 120000 psi";
    return chosen;
  }
  options.yieldStrength = *yieldPsi;
  options.iceAnswer = "n";
  if (answers.ice) {
    chosen.problem = readIceAnswer(*answers.ice, options);
    if (!chosen.problem.empty()) {
      return chosen;
    }
  }
  chosen.problem = readStandardAnswer(answers.standard.value_or("C"), options);
  return chosen;
}
