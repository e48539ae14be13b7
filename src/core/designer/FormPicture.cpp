#include "core/designer/FormPicture.h"
#include "core/base/FileProblem.h"

#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace zf {

QImage enlargedPicture(const QImage &picture, int scale)
{
    if (scale <= 1)
        return picture;
    return picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage fittedPicture(const QImage &picture, int size)
{
    const int longest = std::max(picture.width(), picture.height());
    if (longest <= 0 || size <= 0)
        return picture;
    if (size >= longest)
        return enlargedPicture(picture, size / longest);
    // Rounded down, so that neither side outgrows the size.
    const auto side = [&](int length) {
        return std::max(1, int(qint64(length) * size / longest));
    };
    return picture.scaled(side(picture.width()), side(picture.height()), Qt::IgnoreAspectRatio,
                          Qt::FastTransformation);
}

bool writePng(const QImage &picture, const QString &path, QString *error)
{
    *error = pathProblem(path, QStringLiteral("picture file"));
    if (!error->isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!picture.save(&file, "PNG")) {
        file.cancelWriting();
        *error = QStringLiteral("the picture could not be encoded");
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace zf
