#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <QDir>

namespace armoursmith::testing {

QString ScriptedDialogs::Answer(const QString& question, const QString& cancel) {
  asked.push_back(question);
  if (answers.empty()) {
    ADD_FAILURE() << "asked with no answer given: " << question.toStdString();
    return cancel;
  }
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

// A file dialog gives a whole path. A button's name given in its place is the test's mistake,
// which must not become a file in the working folder.
QString ScriptedDialogs::FileName(const QString& question) {
  QString answer = Answer(question, {});
  if (answer.isEmpty() || QDir::isAbsolutePath(answer)) return answer;
  ADD_FAILURE() << question.toStdString() << " answered with " << answer.toStdString();
  return {};
}

QString ScriptedDialogs::FileToOpen(QWidget* /*parent*/, const QString& start) {
  return FileName("Open, starting at " + start);
}

ScriptFileDialogs::SaveAsName ScriptedDialogs::FileToSaveAs(QWidget* /*parent*/,
                                                            const QString& start) {
  return {.path = FileName("Save As, starting at " + start), .itemScripts = itemScripts};
}

bool ScriptedDialogs::Confirm(QWidget* /*parent*/, const QString& text,
                              const QString& confirmButton) {
  return Answer(text + " [" + confirmButton + "|Cancel]", "Cancel") == confirmButton;
}

ScriptFileDialogs::UnsavedText ScriptedDialogs::AskAboutUnsavedText(QWidget* /*parent*/,
                                                                    const QString& text) {
  const QString answer = Answer(text + " [Save|Discard|Cancel]", "Cancel");
  if (answer == "Save") return UnsavedText::Save;
  return answer == "Discard" ? UnsavedText::Discard : UnsavedText::Cancel;
}

void ScriptedDialogs::ShowProblem(QWidget* /*parent*/, const QString& text) {
  asked.push_back(text + " [OK]");
}

}  // namespace armoursmith::testing
