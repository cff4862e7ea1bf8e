// What an engineer waits for after OK: the heat-loss report laid out afresh, and the same
// report exported as a PDF. The example document over the shipped reference data.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "core/document/document.h"
#include "support/fakeplatform.h"
#include "support/memorysettings.h"
#include "support/testpaths.h"
#include "ui/framework/pdfexport.h"
#include "ui/framework/qpaintersurface.h"
#include "ui/framework/qtpicturesource.h"

namespace {

using namespace kelvora;

struct ExampleReport {
  explicit ExampleReport(const char* example = "heatloss-pipe.vtp")
      : doc(DocumentServices{messages, chooser, settings, locale, kelvora::testing::BinDir().string()}) {
    doc.reports.Page().SetScreenSurface(&measuring);
    doc.reports.Page().SetPictureSource(&pictures);
    doc.reports.Page().UseDefaultPrinter(PdfPrintableArea());
    doc.Open((kelvora::testing::SourceDir() / "examples" / example).string());
  }
  testing::RecordingMessages messages;
  testing::ScriptedChooser chooser;
  testing::MemorySettings settings;
  testing::FakeLocale locale;
  ScreenMeasuringSurface measuring;
  QtPictureSource pictures;
  CQorDoc doc;
};

// Recalculation, every table and text rebuilt and measured, the header refreshed.
void BM_HeatLossReportLayout(benchmark::State& state) {
  ExampleReport report;
  for (auto _ : state) {
    report.doc.Module(ModuleIndex::HeatLoss).Recalculate();
    report.doc.Refresh(kLayoutChangedHint);
  }
}
BENCHMARK(BM_HeatLossReportLayout)->Unit(benchmark::kMillisecond);

// The other reports that draw graphs of their results, each as its example shows it.
void BM_ReportWithGraphLayout(benchmark::State& state, const char* example, ModuleIndex module) {
  ExampleReport report(example);
  for (auto _ : state) {
    report.doc.Module(module).Recalculate();
    report.doc.Refresh(kLayoutChangedHint);
  }
}
BENCHMARK_CAPTURE(BM_ReportWithGraphLayout, Run, "pipe-run.vtp", ModuleIndex::PipeRun)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReportWithGraphLayout, Frost, "frost-pipe.vtp", ModuleIndex::Frost)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReportWithGraphLayout, Economics, "economics-pipe.vtp", ModuleIndex::Economics)
    ->Unit(benchmark::kMillisecond);

void BM_HeatLossReportLayoutAndPdf(benchmark::State& state) {
  ExampleReport report;
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("report.pdf"));
  for (auto _ : state) {
    report.doc.Module(ModuleIndex::HeatLoss).Recalculate();
    report.doc.Refresh(kLayoutChangedHint);
    benchmark::DoNotOptimize(ExportReportPdf(report.doc.reports, path));
  }
}
BENCHMARK(BM_HeatLossReportLayoutAndPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
