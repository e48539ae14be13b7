#include "CliRunner.h"

using namespace zf::test;

using Cli = CliTest;

// Exit codes: 0 done, 1 problems found or work refused to keep data safe,
// 2 a file that could not be read or written, or no command; each message
// names the file (and line) and the real reason.
TEST_F(Cli, EveryCommandExitsWithTheCodeOfWhatHappened)
{
    const QString damaged = QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/damaged/");
    const QString empty = damaged + "project-empty.zpj";
    const QString unicode = damaged + "project-utf16.zpj", badLib = damaged + "project-library-4.zpj";
    QByteArrayList refused;
    for (const char *name : {"names.zsc", "kinds.zsc", "no-name-no-library.zsc"})
        refused << fileBytes(damaged + QLatin1String(name));
    const QString taken = write(QStringLiteral("taken.zsc"), refused[0]);
    const QString knob = write(QStringLiteral("knob.zsc"), refused[1]);
    const QString noLibrary = write(QStringLiteral("nolib.zsc"), refused[2]);
    const QString project = writeProject();
    const QString noProject = QStringLiteral(": warning: [Project]: missing; this is no project file");
    const QString folder = path(QStringLiteral("folder.zsc"));
    QDir().mkpath(folder);
    const QString all = golden("ccontrols-all.zsc");
    const QString render = QStringLiteral("zentiform-cli render: "), png = path(QStringLiteral("x.png"));
    const QString usage = QStringLiteral("usage: zentiform-cli ");
    const struct
    {
        QStringList arguments;
        int exitCode;
        QString message;
    } cases[] = {
        {{"check", path("missing.zsc"), taken, all, unicode}, 2,
         path("missing.zsc") + ": error: cannot be read: No such file\n" + taken
             + ":9: warning: [C] Name: A component named b already exists; the record is skipped\n" + taken
             + ":12: warning: [D] Name: 'FoRm' is not a valid component name; the record is skipped\n"
             + unicode + ":4: warning: [ActiveForms] Form0: " + damaged + "gone.zsc"
             + ": no such form file; it is skipped\n"},
        {{"check", empty}, 1, empty + noProject},
        {{"check", badLib}, 1, badLib + ":2: warning: [Project] Lib: 4 names no library; no form of it"},
        {{"check", folder}, 2, folder + ": error: cannot be read: is a folder, not a form file"},
        {{"check", all, golden("ptoolbox-all.zsc")}, 0, QString()},
        {{"resave", taken}, 1, taken + ":9: warning: [C] Name: A component named b already exists"},
        {{"resave", taken}, 1, taken + ": error: not resaved: saving would drop the records above"},
        {{"resave", knob}, 1, knob + ":9: warning: [K] Control: 'Buton' is no kind of control"},
        {{"resave", noLibrary}, 1, noLibrary + ":1: warning: [FORM] Lib: missing"},
        {{"resave", all, "-o", folder}, 2, folder + ": error: cannot be written: is a folder, not a file"},
        {{"render", all, "-o", folder}, 2, folder + ": error: cannot be written: is a folder, not a picture"},
        {{"render", all}, 2, usage + "render"},
        {{"render", all, "-o", png, "--scale", "0"}, 2, render + "the scale must be a whole number"},
        {{"render", all, "-o", png, "--scale", "2", "--size", "64"}, 2, render + "give either"},
        {{"generate", project, "--first", "Nowhere"}, 1, "The project has no form named Nowhere"},
        {{"generate", write("Empty.zpj", "[Project]\r\nLib=2\r\n[ActiveForms]\r\n")}, 1,
         path("Empty.zpj") + ": error: There is no form to generate."},
        // The output folder cannot be made: nothing could be written.
        {{"generate", project, "-o", write("file", "x") + "/sub"}, 2, "error: Unable to create the folder "},
        {{"generate", project, "--pde", "--doc"}, 2, usage + "generate PROJECT.zpj"},
        {{"resave", "a.zsc", "b.zsc"}, 2, usage},
        {{"--help"}, 0, "resave FORM.zsc [-o OUT.zsc]"},
    };
    for (const auto &c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE((run.out + run.err).contains(c.message))
            << c.arguments.join(' ').toStdString() << "\n" << (run.out + run.err).toStdString()
            << "\ndoes not hold\n" << c.message.toStdString();
    }
    // Refused work leaves every file as it was.
    EXPECT_EQ((QByteArrayList{fileBytes(taken), fileBytes(knob), fileBytes(noLibrary)}), refused);
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Empty.pc"))));
}

// The golden text as a person might have edited it (LF line ends, each
// section's keys in reverse order, blanks, comments) resaves as Save Form
// writes it, in place or into another file.
TEST_F(Cli, ResaveWritesAHandEditedFileAsSaveFormWould)
{
    for (const QString library : {"ccontrols", "ptoolbox"}) {
        const QByteArray edited = fileBytes(goldenForm(library + "-hand-edited.zsc"));
        const QString input = write(library + ".zsc", edited);
        const QString output = path(QStringLiteral("out.zsc"));
        EXPECT_EQ(runCli({"resave", input, "-o", output}).exitCode, 0);
        EXPECT_EQ(fileBytes(input), edited);
        const std::string canonical = fileBytes(goldenForm(library + "-all.zsc")).toStdString();
        EXPECT_EQ(fileBytes(output).toStdString(), canonical) << library.toStdString();
        const CliRun run = runCli({"resave", input});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(fileBytes(input).toStdString(), canonical) << library.toStdString();
    }
}
