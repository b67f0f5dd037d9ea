#pragma once

#include <QPlainTextDocumentLayout>
#include <QPointer>

namespace armoursmith {

// Lays out the script box's lines as the plain text layout does (at word boundaries, inside a
// word only where the word alone is wider than the box), in time linear in a line's length.
// The toolkit's own breaking scans a word to its end for every screen line it fills, so one
// long unbroken word (a pasted hash or URL) costs time quadratic in its length and freezes the
// window. Here a screen line that starts inside a long word is broken anywhere at once, which
// ends it where the toolkit would, after looking at no more than the line itself.
class ScriptLayout : public QPlainTextDocumentLayout {
 public:
  // Lines are as wide as `viewport`, the box's text area, as in the plain text layout.
  ScriptLayout(QTextDocument* document, const QWidget* viewport);

  QRectF blockBoundingRect(const QTextBlock& block) const override;

 protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

 private:
  void LayOutBlock(QTextBlock block);

  QPointer<const QWidget> viewport_;
  int blockCount_ = 1;  // as the base class last saw it
};

}  // namespace armoursmith
