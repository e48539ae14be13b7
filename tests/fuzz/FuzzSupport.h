#pragma once

#include "core/app/FormCommands.h"
#include "core/app/Workspace.h"
#include "core/model/DesignProject.h"
#include "core/model/UserInterface.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace zf::fuzz {

// A user who is never there: every question is answered with its most
// cautious button, so no input can wait for a window.
class SilentUserInterface : public UserInterface
{
public:
    Button ask(const Message &message) override
    {
        if (message.buttons.testFlag(Button::Cancel))
            return Button::Cancel;
        if (message.buttons.testFlag(Button::No))
            return Button::No;
        return Button::Ok;
    }
    std::optional<QString> openFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<int> chooseLibrary(int) override { return std::nullopt; }
    void pauseZoom() override {}
    void resumeZoom() override {}
};

// The objects the file commands work on, as the main window holds them.
struct Designer
{
    explicit Designer(int library) : project(ui), forms(project, workspace)
    {
        project.setLibrary(library);
    }

    SilentUserInterface ui;
    DesignProject project;
    Workspace workspace;
    FormCommands forms;
};

inline QByteArrayView bytesOf(const uint8_t *data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The application object and the fonts, made once per fuzzing process; the
// data folder lies beside the build tree's bin/ as in every build.
void initialize(int *argc, char ***argv);

// A broken invariant: printed and turned into a crash, which libFuzzer
// records with its input.
[[noreturn]] void fail(const char *what, const QByteArray &detail = {});

// The entry point libFuzzer calls once, for a target that needs no more than
// initialize().
#define ZF_FUZZ_INITIALIZE_DEFAULT()                                                               \
    extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)                                   \
    {                                                                                              \
        zf::fuzz::initialize(argc, argv);                                                          \
        return 0;                                                                                  \
    }

} // namespace zf::fuzz
