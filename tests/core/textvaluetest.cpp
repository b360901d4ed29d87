#include "app/textvalue.h"
#include "app/pathnames.h"
#include "images/imagepool.h"
#include "images/imagetype.h"
#include "testsupport.h"

TEST(IntegerValue, ReadsLeadingDigitsAfterBlanksAndSign)
{
    const struct
    {
        const char16_t *text;
        int value;
    } cases[] = {
        {u"1999", 1999},
        {u"1999abc", 1999},
        {u"abc", 0},
        {u"", 0},
        {u"  42", 42},
        {u"\t-7/12", -7},
        {u"+3", 3},
        {u"3/12", 3},
        {u"- 3", 0},
        {u"０", 0},
        {u"99999999999", 2147483647},
        {u"-99999999999", -2147483647 - 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(integerValue(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(PathNames, TakesPathsApart)
{
    using namespace PathNames;
    EXPECT_EQ(lastPathComponent(QStringLiteral("/x/y/Song.Mp3")), QStringLiteral("Song.Mp3"));
    EXPECT_EQ(lastPathComponent(QStringLiteral("/x/y/")), QStringLiteral("y"));
    EXPECT_EQ(deletingLastPathComponent(QStringLiteral("/x/y/Song.Mp3")), QStringLiteral("/x/y"));
    EXPECT_EQ(deletingLastPathComponent(QStringLiteral("/Song.mp3")), QStringLiteral("/"));
    EXPECT_EQ(pathExtension(QStringLiteral("/x/y.z/Song.Mp3")), QStringLiteral("Mp3"));
    EXPECT_EQ(pathExtension(QStringLiteral("/x/y.z/e")), QStringLiteral(""));
    EXPECT_EQ(pathExtension(QStringLiteral("a.tar.mp3")), QStringLiteral("mp3"));
    EXPECT_EQ(deletingPathExtension(QStringLiteral("a.b.mp3")), QStringLiteral("a.b"));
    EXPECT_EQ(deletingPathExtension(QStringLiteral("/x.y/name")), QStringLiteral("/x.y/name"));
}

TEST(ImageType, SniffsSignatures)
{
    using TestSupport::dataPath;
    using TestSupport::readBytes;
    EXPECT_EQ(imageTypeOf(readBytes(dataPath(QStringLiteral("cover.jpg")))), ImageType::Jpeg);
    EXPECT_EQ(imageTypeOf(readBytes(dataPath(QStringLiteral("cover.png")))), ImageType::Png);
    EXPECT_EQ(imageTypeOf(QByteArray("GIF89a...")), ImageType::Gif);
    EXPECT_EQ(imageTypeOf(QByteArray("MM\0*\0\0\0\x08", 8)), ImageType::Tiff);
    EXPECT_EQ(imageTypeOf(QByteArray("\x89PN")), ImageType::Unknown);
    EXPECT_EQ(imageTypeOf(QByteArray()), ImageType::Unknown);
    EXPECT_EQ(imageMimeType(ImageType::Png), QStringLiteral("image/png"));
}

TEST(ImagePool, EqualBytesShareOneBuffer)
{
    ImagePool pool;
    const QByteArray a = pool.intern(QByteArray(3000, 'x'));
    const QByteArray b = pool.intern(QByteArray(3000, 'x'));
    QByteArray differentEnd(3000, 'x');
    differentEnd[2999] = 'y';
    QByteArray differentMiddle(3000, 'x');
    differentMiddle[1500] = 'y';
    const QByteArray c = pool.intern(differentEnd);
    const QByteArray d = pool.intern(differentMiddle);
    EXPECT_EQ(a.constData(), b.constData());
    EXPECT_NE(c.constData(), a.constData());
    EXPECT_EQ(d, differentMiddle) << "same sample, other bytes: not shared";
    EXPECT_NE(d.constData(), a.constData());
    EXPECT_EQ(pool.count(), 3);
}
