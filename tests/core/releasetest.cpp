#include "model/release.h"
#include "model/cover.h"
#include "testsupport.h"

TEST(Release, ListsGrowTogetherAndFlagsAreReplacedInPlace)
{
    Release release;
    EXPECT_EQ(release.artist(), QStringLiteral(""));
    EXPECT_EQ(release.year(), 0);
    EXPECT_EQ(release.countOfTitles() + release.countOfFlags() + release.countOfCovers(), 0);
    for (const char *title : {"One", "Two", "Three"}) {
        release.addTitle(QString::fromLatin1(title));
        release.addFlag(1);
    }
    release.replaceObjectInFlagsAtIndex(1, 0);
    EXPECT_EQ(release.objectInTitlesAtIndex(2), QStringLiteral("Three"));
    EXPECT_EQ(release.countOfFlags(), 3);
    EXPECT_EQ(release.objectInFlagsAtIndex(1), 0);
    EXPECT_EQ(release.checkedTitles(), (QStringList{QStringLiteral("One"), QStringLiteral("Three")}));
}

TEST(Cover, IdentifiersCaptionAndBackReference)
{
    auto cover = std::make_shared<Cover>(QByteArray(), QStringLiteral("http://x/images/R-1-2.jpeg"));
    EXPECT_EQ(cover->imageUID(), QStringLiteral("R-1-2.jpeg"));
    EXPECT_EQ(cover->fullImagePath(), QStringLiteral("http://x/images/R-1-2.jpeg"));
    EXPECT_FALSE(cover->hasImage());
    EXPECT_EQ(cover->imageTitle(), QStringLiteral(""));
    const Cover placeholder(QByteArray(), Cover::NoImageAvailable);
    EXPECT_EQ(placeholder.imageUID(), QStringLiteral("NO_IMAGE_AVAILABLE"));
    EXPECT_EQ(placeholder.fullImagePath(), QStringLiteral("NO_IMAGE_AVAILABLE"));
    EXPECT_TRUE(placeholder.isPlaceholder());

    int announced = 0;
    QObject::connect(cover.get(), &Cover::relChanged, [&] { ++announced; });
    {
        Release release;
        release.setAlbum(QStringLiteral("Northern Lights"));
        release.setArtist(QStringLiteral("The Examples"));
        release.setYear(1999);
        release.addCover(cover);
        cover->setRel(&release);
        cover->setRel(&release);
        EXPECT_EQ(announced, 1);
        EXPECT_EQ(cover->imageTitle(), QStringLiteral("Northern Lights - The Examples (1999)"));
        release.setYear(0);
        EXPECT_EQ(cover->imageTitle(), QStringLiteral("Northern Lights - The Examples"));
        release.setAlbum(QStringLiteral(""));
        release.setArtist(QStringLiteral("X"));
        EXPECT_EQ(cover->imageTitle(), QStringLiteral(" - X"));
        release.setArtist(QStringLiteral(""));
        EXPECT_EQ(cover->imageTitle(), QStringLiteral(""));
    }
    EXPECT_EQ(cover->rel(), nullptr) << "the release cleared its covers' reference";
    EXPECT_EQ(announced, 2);
}
