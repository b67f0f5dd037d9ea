// The script window's text straight into a server's script file and back: Open, Save and Save
// As with their keys and in the text box's context menu, the user's answers given by the test.
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

#include "script_file_commands.h"
#include "test_files.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using Questions = std::vector<QString>;

const QString kUnsaved =
    "The script window holds text that has not been saved. Save it before another script file "
    "takes its place? [Save|Discard|Cancel]";
const QString kNotOpened = "The file was not opened, and the script window keeps its text:\n\n";
const QString kNotSaved = "The script was not saved, and the script window keeps its text:\n\n";

class ScriptFiles : public testing::WindowsTest {
 protected:
  QTemporaryDir folder;

  QString Path(const QString& name) const { return folder.filePath(name); }
  static QString Native(const QString& path) { return QDir::toNativeSeparators(path); }
  QString Put(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return Path(name);
  }
  std::string Bytes(const QString& name) const {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
  }
  // The questions asked since the last look.
  Questions Asked() { return std::exchange(dialogs.asked, {}); }
  void PressInScript(QKeyCombination keys) { PressIn(ScriptWindow(), keys); }
};

TEST_F(ScriptFiles, AWholeSetSavedIsTheGoldenScriptAndOpenedAgainTakesOneMorePiece) {
  PressIn(&form1, kSaveKeys);  // no script window yet: nothing to save, nothing asked
  ChooseOnly("cbo2=6");
  Click("cmdwholeset");
  dialogs.answers = {Path("dawn")};
  PressInScript(kSaveKeys);
  EXPECT_EQ(Asked(), Questions{"Save As, starting at "});
  const std::string set = testing::ReadGolden("startup_platemail_set.txt");
  EXPECT_EQ(Bytes("dawn.scp"), set);

  // Later, in a new script window: a piece made there is let go for the file.
  ScriptWindow()->close();
  QTest::qWait(0);
  ChooseOnly("cbo2=1");
  Click("cmdgo");
  dialogs.answers = {"Discard", Path("dawn.scp")};
  PressInScript(kOpenKeys);
  EXPECT_EQ(Asked(), (Questions{kUnsaved, "Open, starting at " + folder.path()}));
  EXPECT_EQ(Script(), set);
  EXPECT_EQ(ScriptWindow()->TextBox()->textCursor().position(), 0);

  // One more piece goes after the set's "[EOF]": saving warns, and Cancel writes nothing.
  Click("cmdgo");
  const QString warning =
      "Line 111 is \"[EOF]\", and text follows it: a server stops reading a script file at "
      "\"[EOF]\", so it will never read the text after line 111.\n\nPut the whole sets that end "
      "with \"[EOF]\" last, or save them to files of their own. [Save anyway|Cancel]";
  dialogs.answers = {"Cancel", "Save anyway"};
  PressIn(&form1, kSaveKeys);
  EXPECT_EQ(Bytes("dawn.scp"), set);
  PressIn(&form1, kSaveKeys);
  EXPECT_EQ(Asked(), (Questions{warning, warning}));
  EXPECT_EQ(Bytes("dawn.scp"), set + testing::ReadGolden("startup_platemail_tunic.txt"));
}

TEST_F(ScriptFiles, OpenAsksFirstAboutTextNeverSavedAndTheFolderIsKeptForTheSession) {
  Click("cmdreset");  // makes the script window, hidden: still nothing on screen to save
  PressIn(&form1, kSaveKeys);
  Click("cmdgo");
  const std::string piece = Script();
  const QString other = Put("other.scp", "[ITEMDEF other]\r\n");
  const QString open = "Open, starting at " + folder.path();
  dialogs.answers = {"Cancel", "Save", Path("mine.scp"), other};
  PressInScript(kOpenKeys);
  EXPECT_EQ(Script(), piece);
  PressInScript(kOpenKeys);  // saved first, then the other file takes its place
  EXPECT_EQ(Asked(), (Questions{kUnsaved, kUnsaved, "Save As, starting at ", open}));
  EXPECT_EQ(Bytes("mine.scp"), piece);
  EXPECT_EQ(Script(), "[ITEMDEF other]\r\n");

  // Text just opened is no loss; typed text is.
  dialogs.answers = {other, "Cancel"};
  PressInScript(kOpenKeys);
  QTest::keyClicks(ScriptWindow()->TextBox(), "x");
  PressInScript(kOpenKeys);
  EXPECT_EQ(Asked(), (Questions{open, kUnsaved}));

  // Reset empties the window and forgets its file; a new window knows no file either. The
  // dialogs still start in the folder last used.
  Click("cmdreset");
  dialogs.answers = {"", "", ""};
  PressInScript(kOpenKeys);
  PressInScript(kSaveKeys);
  ScriptWindow()->close();
  QTest::qWait(0);
  Click("cmdgo");
  PressInScript(kSaveKeys);
  const QString saveAs = "Save As, starting at " + folder.path();
  EXPECT_EQ(Asked(), (Questions{open, saveAs, saveAs}));
}

TEST_F(ScriptFiles, SaveAsAddsScpToANameWithoutOneAndAsksBeforeReplacingThatFile) {
  Click("cmdgo");
  const std::string piece = Script();
  dialogs.answers = {Path("plain"), Path("plain"), "Cancel", Path("plain"), "Replace"};
  PressInScript(kSaveAsKeys);
  EXPECT_EQ(Bytes("plain.scp"), piece);
  QTest::keyClicks(ScriptWindow()->TextBox(), "x");
  PressInScript(kSaveAsKeys);
  EXPECT_EQ(Bytes("plain.scp"), piece);
  PressInScript(kSaveAsKeys);
  EXPECT_EQ(Bytes("plain.scp"), "x" + piece);
  const QString again = "Save As, starting at " + Path("plain.scp");
  const QString replace =
      Native(Path("plain.scp")) + " already exists. Replace it? [Replace|Cancel]";
  EXPECT_EQ(Asked(), (Questions{"Save As, starting at ", again, replace, again, replace}));

  // Under "All files" a name stays as typed; a name with an extension stays under either.
  dialogs.itemScripts = false;
  dialogs.answers = {Path("notes")};
  PressInScript(kSaveAsKeys);
  dialogs.itemScripts = true;
  dialogs.answers = {Path("items.txt")};
  PressInScript(kSaveAsKeys);
  EXPECT_EQ(Bytes("notes"), "x" + piece);
  EXPECT_EQ(Bytes("items.txt"), "x" + piece);
  EXPECT_FALSE(QFile::exists(Path("notes.scp")));
}

// A folder that is a file fails for every user, root included; a read-only file for the others.
TEST_F(ScriptFiles, ASaveThatFailsKeepsTheFileAndTheTextAndNamesTheReason) {
  Put("file.txt", "x");
  const QString readOnly = Put("items.scp", "[ITEMDEF old]\r\n");
  QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  Click("cmdgo");
  const std::string piece = Script();
  const QString inside = Path("file.txt/items.scp");
  dialogs.answers = {inside, ""};
  PressInScript(kSaveKeys);
  PressInScript(kSaveKeys);  // nothing was remembered: a name is asked for again
  Questions asked = Asked();
  ASSERT_EQ(asked.size(), 3u);
  const QString failure = kNotSaved + Native(inside) + ": cannot be written: ";
  EXPECT_TRUE(asked[1].startsWith(failure)) << asked[1];
  EXPECT_GT(asked[1].size(), failure.size() + QString(" [OK]").size());
  EXPECT_EQ(asked[2], "Save As, starting at ");
  EXPECT_EQ(Script(), piece);
  EXPECT_EQ(Bytes("file.txt"), "x");

  if (QFile probe(readOnly); probe.open(QIODevice::Append)) {
    GTEST_SKIP() << "this user writes read-only files too (root does)";
  }
  dialogs.answers = {"Discard", readOnly};
  PressInScript(kOpenKeys);
  Click("cmdgo");
  PressInScript(kSaveKeys);
  asked = Asked();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_TRUE(asked[2].startsWith(kNotSaved + Native(readOnly) + ": cannot be written: "))
      << asked[2];
  EXPECT_EQ(Bytes("items.scp"), "[ITEMDEF old]\r\n");
  EXPECT_TRUE(Script().starts_with("[ITEMDEF old]\r\n// Designed By")) << Script();
}

TEST_F(ScriptFiles, AFileThatIsNotUtf8OrHoldsANulByteIsRefusedAndChangesNothing) {
  Click("cmdgo");
  const std::string piece = Script();
  const QString latin = Put("latin.scp", "[ITEMDEF dm]\r\nNAME=D\xe4mmerung\r\n");
  // Not "nul.scp": on Windows that name is the null device, whatever its extension.
  const QString nul = Put("zero.scp", QByteArray("a\nb\nc\0", 7));
  dialogs.answers = {"Discard", latin, "Discard", nul, "Discard", Path("missing.scp")};
  for (int open = 0; open < 3; ++open) PressInScript(kOpenKeys);
  const Questions asked = Asked();
  ASSERT_EQ(asked.size(), 9u);
  EXPECT_EQ(asked[2], kNotOpened + Native(latin) +
                          ":2: the line is not UTF-8 text; save the file as UTF-8 and open it "
                          "again [OK]");
  EXPECT_EQ(asked[5], kNotOpened + Native(nul) +
                          ":3: the line holds a NUL byte (character 0), which a text file never "
                          "holds [OK]");
  EXPECT_TRUE(asked[8].startsWith(kNotOpened + Native(Path("missing.scp")) + ": cannot be read: "))
      << asked[8];
  EXPECT_EQ(Script(), piece);
  dialogs.answers = {""};
  PressInScript(kSaveKeys);
  EXPECT_EQ(Asked(), Questions{"Save As, starting at "});
}

TEST_F(ScriptFiles, EveryLineEndOpenedIsSavedAsCrLfAndThisProgramsScriptsComeBackUnchanged) {
  Click("cmdwholeset");  // no list at "Whole Set": an empty script window
  dialogs.answers = {Put("mixed.scp", "\xEF\xBB\xBFone\ntwo\rthree\r\nfour")};
  PressInScript(kOpenKeys);
  EXPECT_EQ(Script(), "one\r\ntwo\r\nthree\r\nfour");
  PressInScript(kSaveKeys);
  EXPECT_EQ(Bytes("mixed.scp"), "one\r\ntwo\r\nthree\r\nfour");

  const std::string script = testing::ReadTestFile("batch/windows.txt");
  dialogs.answers = {Put("windows.scp", QByteArray::fromStdString(script)), "Save anyway"};
  PressInScript(kOpenKeys);
  PressInScript(kSaveKeys);
  EXPECT_EQ(Bytes("windows.scp"), script);
}

TEST_F(ScriptFiles, TheContextMenuOffersTheCommandsAfterTheToolkitsOwnToKeysAndScreenReaders) {
  Click("cmdgo");
  ScriptBox* box = ScriptWindow()->TextBox();
  ScriptWindow()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(ScriptWindow()));
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, box->cursorRect().center(),
                            box->mapToGlobal(box->cursorRect().center()));
  QApplication::sendEvent(box, &menuKey);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> entries = menu->actions();
  ASSERT_GT(entries.size(), 4);
  EXPECT_FALSE(entries[entries.size() - 5]->isSeparator());  // the toolkit's entries come first
  EXPECT_TRUE(entries[entries.size() - 4]->isSeparator());
  // Each as a screen reader names it, with its keys.
  QStringList heard;
  const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(menu);
  for (qsizetype entry = entries.size() - 3; entry < entries.size(); ++entry) {
    heard << reader->child(static_cast<int>(entry))->text(QAccessible::Name) + " " +
                 entries[entry]->shortcut().toString(QKeySequence::PortableText);
  }
  EXPECT_EQ(heard, QStringList({"Open… Ctrl+O", "Save Ctrl+S", "Save As… Ctrl+Shift+S"}));

  // Up from the top reaches the last entry; Enter chooses it.
  dialogs.answers = {""};
  QTest::keyClick(menu, Qt::Key_Up);
  QTest::keyClick(menu, Qt::Key_Return);
  EXPECT_EQ(Asked(), Questions{"Save As, starting at "});
}

}  // namespace
}  // namespace armoursmith
