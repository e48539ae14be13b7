#include "CodegenFixture.h"
#include "core/controls/CCButton.h"
#include "core/codegen/CodeText.h"
#include "core/codegen/LiveCode.h"
#include "core/files/FormFileCheck.h"
#include "core/model/PTDialog.h"

#include <QSignalSpy>

#include <set>

using namespace zf;
using namespace zf::test;

namespace {

QStringList ownedLines(const QStringList &text, const LineRuns &runs, const DesignObject *object)
{
    QStringList lines;
    for (const auto &[first, end] : linesOf(runs, object, text.size()))
        lines += text.mid(first, end - first);
    return lines;
}

using LineOwners = CodegenFixture;

} // namespace

// Every object of forms that hold every kind owns lines, and no line is
// owned by anything but the form's objects.
TEST_F(LineOwners, EveryObjectOwnsItsLinesInBothLibraries)
{
    for (const char *file : {"ccontrols-all.zsc", "ptoolbox-all.zsc"}) {
        const FormFileCheck check =
            checkFormFile(project, QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/") + file);
        ASSERT_TRUE(check.form) << file;
        GeneratedCode code;
        CodeGenerator::forLibrary(project.library())->generate(
            {{check.form.get()}, nullptr, QStringLiteral("P"), false, true}, code);
        const QStringList *texts[] = {&code.main, &code.forms, &code.events, &code.header};
        std::set<const DesignObject *> objects = {check.form->screen()};
        check.form->forEachObject([&](DesignObject *object) { objects.insert(object); });
        for (size_t t = 0; t < 4; ++t) {
            qsizetype last = 0;
            for (const LineRun &run : code.owners[t]) {
                EXPECT_TRUE(run.first >= last && run.first <= texts[t]->size()) << file;
                last = run.first;
                EXPECT_TRUE(!run.object || objects.count(run.object)) << file;
            }
        }
        for (const DesignObject *object : objects) {
            qsizetype owned = 0;
            for (size_t t = 0; t < 4; ++t)
                owned += ownedLines(*texts[t], code.owners[t], object).size();
            EXPECT_GT(owned, 0) << file << ": " << object->name().toStdString();
        }
    }
}

TEST_F(LineOwners, AControlOwnsExactlyItsOwnLines)
{
    project.setLibrary(kLibraryCControls);
    DesignForm *form = addForm(QStringLiteral("F"), QStringLiteral("T"));
    auto *dialog = add<TPTDialog>(form, form->screen(), QStringLiteral("D"), 20, 30, 100, 60);
    auto *button = add<TCCButton>(form, dialog, QStringLiteral("Bt"), 4, 5, 40, 14);
    button->setContent(QStringLiteral("Go"));
    GeneratedCode code;
    CodeGenerator::forLibrary(project.library())->generate({{form}, nullptr, "P", false, true}, code);
    EXPECT_EQ(ownedLines(code.forms, code.owners[1], button),
              QStringList({"  Bt=Cbutton(25,36,38,12,1,4);", "  Csetcontent(Bt,\"Go\");",
                           "  Cdraw(Bt);"}));
    EXPECT_EQ(ownedLines(code.events, code.owners[2], button),
              QStringList({"OnBt(){", "}", "", "    if (Cevent(Bt,e)) OnBt();"}));
    EXPECT_EQ(ownedLines(code.main, code.owners[0], dialog).first(), QStringLiteral("D(){"));
}

TEST_F(LineOwners, LiveCodeFollowsEveryChangeAndCoalescesBursts)
{
    project.setLibrary(kLibraryCControls);
    project.setProjectName(QStringLiteral("App"));
    DesignForm *form = addForm(QStringLiteral("F"), QStringLiteral("T"));
    auto *button = add<TCCButton>(form, form->screen(), QStringLiteral("Bt"), 0, 0, 40, 14);
    LiveCode live(project);
    QSignalSpy generated(&live, &LiveCode::generated);
    EXPECT_FALSE(generated.wait(100)); // idle until shown
    live.setActive(true);
    ASSERT_TRUE(generated.wait(5000));
    EXPECT_TRUE(live.code().forms.contains(QStringLiteral("  Bt=Cbutton(1,1,38,12,1,4);")));

    // A burst: at most one more run than the first, and the last state shown.
    generated.clear();
    for (int left = 1; left <= 50; ++left)
        form->perform(QStringLiteral("Move"), [&] { button->setLeft(left); });
    while (generated.wait(300)) {
    }
    EXPECT_GE(generated.size(), 1);
    EXPECT_LE(generated.size(), 2);
    EXPECT_TRUE(live.code().forms.contains(QStringLiteral("  Bt=Cbutton(51,1,38,12,1,4);")));
    EXPECT_EQ(ownedLines(live.code().forms, live.code().owners[1], button).size(), 3);
}
