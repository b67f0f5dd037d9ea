#pragma once

#include <QStringList>
#include <functional>

class QWidget;

namespace armoursmith {

// What becomes of tables dropped on a window: their file names, in the order dropped.
using TableDropHandler = std::function<void(const QStringList& tables)>;

// Lets `window` and every control in it take a file manager's list of files, which goes to
// `handler` once the drop has ended. Every other drag (text from a field, another program or
// a web page) keeps each control's own behaviour.
void AcceptTableDrops(QWidget* window, TableDropHandler handler);

}  // namespace armoursmith
