#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <vector>

class Cover;

// A release found in the release database: artist, album, genre, year, the
// track titles with one check flag each (1 checked, 0 unchecked) and the
// cover candidates. Titles and flags always have the same length.
class Release
{
public:
    Release() = default;
    // Clears the release reference of every cover it holds.
    ~Release();
    Release(const Release &) = delete;
    Release &operator=(const Release &) = delete;

    const QString &artist() const { return m_artist; }
    void setArtist(const QString &artist) { m_artist = artist; }
    const QString &album() const { return m_album; }
    void setAlbum(const QString &album) { m_album = album; }
    const QString &genre() const { return m_genre; }
    void setGenre(const QString &genre) { m_genre = genre; }
    int year() const { return m_year; }
    void setYear(int year) { m_year = year; }

    qsizetype countOfTitles() const { return m_titles.size(); }
    const QString &objectInTitlesAtIndex(qsizetype index) const { return m_titles.at(index); }
    void insertObjectInTitles(const QString &title, qsizetype index) { m_titles.insert(index, title); }
    void removeObjectFromTitlesAtIndex(qsizetype index) { m_titles.removeAt(index); }
    void addTitle(const QString &title) { insertObjectInTitles(title, m_titles.size()); }

    qsizetype countOfFlags() const { return m_flags.size(); }
    int objectInFlagsAtIndex(qsizetype index) const { return m_flags.at(index); }
    void insertObjectInFlags(int flag, qsizetype index) { m_flags.insert(index, flag); }
    void removeObjectFromFlagsAtIndex(qsizetype index) { m_flags.removeAt(index); }
    void addFlag(int flag) { insertObjectInFlags(flag, m_flags.size()); }
    void replaceObjectInFlagsAtIndex(qsizetype index, int flag) { m_flags[index] = flag; }

    qsizetype countOfCovers() const { return qsizetype(m_covers.size()); }
    Cover *objectInCoversAtIndex(qsizetype index) const { return m_covers.at(size_t(index)).get(); }
    void insertObjectInCovers(std::shared_ptr<Cover> cover, qsizetype index);
    void removeObjectFromCoversAtIndex(qsizetype index);
    void addCover(std::shared_ptr<Cover> cover) { insertObjectInCovers(std::move(cover), countOfCovers()); }

    // The titles whose flag is 1, in title order.
    QStringList checkedTitles() const;

private:
    QString m_artist = QStringLiteral("");
    QString m_album = QStringLiteral("");
    QString m_genre = QStringLiteral("");
    int m_year = 0;
    QStringList m_titles;
    QList<int> m_flags;
    std::vector<std::shared_ptr<Cover>> m_covers;
};
