#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <vector>

namespace armoursmith {
namespace {

constexpr char kProgram[] = "armoursmith";

constexpr char kDescription[] =
    "Writes item-definition blocks for pieces of armour. Without --batch it opens its main\n"
    "window; tables named (FILE) are added to the script as if dropped on it. With --batch it\n"
    "opens no window: it reads a table and writes, for each row, the text the main window's\n"
    "buttons would write.";

constexpr char kBatchHelp[] = R"(
Batch table:
  A table with a header row, as spreadsheets save it: cells separated by commas,
  semicolons or tabs (the header row decides), quoted as in RFC 4180, in UTF-8 or in
  UTF-16 with a byte-order mark ("Unicode text"); empty rows are skipped. The columns
  Material and Piece are needed; the fields are named by the main window's prompts
  (Itemdef, Defname, Name, Weight, Armour, StrReq, DexReq, IntReq, Description, Color,
  Hp, Out of HP). Names are matched without regard to case, in any order. A field column
  left out gives its prompt text. Piece is a label of the material's list, "Whole Set",
  or empty for a block without an ID line. For example, sets.csv:

    Material,Piece,Itemdef,Name,Armour
    Platemail,Helmet,helm_of_dawn,"Dawn, the Helm",40
    Leather,Whole Set,dusk,Dusk,12

  armoursmith --batch sets.csv -o sets.scp

  Platemail, Leather and Hard Leather sets end with "[EOF]", where a server stops
  reading a script file; rows after such a set are written, with a warning.

Exit status: 0 done; 1 usage error, no display, or the output could not be written;
2 the table has problems or cannot be read (then nothing is written).
Qt's standard options (-platform NAME, -style NAME, -reverse, -qwindowgeometry GEOMETRY
and the others) are accepted too.
)";

// The options QGuiApplication, QApplication and the X11 platform read, with one or two
// dashes; hidden from --help. Those in the first list take a value.
constexpr const char* kQtValueOptions[] = {
    "platform",      "platformpluginpath",
    "platformtheme", "plugin",
    "qmljsdebugger", "qwindowgeometry",
    "geometry",      "qwindowicon",
    "icon",          "qwindowtitle",
    "title",         "session",
    "display",       "name",
    "visual",        "style",
    "stylesheet",
};
constexpr const char* kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb",
                                          "testability"};

void AddQtOptions(QCommandLineParser& parser) {
  const auto add = [&](const char* name, const QString& valueName) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  };
  for (const char* name : kQtValueOptions) add(name, QStringLiteral("value"));
  for (const char* name : kQtFlagOptions) add(name, QString());
}

void DropSetUpNotes(QtMsgType /*type*/, const QMessageLogContext& /*context*/,
                    const QString& /*message*/) {}

CommandLine ExitWith(int status) {
  return {.exitStatus = status, .batch = std::nullopt, .tables = {}};
}

CommandLine UsageError(const QString& what) {
  std::fprintf(stderr, "%s: %s Try '%s --help'.\n", kProgram, qPrintable(what), kProgram);
  return ExitWith(EXIT_FAILURE);
}

}  // namespace

CommandLine ReadCommandLine(int argc, char* argv[]) {
  // The core application may take arguments out of what it is given; give it a copy.
  int count = argc;
  std::vector<char*> arguments(argv, argv + argc + 1);
  // Where the environment's locale is not UTF-8 (the C locale of a fresh system, a container
  // or a cron job), the first application object switches the character type to UTF-8, and
  // Qt 6.8, unlike 6.4, says so in four lines on stderr. What the program reads and writes is
  // the same bytes in every locale, so the note would only bury the program's own lines.
  const QtMessageHandler shown = qInstallMessageHandler(DropSetUpNotes);
  const QCoreApplication core(count, arguments.data());
  qInstallMessageHandler(shown);
  QCoreApplication::setApplicationName(kProgram);

  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(kDescription);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption batch(
      "batch", "Read the table FILE (- for standard input) and write the text for its rows.",
      "FILE");
  const QCommandLineOption output({"o", "output"},
                                  "With --batch: write to OUT instead of standard output.", "OUT");
  parser.addOptions({batch, output});
  parser.addPositionalArgument(
      "FILE", "Tables to add to the script at start, as if dropped on the window.", "[FILE...]");
  AddQtOptions(parser);

  if (!parser.parse(QCoreApplication::arguments())) return UsageError(parser.errorText());
  // Qt's --help-all would list only the core application's options; the help names the
  // windows' standard options instead.
  if (parser.isSet(help) || parser.isSet("help-all")) {
    std::fputs(qPrintable(parser.helpText() + kBatchHelp), stdout);
    return ExitWith(EXIT_SUCCESS);
  }
  if (parser.isSet(version)) {
    std::printf("%s %s\n", kProgram, ARMOURSMITH_VERSION);
    return ExitWith(EXIT_SUCCESS);
  }
  if (!parser.isSet(batch)) {
    if (parser.isSet(output)) return UsageError("--output works only with --batch.");
    return {
        .exitStatus = std::nullopt, .batch = std::nullopt, .tables = parser.positionalArguments()};
  }
  if (!parser.positionalArguments().isEmpty()) {
    return UsageError("Unexpected argument '" + parser.positionalArguments().first() + "'.");
  }
  // File names go to the batch run in UTF-8 on every platform; QFile::encodeName would give
  // Windows' ANSI code page, which cannot name every file.
  const auto fileName = [&](const QCommandLineOption& option) {
    return parser.value(option).toStdString();
  };
  return {.exitStatus = std::nullopt,
          .batch = batch::BatchRequest{.table = fileName(batch),
                                       .output = parser.isSet(output) ? fileName(output) : "-"},
          .tables = {}};
}

}  // namespace armoursmith
