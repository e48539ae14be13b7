#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace zf::test {

// Points the user's data, config, cache and state folders of this test
// process into a temporary folder of its own, before the application object
// reads them: ctest runs every test in a process of its own and many at once,
// and none may see another's recovery copies or options, nor the user's.
class PrivateUserFolders
{
public:
    PrivateUserFolders()
    {
        for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            qputenv(name, QFile::encodeName(m_root.filePath(QString::fromLatin1(name))));
    }

private:
    QTemporaryDir m_root;
};

} // namespace zf::test
