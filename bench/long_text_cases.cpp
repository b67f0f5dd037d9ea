#include "long_text_cases.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include "form2.h"
#include "program_windows.h"

namespace armoursmith::bench {
namespace {

void LongWordAppend(benchmark::State& state) {
  ProgramWindows windows;
  Form2& form2 = windows.ShownScriptWindow();
  windows.MainWindow().FieldBox(ItemField::Description)->setText(QString(state.range(0), 'w'));
  for (auto _ : state) {
    state.PauseTiming();
    form2.ClearScriptText();
    windows.Paint();
    state.ResumeTiming();
    windows.ClickAndPaint(form1::Button::Go);
  }
  state.counters["script_bytes"] = static_cast<double>(windows.ScriptBytes());
}

void FieldKeystroke(benchmark::State& state) {
  ProgramWindows windows;
  QLineEdit* box = windows.MainWindow().FieldBox(ItemField::Description);
  box->setText(QString(state.range(0), 'w'));
  box->setFocus();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    QTest::keyClick(box, Qt::Key_X);
    box->repaint();
    state.PauseTiming();
    QTest::keyClick(box, Qt::Key_Backspace);
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["field_chars"] = static_cast<double>(box->text().size());
}

}  // namespace

void RegisterLongTextCases() {
  for (const int bytes : {102400, 1048576}) {
    benchmark::RegisterBenchmark("LongWordAppend", LongWordAppend)
        ->Arg(bytes)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("FieldKeystroke", FieldKeystroke)
      ->Arg(102400)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace armoursmith::bench
