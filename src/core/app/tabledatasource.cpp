#include "tabledatasource.h"

#include "app/editorcontroller.h"
#include "app/filegatherer.h"
#include "app/textvalue.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

const QString TableDataSource::SongSelectionType = QStringLiteral("application/x-korvan-song-selection");

TableDataSource::TableDataSource(EditorController &controller)
    : m_controller(controller)
{}

QMimeData *TableDataSource::writeRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return nullptr;
    QList<int> descending = rows;
    std::sort(descending.begin(), descending.end(), std::greater<int>());
    QJsonArray texts;
    for (int row : descending)
        texts.append(QString::number(row));
    auto *data = new QMimeData;
    data->setData(SongSelectionType, QJsonDocument(texts).toJson(QJsonDocument::Compact));
    return data;
}

QStringList TableDataSource::songSelection(const QMimeData &data)
{
    QStringList texts;
    for (const QJsonValue &value : QJsonDocument::fromJson(data.data(SongSelectionType)).array())
        texts.append(value.isString() ? value.toString() : QString::number(value.toInteger()));
    return texts;
}

TableDataSource::DropResult TableDataSource::validateDrop(const QMimeData &data, int row,
                                                          bool sourceAllowsLink) const
{
    if (!sourceAllowsLink)
        return {};
    return processPasteboard(data, false, row);
}

TableDataSource::DropResult TableDataSource::acceptDrop(const QMimeData &data, int row)
{
    return processPasteboard(data, true, row);
}

TableDataSource::DropResult TableDataSource::processPasteboard(const QMimeData &data, bool conclude,
                                                               int row) const
{
    if (data.hasUrls()) {
        QStringList paths;
        bool anyUsable = false;
        for (const QUrl &url : data.urls()) {
            if (!url.isLocalFile())
                continue;
            const QString path = url.toLocalFile();
            paths.append(path);
            const QFileInfo info(path);
            anyUsable = anyUsable || info.isDir() || (info.isFile() && FileGatherer::isMusicFileName(path));
        }
        if (!anyUsable)
            return {};
        if (conclude)
            m_controller.traverseFiles(paths);
        return {true, true};
    }
    if (data.hasFormat(SongSelectionType)) {
        const QStringList texts = songSelection(data);
        if (texts.isEmpty())
            return {};
        if (conclude) {
            QList<int> indexes;
            for (const QString &text : texts)
                indexes.append(integerValue(text));
            m_controller.moveSongs(indexes, row);
        }
        return {true, false};
    }
    return {};
}
