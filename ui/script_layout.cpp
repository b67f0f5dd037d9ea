#include "script_layout.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>

namespace armoursmith {
namespace {

// A word at least this long is laid out line by line anywhere-first. Any shorter word is
// scanned at most a few times, which costs nothing worth avoiding.
constexpr int kLongWord = 256;

// Where the text from `position` can next be broken, moving `finder` forward only.
qsizetype NextBreak(QTextBoundaryFinder& finder, qsizetype position, qsizetype textLength) {
  while (finder.position() <= position) {
    if (finder.toNextBoundary() < 0) return textLength;
  }
  return finder.position();
}

}  // namespace

ScriptLayout::ScriptLayout(QTextDocument* document, const QWidget* viewport)
    : QPlainTextDocumentLayout(document), viewport_(viewport) {}

QRectF ScriptLayout::blockBoundingRect(const QTextBlock& block) const {
  if (block.isValid() && block.layout()->lineCount() == 0) {
    const_cast<ScriptLayout*>(this)->LayOutBlock(block);
  }
  return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void ScriptLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
  QTextDocument* document = this->document();
  const QTextBlock first = document->findBlock(from);
  const QTextBlock last = document->findBlock(std::max(0, from + charsRemoved + charsAdded - 1));
  if (first != last || document->blockCount() != blockCount_ || !first.isValid()) {
    // Several lines changed: the base class drops their layouts, to be made again when shown.
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    blockCount_ = document->blockCount();
    return;
  }
  // An edit within one line, which the base class would lay out again its own way.
  const qreal oldHeight = blockBoundingRect(first).height();
  LayOutBlock(first);
  if (blockBoundingRect(first).height() == oldHeight) {
    emit updateBlock(first);
  } else {
    emit update(QRectF(0., -document->documentMargin(), 1000000000., 1000000000.));
  }
}

void ScriptLayout::LayOutBlock(QTextBlock block) {
  const QTextDocument* document = this->document();
  const qreal margin = document->documentMargin();
  const int viewportWidth = viewport_ ? viewport_->width() : 0;
  const qreal width = (viewportWidth > 0 ? viewportWidth : qreal(INT_MAX)) - 2 * margin;
  const QTextOption option = document->defaultTextOption();
  QTextOption anywhere = option;
  anywhere.setWrapMode(QTextOption::WrapAnywhere);
  const bool wraps = option.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere;

  const QString text = block.text();
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
  QTextLayout* layout = block.layout();
  layout->setTextOption(option);
  layout->beginLayout();
  qreal height = 0;
  for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
    line.setLeadingIncluded(true);
    const qsizetype start = line.textStart();
    const qsizetype wordEnd = NextBreak(breaks, start, text.size());
    const bool inLongWord = wraps && wordEnd - start >= kLongWord;
    layout->setTextOption(inLongWord ? anywhere : option);
    line.setLineWidth(width);
    if (inLongWord && line.textStart() + line.textLength() > wordEnd) {
      // The rest of the word fits: what follows it on this line breaks at word boundaries.
      layout->setTextOption(option);
      line.setLineWidth(width);
    }
    line.setPosition(QPointF(margin, height));
    height += line.height();
    if (line.leading() < 0) height += std::ceil(line.leading());
  }
  layout->endLayout();
  layout->setTextOption(option);

  const int lineCount = document->lineCount();
  block.setLineCount(block.isVisible() ? layout->lineCount() : 0);
  // The scroll range counts lines: tell the view when a block turned out longer or shorter.
  if (document->lineCount() != lineCount) emit documentSizeChanged(documentSize());
}

}  // namespace armoursmith
