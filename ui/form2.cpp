#include "form2.h"

#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

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

Form2::Form2() : txtscript_(new QPlainTextEdit(this)) {
  setObjectName("Form2");
  setWindowTitle("Form2");
  resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  txtscript_->setObjectName("txtscript");
  txtscript_->setGeometry(TwipsToPixels(kTextBox));
  txtscript_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtscript_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtscript_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Otherwise every change measures the last screenful of lines to size the scroll range,
  // which lays out, and keeps in memory, every line ever appended at the end.
  txtscript_->setCenterOnScroll(true);
  txtscript_->setAccessibleName("Item definition script");
  setFocusProxy(txtscript_);
}

QString Form2::ScriptText() const {
  // The raw text keeps non-breaking spaces; block and line separators become CR LF.
  QString text = txtscript_->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text;
}

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

void Form2::ClearScriptText() { txtscript_->setPlainText(QString()); }

void Form2::ShowScriptWindow() {
  // A newly shown window comes up on top; one already on screen is brought forward, out of
  // the task bar if it was minimised.
  setWindowState(windowState() & ~Qt::WindowMinimized);
  if (isVisible()) {
    raise();
  } else {
    show();
  }
}

}  // namespace armoursmith
