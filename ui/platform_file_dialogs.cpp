#include "platform_file_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace armoursmith {
namespace {

constexpr char kTitle[] = "Armoursmith";

QString Filters() { return QString(kItemScriptsFilter) + ";;" + kAllFilesFilter; }

}  // namespace

QString PlatformFileDialogs::FileToOpen(QWidget* parent, const QString& start) {
  QString filter = kItemScriptsFilter;
  return QFileDialog::getOpenFileName(parent, "Open Script", start, Filters(), &filter);
}

ScriptFileDialogs::SaveAsName PlatformFileDialogs::FileToSaveAs(QWidget* parent,
                                                                const QString& start) {
  QString filter = kItemScriptsFilter;
  QString path = QFileDialog::getSaveFileName(parent, "Save Script As", start, Filters(), &filter);
  return {.path = std::move(path), .itemScripts = filter == kItemScriptsFilter};
}

bool PlatformFileDialogs::Confirm(QWidget* parent, const QString& text,
                                  const QString& confirmButton) {
  QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Cancel, parent);
  const QPushButton* confirm = box.addButton(confirmButton, QMessageBox::AcceptRole);
  box.setDefaultButton(QMessageBox::Cancel);
  box.exec();
  return box.clickedButton() == confirm;
}

ScriptFileDialogs::UnsavedText PlatformFileDialogs::AskAboutUnsavedText(QWidget* parent,
                                                                        const QString& text) {
  switch (QMessageBox::question(parent, kTitle, text,
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                QMessageBox::Save)) {
    case QMessageBox::Save:
      return UnsavedText::Save;
    case QMessageBox::Discard:
      return UnsavedText::Discard;
    default:
      return UnsavedText::Cancel;
  }
}

void PlatformFileDialogs::ShowProblem(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, kTitle, text);
}

}  // namespace armoursmith
