#include "titlecase.h"

#include <QSet>
#include <QStringView>
#include <QTextBoundaryFinder>

#include <vector>

namespace {

const QSet<QString> &smallWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char *word : {"a", "an", "and", "as", "at", "but", "by", "en", "for", "if", "in", "of",
                                 "on", "or", "the", "to", "via", "vs", "feat"})
            set.insert(QString::fromLatin1(word));
        return set;
    }();
    return words;
}

// Upper-case and title-case letters, and the full stop.
bool leavesAsTyped(char32_t c)
{
    if (c == U'.')
        return true;
    const QChar::Category category = QChar::category(c);
    return category == QChar::Letter_Uppercase || category == QChar::Letter_Titlecase;
}

// True when no character after the first one keeps the word as typed.
bool passesSearch(QStringView word)
{
    bool first = true;
    for (const char32_t c : word.toUcs4()) {
        if (!first && leavesAsTyped(c))
            return false;
        first = false;
    }
    return true;
}

// First letter upper (title) case, the rest lower case.
QString capitalized(QStringView word)
{
    if (word.isEmpty())
        return QString();
    const qsizetype firstLength = word.front().isHighSurrogate() && word.size() > 1 ? 2 : 1;
    const char32_t first = word.left(firstLength).toUcs4().value(0);
    const char32_t title = QChar::toTitleCase(first);
    QString head;
    if (title != first)
        head = QString::fromUcs4(&title, 1);
    else if (QChar::category(first) == QChar::Letter_Titlecase)
        head = word.left(firstLength).toString();
    else {
        // A letter whose upper case is longer ("ß" gives "SS") takes its
        // title case form, upper then lower ("Ss").
        head = word.left(firstLength).toString().toUpper();
        head = head.left(1) + head.mid(1).toLower();
    }
    return head + word.mid(firstLength).toString().toLower();
}

struct Segment
{
    qsizetype start, length;
    bool isWord;
};

std::vector<Segment> segments(const QString &text)
{
    std::vector<Segment> found;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text);
    qsizetype start = 0;
    bool startsWord = finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        if (end > start) {
            const bool isWord = startsWord || text.at(start).isLetterOrNumber();
            found.push_back({start, end - start, isWord});
        }
        startsWord = finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem;
        start = end;
    }
    if (start < text.size())
        found.push_back({start, text.size() - start, false});
    return found;
}

} // namespace

QString titlecaseString(const QString &text)
{
    const std::vector<Segment> parts = segments(text);
    // The result is rebuilt piece by piece, so a case mapping that changes a
    // word's length cannot shift the words after it.
    std::vector<QString> pieces;
    pieces.reserve(parts.size());
    bool firstWord = true;
    bool check = false;
    qsizetype lastWord = -1;
    for (const Segment &part : parts) {
        const QStringView word = QStringView(text).mid(part.start, part.length);
        if (!part.isWord) {
            pieces.push_back(word.toString());
            continue;
        }
        const QString lower = word.toString().toLower();
        if (!firstWord && smallWords().contains(lower)) {
            pieces.push_back(lower);
        } else {
            check = passesSearch(word);
            pieces.push_back(check ? capitalized(word) : word.toString());
        }
        firstWord = false;
        lastWord = qsizetype(pieces.size()) - 1;
    }
    // A trailing small word is capitalized after a word that was.
    if (check && lastWord >= 0)
        pieces[size_t(lastWord)] = capitalized(pieces[size_t(lastWord)]);
    QString result;
    result.reserve(text.size());
    for (const QString &piece : pieces)
        result += piece;
    return result;
}
