#include "editcommand.h"

#include "app/fieldcommands.h"
#include "clisession.h"
#include "commandarguments.h"
#include "model/song.h"

#include <QFile>

#include <functional>

namespace {

using TextSetter = void (Song::*)(const QString &);

const std::pair<const char *, TextSetter> setters[] = {
    {"track", &Song::setTrack},
    {"title", &Song::setTitle},
    {"artist", &Song::setArtist},
    {"album-artist", &Song::setAlbumArtist},
    {"album", &Song::setAlbum},
    {"genre", &Song::setGenre},
    {"year", qOverload<const QString &>(&Song::setYear)},
    {"comment", &Song::setComment},
    {"compilation", qOverload<const QString &>(&Song::setIsCompilation)},
    {"file-name", &Song::setFileName},
};

const std::pair<const char *, void (FieldCommands::*)()> clears[] = {
    {"artist", &FieldCommands::clearArtist}, {"album-artist", &FieldCommands::clearAlbumArtist},
    {"album", &FieldCommands::clearAlbum},   {"genre", &FieldCommands::clearGenre},
    {"year", &FieldCommands::clearYear},     {"comment", &FieldCommands::clearComment},
};

bool readImage(const QString &path, QByteArray &bytes, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read image %1").arg(path);
        return false;
    }
    bytes = file.readAll();
    return true;
}

} // namespace

int EditCommand::run(const QStringList &arguments)
{
    QStringList valued = {QStringLiteral("clear"), QStringLiteral("add-image"),
                          QStringLiteral("remove-image")};
    for (const auto &setter : setters)
        valued.append(QString::fromLatin1(setter.first));
    CommandArguments parsed;
    QString error;
    if (!parsed.parse(arguments, valued, {QStringLiteral("clear-images"), QStringLiteral("dry-run")}, error))
        return CliSession::usageError(error);

    std::vector<void (FieldCommands::*)()> clearCommands;
    for (const QString &field : parsed.values(QStringLiteral("clear"))) {
        const auto found = std::find_if(std::begin(clears), std::end(clears), [&](const auto &clear) {
            return field == QLatin1String(clear.first);
        });
        if (found == std::end(clears))
            return CliSession::usageError(QStringLiteral("cannot clear %1").arg(field));
        clearCommands.push_back(found->second);
    }
    QList<QByteArray> added, removed;
    for (const QString &path : parsed.values(QStringLiteral("add-image"))) {
        if (!readImage(path, added.emplaceBack(), error))
            return CliSession::usageError(error);
    }
    for (const QString &path : parsed.values(QStringLiteral("remove-image"))) {
        if (!readImage(path, removed.emplaceBack(), error))
            return CliSession::usageError(error);
    }

    CliSession session;
    if (!session.load(parsed.paths(), error))
        return CliSession::usageError(error);
    EditorController &controller = session.controller();
    for (Song *song : controller.selectedSongs()) {
        for (const auto &[name, setter] : setters) {
            const QString value = parsed.value(QString::fromLatin1(name));
            if (!value.isNull())
                (song->*setter)(value);
        }
    }
    for (const auto clear : clearCommands)
        (controller.fieldCommands().*clear)();
    for (Song *song : controller.selectedSongs()) {
        if (parsed.isSet(QStringLiteral("clear-images"))) {
            for (qsizetype i = song->countOfImages() - 1; i >= 0; --i)
                song->removeObjectFromImagesAtIndex(i);
        }
        for (const QByteArray &image : added)
            song->addImage(image);
        for (const QByteArray &image : removed)
            song->removeImage(image);
    }
    return session.finish(parsed.isSet(QStringLiteral("dry-run")));
}
