// Tables dropped on either window, or named on the command line, add exactly what
// `armoursmith --batch` writes for them; other drops keep each box's own behaviour.
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "test_data.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

constexpr Qt::DropActions kFileManagerActions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

QString Source(const QString& table) {
  return QString(ARMOURSMITH_TEST_DATA) + "/batch/run/" + table + ".csv";
}

// What a file manager drags: local files, and no text.
std::unique_ptr<QMimeData> Files(const QStringList& paths) {
  auto data = std::make_unique<QMimeData>();
  QList<QUrl> urls;
  for (const QString& path : paths) urls.append(QUrl::fromLocalFile(path));
  data->setUrls(urls);
  return data;
}

class TableDrops : public testing::WindowsTest {
 protected:
  QTemporaryDir folder;

  // Drags `data` over the middle of `target` and drops it there, as the window system
  // delivers it: to the window, which finds the control under the pointer that takes drops.
  // Returns whether the drop was taken.
  bool Drop(QWidget* target, const QMimeData& data, Qt::DropActions actions = kFileManagerActions) {
    QWindow* window = target->window()->windowHandle();
    const QPoint at = target->mapTo(target->window(), target->rect().center());
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    QCoreApplication::processEvents();  // the tables are read once the drop has ended
    return drop.isAccepted();
  }

  QString Table(const QString& name, const QByteArray& text) {
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    return file.fileName();
  }

  QWidget* ScriptBox() const { return ScriptWindow()->TextBox()->viewport(); }
};

TEST_F(TableDrops, TablesDroppedOnEitherWindowAddWhatTheBatchRunWritesForThem) {
  Click("optring");
  Pick("cbo1", 2);
  // Two tables on a field box: the fields, lists and material stay as they were.
  ASSERT_TRUE(Drop(Control("txtid"), *Files({Source("prompts"), Source("chainmail_set")})));
  std::string expected = testing::ReadTestFile("batch/run/prompts.txt") +
                         testing::ReadGolden("startup_chainmail_set.txt");
  EXPECT_EQ(Script(), expected);
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Control<QLineEdit>("txtid")->text(), "Itemdef");
  EXPECT_EQ(Control<QComboBox>("cbo1")->currentIndex(), 2);
  EXPECT_TRUE(Control("cbo1")->isVisible());

  // On the script box, and on a button of the main window, the same text follows.
  ASSERT_TRUE(Drop(ScriptBox(), *Files({Source("columns")})));
  expected += testing::ReadTestFile("batch/run/columns.txt");
  ASSERT_TRUE(Drop(Control("cmdgo"), *Files({Source("hard_leather_set")})));
  expected += testing::ReadGolden("startup_hard_leather_set.txt");
  EXPECT_EQ(Script(), expected);
  EXPECT_TRUE(reportedErrors.empty());
}

TEST_F(TableDrops, OtherDropsKeepEachBoxsOwnBehaviour) {
  // A link dragged from a browser is text, and no table; a field takes it up to a line break.
  QMimeData link;
  link.setText("https://example.org/table.csv\nmore");
  link.setUrls({QUrl("https://example.org/table.csv")});
  auto* name = Control<QLineEdit>("txtname");
  name->clear();
  ASSERT_TRUE(Drop(name, link));
  EXPECT_EQ(name->text(), "https://example.org/table.csv");
  EXPECT_EQ(ScriptWindow(), nullptr);

  Click("cmdgo");
  const std::string script = Script();
  ASSERT_TRUE(Drop(ScriptBox(), link));
  EXPECT_EQ(Script().size(), script.size() + link.text().size() + 1);  // the line ends CR LF
  // A file manager that only offers to move its files gets no drop taken: the file is never
  // lost from its folder.
  EXPECT_FALSE(Drop(Control("txtid"), *Files({Source("prompts")}), Qt::MoveAction));
  EXPECT_EQ(Script().size(), script.size() + link.text().size() + 1);
  EXPECT_TRUE(reportedErrors.empty());
}

TEST_F(TableDrops, TablesWithAProblemAddNothingAndShowEveryProblem) {
  Click("cmdgo");
  const std::string script = Script();
  const QString good = Source("prompts");
  const QString wood = Table("wood.csv", "Material,Piece\nWood,Cap\nLeather,Cap\n");
  const QString missing = folder.filePath("missing.csv");
  ASSERT_TRUE(Drop(Control("txtid"), *Files({good, wood, missing})));
  EXPECT_EQ(Script(), script);
  ASSERT_EQ(reportedErrors.size(), 1u);
  EXPECT_EQ(reportedErrors[0],
            "Nothing was added to the script, because of these problems:\n\n" +
                QDir::toNativeSeparators(wood) +
                ":2: unknown material \"Wood\"; the materials are Platemail, Ringmail, "
                "Chainmail, Leather, Hard Leather\n" +
                QDir::toNativeSeparators(missing) + ": cannot be read: No such file or directory");

  // More text than the script window takes comfortably is refused, pointing to --batch: here
  // two tables of 5,000 whole sets, each of which alone would be taken.
  QByteArray sets = "Material,Piece\n";
  for (int row = 0; row < 5000; ++row) sets += "Platemail,Whole Set\n";
  const QString half = Table("half.csv", sets);
  ASSERT_TRUE(Drop(ScriptBox(), *Files({half, half})));
  EXPECT_EQ(Script(), script);
  ASSERT_EQ(reportedErrors.size(), 2u);
  EXPECT_TRUE(reportedErrors[1].contains("armoursmith --batch")) << reportedErrors[1];
}

}  // namespace
}  // namespace armoursmith
