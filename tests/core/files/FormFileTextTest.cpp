// What a form file's texts may hold, and where its records go: names and
// texts without control characters, each control in the container its
// "Parent" names.
#include "FormFileSupport.h"
#include "model/ModelFixture.h"

#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/codegen/CodeOutputs.h"
#include "core/controls/CCButton.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

namespace {

using FormText = ModelFixture;

} // namespace

// A NUL or an escape in a name or a caption would reach the generated
// source; loading leaves them out of the value, says so, and loses nothing
// else.
TEST_F(FormText, ControlCharactersAreLeftOutOfEveryTextAndReported)
{
    FileProblems problems;
    QByteArray text = iniText({
        "[FORM]", "Name=F@", "Title=Ti@tle", "Lib=1",
        "[Lb1]", "Control=Label", "Name=Lb@1", "Content=a@b#c", "Font=Pilot@Bold,9,,0,clWindowText,1",
        "[Lst]", "Control=ListBox", "Name=Lst", "Count=2", "Item0=one@", "Item1=two",
        "[Bt]", "Control=Button", "Name=Bt", "Content=\tOK\x7f", "Top=20",
    });
    text.replace('@', QByteArray(1, '\0')).replace('#', "\x1b");
    const IniDocument doc = parsedDocument(text);
    ASSERT_EQ(readFormName(doc), QStringLiteral("F"));
    DesignForm *loaded = project.addForm(readFormName(doc));
    problems = readForm(*loaded, doc);

    EXPECT_EQ(loaded->screen()->title(), QStringLiteral("Title"));
    auto *label = objectCast<TCCLabel>(loaded->findOwned(QStringLiteral("Lb1")));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->content(), QStringLiteral("abc"));
    EXPECT_EQ(label->font().name(), QStringLiteral("PilotBold"));
    auto *list = objectCast<TCCListBox>(loaded->findOwned(QStringLiteral("Lst")));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->items(), QStringList({QStringLiteral("one"), QStringLiteral("two")}));
    auto *button = objectCast<TCCButton>(loaded->findOwned(QStringLiteral("Bt")));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->content(), QStringLiteral("OK"));
    EXPECT_EQ(button->top(), 20);

    QStringList texts;
    for (const FileProblem &problem : problems) {
        texts << problem.text();
        EXPECT_FALSE(problem.dropsRecord());
    }
    const QString dropped = QStringLiteral("the value holds control characters; they are left out");
    EXPECT_EQ(texts, QStringList({
        "[FORM] Title: " + dropped, "[Lb1] Name: " + dropped, "[Lb1] Content: " + dropped,
        "[Lb1] Font: " + dropped, "[Lst]: the list in [Lst] holds control characters; they are left out",
        "[Bt] Content: " + dropped,
    }));

    // Nothing of them reaches the files written from the form.
    const QByteArray saved = formBytes(*loaded);
    EXPECT_EQ(formBytes(*loadForm(project, saved)), saved);
    GeneratedCode code;
    GenerateSettings settings;
    ASSERT_TRUE(generateCode(*CodeGenerator::forLibrary(kLibraryCControls), {loaded},
                             QStringLiteral("App"), settings, code, ui));
    for (const QStringList *lines : {&code.main, &code.forms, &code.events, &code.header}) {
        const QByteArray bytes = encodeSource(*lines, QStringLiteral("App.pc")).bytes;
        for (const char c : bytes)
            EXPECT_TRUE(uchar(c) >= 0x20 || c == '\r' || c == '\n' || c == '\t') << int(c);
    }
}

// Loading finds each container by a table, not by walking the screen; the
// rule stays the form's: the first object of the name, a container, else the
// screen.
TEST_F(FormText, EachControlGoesWhereItsParentSays)
{
    DesignForm *loaded = loadForm(project, iniText({
        "[FORM]", "Name=F", "Lib=1",
        "[Dlg]", "Control=Dialog", "Name=Dlg",
        "[InDialog]", "Control=Label", "Name=InDialog", "Parent=Dlg",
        "[OnScreen]", "Control=Label", "Name=OnScreen", "Parent=panScreen",
        "[NoParent]", "Control=Label", "Name=NoParent",
        "[Unknown]", "Control=Label", "Name=Unknown", "Parent=Nowhere",
        "[InLabel]", "Control=Label", "Name=InLabel", "Parent=OnScreen",
        "[WrongCase]", "Control=Label", "Name=WrongCase", "Parent=dlg",
        "[Early]", "Control=Label", "Name=Early", "Parent=Dlg2",
        "[Dlg2]", "Control=Dialog", "Name=Dlg2",
        "[Late]", "Control=Label", "Name=Late", "Parent=Dlg2",
    }));
    const auto parentOf = [&](const char *name) {
        const DesignObject *object = loaded->findOwned(QLatin1String(name));
        return object && object->parent() ? object->parent()->name() : QStringLiteral("?");
    };
    const QString screen = loaded->screen()->name();
    const std::pair<const char *, QString> cases[] = {
        {"InDialog", QStringLiteral("Dlg")}, {"OnScreen", screen}, {"NoParent", screen},
        {"Unknown", screen},  {"InLabel", screen}, {"WrongCase", screen},
        {"Early", screen},    {"Late", QStringLiteral("Dlg2")},
    };
    for (const auto &[name, parent] : cases)
        EXPECT_EQ(parentOf(name), parent) << name;
}
