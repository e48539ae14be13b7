#include "gui/codegen/GenerateWindow.h"
#include "gui/app/Main.h"
#include "gui/codegen/frmGenerateCode.h"

namespace zf {

void ConnectGenerateWindow(TMainForm &main)
{
    auto *window = new TfrmGenerate(main.project(), main.userInterface(), &main);
    QObject::connect(&main, &TMainForm::generateCodeRequested, window, &TfrmGenerate::execute);
}

} // namespace zf
