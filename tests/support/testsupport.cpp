#include "testsupport.h"

#include "app/editorcontroller.h"
#include "app/settings.h"
#include "model/song.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <ostream>

namespace TestSupport {

QString dataPath(const QString &name)
{
    return QStringLiteral(KORVAN_TEST_DATA "/") + name;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace TestSupport

void KorvanTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    Settings::setStoreFolder(m_dir.filePath(QStringLiteral("config")));
}

void KorvanTest::TearDown()
{
    Settings::setStoreFolder(QString());
}

QString KorvanTest::tempPath(const QString &name) const
{
    return m_dir.filePath(name);
}

QString KorvanTest::copyFixture(const QString &fixture, const QString &name) const
{
    const QString target = tempPath(name);
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    if (!QFile::copy(TestSupport::dataPath(fixture), target))
        ADD_FAILURE() << "cannot copy fixture " << fixture.toStdString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return target;
}

QString KorvanTest::makeSongFile(const QString &name) const
{
    const QString path = tempPath(name);
    const QString extension = QFileInfo(name).suffix().toLower();
    if (extension == QLatin1String("mp3"))
        return copyFixture(QStringLiteral("silent.mp3"), name);
    if (extension == QLatin1String("m4a") || extension == QLatin1String("mp4"))
        return copyFixture(QStringLiteral("silent.m4a"), name);
    QDir().mkpath(QFileInfo(path).path());
    TestSupport::writeBytes(path, QByteArray());
    return path;
}

void KorvanTest::addSongFiles(EditorController &controller, int count, const QString &pattern) const
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths.append(makeSongFile(pattern.arg(i)));
    controller.traverseFiles(paths);
}

QStringList fileNames(const EditorController &controller)
{
    QStringList names;
    for (const auto &song : controller.songs())
        names.append(song->fileName());
    return names;
}

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << bytes.size() << " bytes";
}
