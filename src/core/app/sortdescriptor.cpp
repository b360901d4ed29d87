#include "sortdescriptor.h"

#include "app/numericalcompare.h"
#include "model/song.h"

namespace {

using TextGetter = const QString &(Song::*)() const;
using NumberGetter = int (Song::*)() const;

TextGetter textGetter(const QString &key)
{
    static const std::pair<const char *, TextGetter> getters[] = {
        {"track", &Song::track},       {"title", &Song::title},
        {"artist", &Song::artist},     {"albumArtist", &Song::albumArtist},
        {"album", &Song::album},       {"genre", &Song::genre},
        {"comment", &Song::comment},   {"fileName", &Song::fileName},
        {"filePath", &Song::filePath},
    };
    for (const auto &[name, getter] : getters) {
        if (key == QLatin1String(name))
            return getter;
    }
    return nullptr;
}

NumberGetter numberGetter(const QString &key)
{
    if (key == QLatin1String("year"))
        return &Song::year;
    if (key == QLatin1String("isCompilation"))
        return &Song::isCompilation;
    return nullptr;
}

int sign(int value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

} // namespace

SongOrdering::SongOrdering(const SortDescriptors &descriptors)
{
    for (const SortDescriptor &descriptor : descriptors) {
        Key key;
        key.text = textGetter(descriptor.key);
        key.number = numberGetter(descriptor.key);
        key.numerical = descriptor.comparison == SortDescriptor::Comparison::Numerical;
        key.ascending = descriptor.ascending;
        if (key.text || key.number)
            m_keys.push_back(key);
    }
}

int SongOrdering::compare(const Song &a, const Song &b) const
{
    for (const Key &key : m_keys) {
        int order;
        if (key.number) {
            const int x = (a.*key.number)(), y = (b.*key.number)();
            order = x < y ? -1 : (x > y ? 1 : 0);
        } else if (key.numerical) {
            order = numericalCompare((a.*key.text)(), (b.*key.text)());
        } else {
            order = sign(QString::compare((a.*key.text)(), (b.*key.text)()));
        }
        if (order != 0)
            return key.ascending ? order : -order;
    }
    return 0;
}
