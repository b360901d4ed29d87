// Any bytes, as a file named .mp3 and as one named .m4a, through the readers.
#include "app/settings.h"
#include "model/song.h"
#include "tags/tagsreader.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

namespace {

QTemporaryDir *folder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", folder->filePath(QStringLiteral("config")).toUtf8());
    Settings::registerDefaults();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TagsReader reader;
    for (const char *name : {"input.mp3", "input.m4a"}) {
        const QString path = folder->filePath(QString::fromLatin1(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
        file.close();
        const std::unique_ptr<Song> song = reader.parseFile(path);
        if (!song)
            __builtin_trap();
    }
    return 0;
}
