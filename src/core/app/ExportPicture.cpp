#include "core/app/ExportPicture.h"
#include "core/app/Prompts.h"
#include "core/designer/FormPicture.h"
#include "core/model/DesignForm.h"
#include "core/model/UserInterface.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zf {

bool exportPicture(const DesignForm &form, const PictureChoice &choice, UserInterface &ui)
{
    const QString caption = QStringLiteral("Export Picture");
    const QString proposed =
        form.fileName().isEmpty()
            ? form.name() + QStringLiteral(".png")
            : QFileInfo(form.fileName()).dir().filePath(form.name() + QStringLiteral(".png"));
    const std::optional<QString> path = ui.saveFileName(
        {caption, QStringLiteral("PNG pictures (*.png)|*.png"), QStringLiteral("png"), proposed});
    if (!path)
        return false;
    if (QFileInfo::exists(*path) && !confirmReplace(ui, caption, *path))
        return false;
    const int scale = std::clamp(choice.scale, 1, PictureChoice::kMaxScale);
    QString error;
    if (!writePng(enlargedPicture(renderForm(form, choice.area), scale), *path, &error)) {
        reportWriteFailure(ui, *path, error);
        return false;
    }
    return true;
}

} // namespace zf
