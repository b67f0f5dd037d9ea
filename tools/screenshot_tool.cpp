// Shows both windows as a user would see them after picking a piece and making a script, and
// saves each window's pixels from the screen as PNG files in the folder given as argument:
// form1.png and form2.png, or form1@2x.png and form2@2x.png when QT_SCALE_FACTOR is 2.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "control_gate.h"
#include "error_report.h"
#include "form1.h"
#include "platform_file_dialogs.h"
#include "script_window_holder.h"

namespace {

// The file for `window` in `folder`, with the usual "@2x" mark when scaled.
QString FileName(const QDir& folder, const QWidget& window) {
  const qreal scale = window.devicePixelRatioF();
  const QString mark = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
  return folder.filePath(window.objectName().toLower() + mark + ".png");
}

bool Save(QWidget& window, const QDir& folder) {
  QTest::qWait(300);  // let the window system map and paint the window
  const QString path = FileName(folder, window);
  const QPixmap pixels = window.screen()->grabWindow(window.winId());
  if (pixels.isNull() || !pixels.save(path)) return false;
  std::printf("%s (%dx%d)\n", qPrintable(path), pixels.width(), pixels.height());
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : ".");
  armoursmith::PlatformFileDialogs dialogs;
  armoursmith::ScriptWindowHolder scriptWindow(dialogs);
  armoursmith::ControlGate gate;
  armoursmith::Form1 form1(scriptWindow, gate, [&](const std::exception& error) {
    armoursmith::ReportError(&form1, error);
  });
  form1.move(20, 20);
  form1.show();
  if (!QTest::qWaitForWindowExposed(&form1) || !Save(form1, folder)) {
    return 1;
  }
  form1.PieceList(armoursmith::ArmourMaterial::Platemail)->setCurrentIndex(1);
  QTest::mouseClick(form1.Button(armoursmith::form1::Button::Go), Qt::LeftButton);
  armoursmith::Form2* form2 = scriptWindow.ExistingScriptWindow();
  if (!form2) return 1;
  form2->move(20, 20);  // over the main window, so that it fits on the screen at 2x too
  if (!QTest::qWaitForWindowExposed(form2) || !Save(*form2, folder)) {
    return 1;
  }
  return 0;
}
