#include "release.h"

#include "model/cover.h"

Release::~Release()
{
    for (const auto &cover : m_covers) {
        if (cover->rel() == this)
            cover->setRel(nullptr);
    }
}

void Release::insertObjectInCovers(std::shared_ptr<Cover> cover, qsizetype index)
{
    m_covers.insert(m_covers.begin() + index, std::move(cover));
}

void Release::removeObjectFromCoversAtIndex(qsizetype index)
{
    m_covers.erase(m_covers.begin() + index);
}

QStringList Release::checkedTitles() const
{
    QStringList checked;
    for (qsizetype i = 0; i < m_titles.size(); ++i) {
        if (m_flags.value(i) == 1)
            checked.append(m_titles.at(i));
    }
    return checked;
}
