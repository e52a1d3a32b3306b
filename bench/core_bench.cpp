// How long the core takes for the work a user waits on: one analysis pass,
// number texts, and a whole View Analysis screen of fifteen sections (which
// runs fifteen passes and draws the profile).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "analysis/LoadAnalysis.hpp"
#include "app/Program.hpp"
#include "files/ElementFile.hpp"
#include "files/FileStore.hpp"
#include "platform/headless/HeadlessPlatform.hpp"
#include "report/ElementReport.hpp"
#include "report/ReportFormats.hpp"
#include "report/ReportOptions.hpp"
#include "screen/NumberPattern.hpp"
#include "screen/NumberText.hpp"

namespace {

DesignModel fifteenSections() {
  DesignModel design;
  design.options.yieldStrength = 35000.0F;
  design.options.iceAnswer = "Y";
  design.options.iceDensity = 0.032F;
  design.options.radialIceThickness = 0.5F;
  design.options.iceDiameterIncrease = 1.0F;
  design.options.windPressure = 21.32029F;
  design.options.shapeFactor = 1.2F;
  design.options.aluminiumDensity = 0.098F;
  design.element.title = "FIFTEEN";
  design.element.sectionCount = 15.0F;
  for (int i = 1; i <= 15; ++i) {
    const Single od = 0.375F + 0.125F * static_cast<Single>(i);
    design.element.sections[static_cast<std::size_t>(i)] = {od, 0.058F, 20.0F, 24.0F};
  }
  design.gates.optionsSelected = true;
  design.gates.designPresent = true;
  return design;
}

void analysisPass(benchmark::State& state) {
  DesignModel design = fifteenSections();
  for (auto _ : state) {
    analysePass(design, 1, 15);
    benchmark::DoNotOptimize(design.totals.halfElementWeight);
  }
}
BENCHMARK(analysisPass);

void numberTexts(benchmark::State& state) {
  Single value = 0.0587F;
  for (auto _ : state) {
    std::string text = numberText(value);
    benchmark::DoNotOptimize(text);
    value *= 1.37F;
    if (value > 1e30F) {
      value = 0.0587F;
    }
  }
}
BENCHMARK(numberTexts);

void patternTexts(benchmark::State& state) {
  Single value = 0.0587F;
  for (auto _ : state) {
    std::string text = patternText("####.###", value);
    benchmark::DoNotOptimize(text);
    value *= 1.37F;
    if (value > 1e6F) {
      value = 0.0587F;
    }
  }
}
BENCHMARK(patternTexts);

// From the main menu: V, the whole table, then E back to the menu. The
// options are chosen through their dialogue first, since the title screen
// clears the options flag.
void viewAnalysisScreen(benchmark::State& state) {
  for (auto _ : state) {
    HeadlessPlatform platform(HeadlessPlatform::Mode::Script);
    platform.pushKeys("no\rnc\r");
    for (int i = 0; i < 20; ++i) {
      platform.pushKeys("ve");
    }
    Program program(platform);
    program.design() = fifteenSections();
    benchmark::DoNotOptimize(program.run());
  }
  state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(viewAnalysisScreen)->Unit(benchmark::kMillisecond);

// The element-file reader alone, on the bytes of a fifteen-section file:
// the yardstick for `tubalyzer report` (bench/report.sh), which adds the
// file system, the analysis and the formatting.
void elementFileReader(benchmark::State& state) {
  const std::string bytes = writeElementFile(fifteenSections().element);
  for (auto _ : state) {
    ElementFileContents contents = readElementFile(bytes);
    benchmark::DoNotOptimize(contents);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(elementFileReader);

// The same file read from the disk (the page cache, in practice) first.
void elementFileFromDisk(benchmark::State& state) {
  char path[] = "/tmp/tubalyzer-bench-XXXXXX";
  const int fd = ::mkstemp(path);
  if (fd < 0 || !writeWholeFile(path, writeElementFile(fifteenSections().element)).empty()) {
    state.SkipWithError("no temporary file");
    return;
  }
  for (auto _ : state) {
    const FileRead file = readFileAtPath(path, kMaxElementFileBytes);
    ElementFileContents contents = readElementFile(file.bytes);
    benchmark::DoNotOptimize(contents);
  }
  ::close(fd);
  ::unlink(path);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(elementFileFromDisk);

// What `report --format json` adds per file once it is read: one pass and
// the JSON object.
void reportJsonOfOneFile(benchmark::State& state) {
  const ElementFileContents contents =
      readElementFile(writeElementFile(fifteenSections().element));
  const DesignOptions options = chooseOptions({}).options;
  for (auto _ : state) {
    std::string json = jsonObject(analyseElement("FIFTEEN.ELE", contents, options));
    benchmark::DoNotOptimize(json);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(reportJsonOfOneFile);

}  // namespace

BENCHMARK_MAIN();
