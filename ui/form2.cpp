#include "form2.h"

#include <QAction>
#include <QApplication>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "script_box.h"
#include "twips.h"

namespace armoursmith {
namespace {

constexpr int kClientWidth = 5655;
constexpr int kClientHeight = 3120;
constexpr TwipsRect kTextBox = {120, 120, 5415, 2895};

void MoveToStart(QPlainTextEdit* box) {
  box->setTextCursor(QTextCursor(box->document()));
  box->verticalScrollBar()->setValue(0);
}

}  // namespace

Form2::Form2(TableDropHandler onTableDrop, ScriptFileSession& files)
    : txtscript_(new ScriptBox(this)), files_(*this, files) {
  setObjectName("Form2");
  // Showing the script never takes the keyboard from the main window (see ShowScriptWindow).
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowTitle("Form2");
  resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  txtscript_->setObjectName("txtscript");
  txtscript_->setGeometry(TwipsToPixels(kTextBox));
  txtscript_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtscript_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtscript_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtscript_->setAccessibleName("Item definition script");
  setFocusProxy(txtscript_);
  // The file commands answer their keys anywhere in the window; the box also offers them in
  // its context menu, after the toolkit's own entries.
  AddFileCommand("&Open…", kOpenKeys, [this] { files_.Open(); });
  AddFileCommand("&Save", kSaveKeys, [this] { files_.Save(); });
  AddFileCommand("Save &As…", kSaveAsKeys, [this] { files_.SaveAs(); });
  connect(txtscript_->document(), &QTextDocument::contentsChanged, this,
          [this] { files_.TextChanged(); });
  if (onTableDrop) AcceptTableDrops(this, std::move(onTableDrop));
}

QString Form2::ScriptText() const { return txtscript_->ScriptText(); }

void Form2::AppendScriptText(const QString& text) {
  QTextDocument* document = txtscript_->document();
  QTextCursor end(document);
  {
    // Generated output is no edit to undo, and the undo history must not hold a copy of it.
    // Inside an edit block the cursor does not lay out the block it ends in, so appended
    // lines stay unlaid-out until they come on screen. Both end however the insertion ends.
    document->setUndoRedoEnabled(false);
    end.beginEditBlock();
    const auto restore = qScopeGuard([&] {
      end.endEditBlock();
      document->setUndoRedoEnabled(true);
    });
    end.setPosition(document->characterCount() - 1);
    end.insertText(text);
  }
  MoveToStart(txtscript_);
}

void Form2::ClearScriptText() {
  txtscript_->setPlainText(QString());
  files_.Forget();
}

void Form2::ReplaceScriptText(const QString& text) {
  txtscript_->setPlainText(QString());
  AppendScriptText(text);
}

void Form2::AddFileCommand(const QString& text, QKeyCombination keys,
                           const std::function<void()>& command) {
  auto* action = new QAction(text, txtscript_);
  action->setShortcut(keys);
  connect(action, &QAction::triggered, this, command);
  txtscript_->addAction(action);
}

void Form2::ShowScriptWindow() {
  // The window comes up on top, or forward and out of the task bar if it was there already,
  // but the keyboard stays in the window the user types the next item's values into, on the
  // first click as on every later one: keys meant for a field must never edit the script.
  QWidget* typing = QApplication::activeWindow();
  setWindowState(windowState() & ~Qt::WindowMinimized);
  if (isVisible()) {
    raise();
  } else {
    show();
  }
  if (typing && typing != this) typing->activateWindow();
}

}  // namespace armoursmith
