#include "click_cases.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

#include "form2.h"
#include "rewriting_controls.h"
#include "whole_set_script.h"
#include "window_controls.h"

namespace armoursmith::bench {
namespace {

constexpr qsizetype kHundredKib = 102400;
constexpr qsizetype kOneMib = 1048576;
constexpr qsizetype kTenMib = 10485760;

// Removes everything from `position` to the end, leaving no undo step behind.
void RemoveTail(QTextDocument* document, int position) {
  document->setUndoRedoEnabled(false);
  QTextCursor tail(document);
  tail.setPosition(position);
  tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  tail.removeSelectedText();
  document->setUndoRedoEnabled(true);
}

// Times `click` on a script of state.range(0) bytes with the Platemail list at `piece`.
void TimeClicks(benchmark::State& state, ClickSession& session, int piece,
                const std::function<void(ProgramWindows&)>& click) {
  ProgramWindows& windows = session.Holding(state.range(0));
  windows.PickPlatemail(piece);
  QTextDocument* document = windows.ScriptBox()->document();
  const int end = document->characterCount() - 1;
  int added = 0;
  for (auto _ : state) {
    click(windows);
    state.PauseTiming();
    added = document->characterCount() - 1 - end;
    RemoveTail(document, end);
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  if (added <= 0) state.SkipWithError("the click wrote nothing");
  state.counters["script_bytes"] = static_cast<double>(windows.ScriptBytes());
  state.counters["added_chars"] = added;
}

void WholeSetClick(benchmark::State& state, ClickSession* session) {
  TimeClicks(state, *session, kWholeSet,
             [](ProgramWindows& windows) { windows.ClickAndPaint(form1::Button::WholeSet); });
}

void SinglePieceClick(benchmark::State& state, ClickSession* session) {
  TimeClicks(state, *session, kTunic,
             [](ProgramWindows& windows) { windows.ClickAndPaint(form1::Button::Go); });
}

// The same whole set with every line appended by rewriting the whole script text.
void LiteralWholeSetClick(benchmark::State& state, ClickSession* session) {
  TimeClicks(state, *session, kWholeSet, [](ProgramWindows& windows) {
    WindowControls controls(windows.MainWindow(), windows.Holder(), windows.Gate());
    RewritingControls rewriting(controls, windows.Holder(), windows.Gate());
    MakeWholeSet(rewriting);
    windows.Paint();
  });
}

}  // namespace

ProgramWindows& ClickSession::Holding(qsizetype bytes) {
  if (!windows_) windows_ = std::make_unique<ProgramWindows>();
  if (filledTo_ != bytes) {
    Form2& form2 = windows_->ShownScriptWindow();
    form2.ClearScriptText();
    windows_->PickPlatemail(kWholeSet);
    windows_->ClickAndPaint(form1::Button::WholeSet);
    const QString wholeSet = form2.ScriptText();
    QString script;
    while (script.size() < bytes) script += wholeSet;
    form2.ClearScriptText();
    form2.AppendScriptText(script);
    windows_->Paint();
    filledTo_ = bytes;
  }
  return *windows_;
}

void RegisterClickCases(ClickSession& session) {
  const auto add = [&](const char* name, void (*run)(benchmark::State&, ClickSession*),
                       qsizetype bytes) {
    benchmark::RegisterBenchmark(name, run, &session)->Arg(bytes)->Unit(benchmark::kMillisecond);
  };
  for (const qsizetype bytes : {qsizetype{0}, kHundredKib, kOneMib, kTenMib}) {
    add("WholeSetClick", WholeSetClick, bytes);
    if (bytes != kHundredKib) add("SinglePieceClick", SinglePieceClick, bytes);
    if (bytes <= kHundredKib) add("LiteralWholeSetClick", LiteralWholeSetClick, bytes);
  }
}

}  // namespace armoursmith::bench
