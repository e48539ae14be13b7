#include "core/app/Options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zf {

namespace {

const QString kFileName = QStringLiteral("options.ini");
const QString kGeneral = QStringLiteral("General");
const QString kLib = QStringLiteral("Lib");
const QString kGrid = QStringLiteral("Grid");
const QString kShortNames = QStringLiteral("ShortNames");
const QString kScale = QStringLiteral("Scale");
const QString kRecoveryMinutes = QStringLiteral("RecoveryMinutes");
const QString kToolbars = QStringLiteral("Toolbars");
const QString kRecent = QStringLiteral("MRU Items");

QString recentKey(qsizetype index)
{
    return QLatin1Char('F') + QString::number(index);
}

} // namespace

QString Options::locate(const QString &programFolder, const QString &configFolder)
{
    const QString portable = QDir(programFolder).filePath(kFileName);
    if (QFileInfo(portable).isFile())
        return portable;
    return QDir(configFolder).filePath(kFileName);
}

QString Options::defaultPath()
{
    const QString programFolder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return locate(programFolder,
                  QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

Options::Options(const QString &path)
{
    m_document.setPath(path);
}

bool Options::load()
{
    m_error.clear();
    const bool read = m_document.open(m_document.path());
    if (!read)
        m_error = m_document.errorString();
    // An unreadable file leaves an empty document, which reads as defaults.
    const int library = m_document.readInt(kGeneral, kLib, 2);
    m_library = (library == 1 || library == 2) ? library : 2;
    m_grid = m_document.readInt(kGeneral, kGrid, 1) == 1;
    m_shortNames = m_document.readInt(kGeneral, kShortNames, 0) == 1;
    const int scale = m_document.readInt(kGeneral, kScale, 0);
    m_designScale = (scale >= 1 && scale <= kMaxDesignScale) ? scale : 0;
    const int minutes = m_document.readInt(kGeneral, kRecoveryMinutes, -1);
    m_recoveryMinutes = (minutes >= 0 && minutes <= kMaxRecoveryMinutes) ? minutes : -1;
    const auto layout =
        QByteArray::fromBase64Encoding(m_document.readString(kGeneral, kToolbars).toLatin1(),
                                       QByteArray::AbortOnBase64DecodingErrors);
    m_toolbarLayout = layout ? *layout : QByteArray();

    QStringList recent;
    for (int i = 0; i < RecentProjects::kMaxEntries; ++i)
        recent.append(m_document.readString(kRecent, recentKey(i)));
    m_recent = RecentProjects(recent);
    return read;
}

int Options::recoveryDelay() const
{
    constexpr int kMillisecondsPerMinute = 60 * 1000;
    return m_recoveryMinutes < 0 ? kRecoverySoon : m_recoveryMinutes * kMillisecondsPerMinute;
}

bool Options::save()
{
    m_error.clear();
    m_document.writeInt(kGeneral, kLib, m_library);
    m_document.writeInt(kGeneral, kGrid, m_grid ? 1 : 0);
    m_document.writeInt(kGeneral, kShortNames, m_shortNames ? 1 : 0);
    if (m_designScale >= 1 && m_designScale <= kMaxDesignScale)
        m_document.writeInt(kGeneral, kScale, m_designScale);
    // Written only when set, so that users who never set it follow the
    // default.
    if (m_recoveryMinutes >= 0)
        m_document.writeInt(kGeneral, kRecoveryMinutes, m_recoveryMinutes);
    m_document.writeString(kGeneral, kToolbars, QString::fromLatin1(m_toolbarLayout.toBase64()));
    m_document.eraseSection(kRecent);
    const QStringList &recent = m_recent.paths();
    for (qsizetype i = 0; i < recent.size(); ++i)
        m_document.writeString(kRecent, recentKey(i), recent[i]);

    const QString folder = QFileInfo(m_document.path()).absolutePath();
    if (!QDir().mkpath(folder)) {
        m_error = QStringLiteral("Cannot create the folder ") + folder;
        return false;
    }
    if (!m_document.save()) {
        m_error = m_document.errorString();
        return false;
    }
    return true;
}

} // namespace zf
