#include "cover.h"

#include "app/pathnames.h"
#include "model/release.h"

const QString Cover::NoImageAvailable = QStringLiteral("NO_IMAGE_AVAILABLE");

Cover::Cover(const QByteArray &imageData, const QString &identifier)
    : m_imageUID(PathNames::lastPathComponent(identifier))
    , m_fullImagePath(identifier)
{
    setImage(imageData);
}

void Cover::setImage(const QByteArray &imageData)
{
    m_imageData = imageData;
    m_image = imageData.isEmpty() ? QImage() : QImage::fromData(imageData);
}

void Cover::setRel(Release *release)
{
    if (release == m_rel)
        return;
    m_rel = release;
    Q_EMIT relChanged();
}

QString Cover::imageTitle() const
{
    if (!m_rel)
        return QStringLiteral("");
    QString caption = m_rel->album();
    if (!m_rel->artist().isEmpty())
        caption += QStringLiteral(" - %1").arg(m_rel->artist());
    if (m_rel->year() != 0)
        caption += QStringLiteral(" (%1)").arg(m_rel->year());
    return caption;
}
