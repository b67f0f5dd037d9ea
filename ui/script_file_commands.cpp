#include "script_file_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

#include "end_mark.h"
#include "form2.h"
#include "qt_text.h"
#include "script_file.h"
#include "script_file_dialogs.h"
#include "script_text_limit.h"

namespace armoursmith {
namespace {

// The name the batch code takes and the messages show: UTF-8, with the platform's separators.
std::string NativeName(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

QString EndMarkWarning(std::size_t line) {
  const QString mark = ToQString(batch::kEndMark);
  return QString(
             "Line %1 is \"%2\", and text follows it: %3, so it will never read the text "
             "after line %1.\n\n"
             "Put the whole sets that end with \"%2\" last, or save them to files of their own.")
      .arg(line)
      .arg(mark, ToQString(batch::kServerStopsAtEndMark));
}

}  // namespace

ScriptFileCommands::ScriptFileCommands(Form2& window, ScriptFileSession& session)
    : window_(window), session_(session) {}

void ScriptFileCommands::Open() {
  if (HoldsUnsavedText()) {
    switch (session_.dialogs.AskAboutUnsavedText(
        &window_,
        "The script window holds text that has not been saved. Save it before another script "
        "file takes its place?")) {
      case ScriptFileDialogs::UnsavedText::Save:
        if (!Save()) return;
        break;
      case ScriptFileDialogs::UnsavedText::Discard:
        break;
      case ScriptFileDialogs::UnsavedText::Cancel:
        return;
    }
  }
  const QString path = session_.dialogs.FileToOpen(&window_, session_.lastFolder);
  if (path.isEmpty()) return;
  const batch::ScriptFileReading reading =
      batch::ReadScriptFile(NativeName(path), kScriptTextLimit);
  if (reading.problem) return ShowProblem("The file was not opened", *reading.problem);
  window_.ReplaceScriptText(ToQString(reading.text));
  Remember(path);
}

bool ScriptFileCommands::Save() { return SaveTo(file_); }

bool ScriptFileCommands::SaveAs() { return SaveTo(QString()); }

void ScriptFileCommands::Forget() {
  file_.clear();
  unsaved_ = false;
}

// Saves to `path`, or under a name the user gives when it is empty.
bool ScriptFileCommands::SaveTo(QString path) {
  const QByteArray bytes = window_.ScriptText().toUtf8();
  // Asked before the file dialog: the user who cancels goes back to the text at once.
  if (const auto line = batch::FindTextAfterEndMark({bytes.constData(), std::size_t(bytes.size())});
      line && !session_.dialogs.Confirm(&window_, EndMarkWarning(*line), "Save anyway")) {
    return false;
  }
  if (path.isEmpty()) path = AskNameToSaveAs();
  if (path.isEmpty()) return false;
  const std::string name = NativeName(path);
  if (const auto failure =
          batch::WriteScriptFile(name, {bytes.constData(), std::size_t(bytes.size())})) {
    ShowProblem("The script was not saved", name + ": cannot be written: " + *failure);
    return false;
  }
  Remember(path);
  return true;
}

QString ScriptFileCommands::AskNameToSaveAs() {
  const ScriptFileDialogs::SaveAsName answer =
      session_.dialogs.FileToSaveAs(&window_, file_.isEmpty() ? session_.lastFolder : file_);
  if (answer.path.isEmpty() || !answer.itemScripts || !QFileInfo(answer.path).suffix().isEmpty()) {
    return answer.path;
  }
  QString path = answer.path + ".scp";
  // The file dialog asked about replacing the name as typed, not this one.
  if (QFileInfo::exists(path) &&
      !session_.dialogs.Confirm(
          &window_, QString("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(path)),
          "Replace")) {
    return {};
  }
  return path;
}

// Nothing is lost by replacing an empty window that belongs to no file.
bool ScriptFileCommands::HoldsUnsavedText() const {
  return unsaved_ && !(file_.isEmpty() && window_.TextBox()->document()->isEmpty());
}

void ScriptFileCommands::Remember(const QString& path) {
  file_ = path;
  session_.lastFolder = QFileInfo(path).absolutePath();
  unsaved_ = false;
}

void ScriptFileCommands::ShowProblem(const QString& what, const std::string& problem) {
  session_.dialogs.ShowProblem(
      &window_, what + ", and the script window keeps its text:\n\n" + ToQString(problem));
}

}  // namespace armoursmith
