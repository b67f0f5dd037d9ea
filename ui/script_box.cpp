#include "script_box.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "script_layout.h"

namespace armoursmith {
namespace {

// The box's raw text separates lines with U+2029 (between paragraphs) or U+2028 (a line
// break typed with Shift+Enter); everything else, no-break spaces included, is the text.
QString WithLineEnds(QString rawText, const QString& lineEnd) {
  rawText.replace(QChar::ParagraphSeparator, lineEnd);
  rawText.replace(QChar::LineSeparator, lineEnd);
  return rawText;
}

}  // namespace

ScriptBox::ScriptBox(QWidget* parent) : QPlainTextEdit(parent) {
  auto* script = new QTextDocument(this);
  script->setDocumentLayout(new ScriptLayout(script, viewport()));
  setDocument(script);
  // A plain text box sizes its scroll range after every change by laying out its last
  // screenful of lines, so each appended line would be laid out, and kept, as it arrives: a
  // script grown to 10 MB by clicks would hold every line's layout. Centring on scroll spares
  // that but lets the view run past the last line, so the view is held at the end when it
  // gets there, once the scroll that took it there (a key, the wheel, a drag) has finished.
  setCenterOnScroll(true);
  connect(
      this, &QPlainTextEdit::updateRequest, this,
      [this](const QRect&, int scrolledBy) {
        if (scrolledBy == 0) return;
        const int lastTopLine = LastTopLine();
        if (verticalScrollBar()->value() > lastTopLine) verticalScrollBar()->setValue(lastTopLine);
      },
      Qt::QueuedConnection);
}

// The top line that shows the last line at the bottom of the box, or the first line when
// everything fits; counted in screen lines, as the scroll bar counts them.
int ScriptBox::LastTopLine() const {
  const QTextDocument* script = document();
  const qreal room = viewport()->height() - script->documentMargin() - 1;
  qreal height = 0;
  int linesShown = 0;
  for (QTextBlock block = script->lastBlock(); block.isValid(); block = block.previous()) {
    height += script->documentLayout()->blockBoundingRect(block).height();
    const QTextLayout* layout = block.layout();
    int hidden = 0;  // the block's top lines that no longer fit
    while (height > room && hidden < layout->lineCount())
      height -= layout->lineAt(hidden++).height();
    linesShown += layout->lineCount() - hidden;
    if (hidden > 0) break;
  }
  return std::max(0, script->lineCount() - linesShown);
}

QString ScriptBox::ScriptText() const {
  return WithLineEnds(document()->toRawText(), QStringLiteral("\r\n"));
}

QMimeData* ScriptBox::createMimeDataFromSelection() const {
#ifdef Q_OS_WIN
  const QString platformLineEnd = QStringLiteral("\r\n");
#else
  const QString platformLineEnd = QStringLiteral("\n");
#endif
  auto* data = new QMimeData;
  data->setText(WithLineEnds(textCursor().selectedText(), platformLineEnd));
  return data;
}

void ScriptBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu(event->pos());
  menu->addSeparator();
  menu->addActions(actions());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace armoursmith
