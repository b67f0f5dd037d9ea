#include "table_drops.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace armoursmith {
namespace {

// The local files a drag carries, or none when it carries anything else as well.
QStringList DraggedFiles(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  QStringList files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    files.append(QDir::toNativeSeparators(url.toLocalFile()));
  }
  return files;
}

// A file manager may offer to move its files; taking them as a move would let it delete them.
bool TakeWithoutMoving(QDropEvent* drag) {
  for (const Qt::DropAction action : {Qt::CopyAction, Qt::LinkAction}) {
    if (drag->possibleActions() & action) {
      drag->setDropAction(action);
      drag->accept();
      return true;
    }
  }
  return false;
}

class TableDropFilter : public QObject {
 public:
  TableDropFilter(QObject* parent, TableDropHandler handler)
      : QObject(parent), handler_(std::move(handler)) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
      return false;
    }
    auto* drag = static_cast<QDropEvent*>(event);
    const QStringList files = DraggedFiles(drag->mimeData());
    if (files.isEmpty()) return false;
    if (!TakeWithoutMoving(drag)) {
      drag->ignore();
      return true;
    }
    // The drop ends first: the file manager is not kept waiting while the tables are read or
    // a problem is shown.
    if (type == QEvent::Drop) {
      const auto takeTables = [this, files] { handler_(files); };
      QMetaObject::invokeMethod(this, takeTables, Qt::QueuedConnection);
    }
    return true;
  }

 private:
  TableDropHandler handler_;
};

}  // namespace

void AcceptTableDrops(QWidget* window, TableDropHandler handler) {
  window->setAcceptDrops(true);
  auto* filter = new TableDropFilter(window, std::move(handler));
  window->installEventFilter(filter);
  for (QWidget* control : window->findChildren<QWidget*>()) control->installEventFilter(filter);
}

}  // namespace armoursmith
