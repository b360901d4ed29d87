#include "images/imagecontroller.h"
#include "app/editorcontroller.h"
#include "images/imagedrop.h"
#include "model/song.h"
#include "testsupport.h"

#include <QBuffer>
#include <QMimeData>
#include <QUrl>

using TestSupport::dataPath;
using TestSupport::readBytes;

class ImageControllerTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        addSongFiles(editor, 3, QStringLiteral("s%1.mp3"));
    }
    Song &song(int row) { return *editor.songAt(row); }
    QMimeData *urls(const QStringList &names)
    {
        auto *data = new QMimeData;
        QList<QUrl> list;
        for (const QString &name : names)
            list.append(QUrl::fromLocalFile(name.startsWith(u'/') ? name : tempPath(name)));
        data->setUrls(list);
        return data;
    }

    EditorController editor;
    ImageController images{editor};
    ImageDrop drop{images, editor};
    const QByteArray jpeg = readBytes(dataPath(QStringLiteral("cover.jpg")));
    const QByteArray png = readBytes(dataPath(QStringLiteral("cover.png")));
    const QByteArray p = QByteArray("P"), q = QByteArray("Q"), r = QByteArray("R");
};

TEST_F(ImageControllerTest, MergesTheSelectedSongsImages)
{
    EXPECT_EQ(images.leadImageCursor(), ImageController::NotFound);
    EXPECT_FALSE(images.showsPlaceholder()) << "nothing selected: no image at all";
    song(0).addImage(p);
    song(0).addImage(q);
    song(1).addImage(q);
    song(1).addImage(r);
    editor.setSelectionIndexes({0, 1});
    EXPECT_EQ(images.arrangedObjects(), (QList<QByteArray>{p, q, r}));
    EXPECT_EQ(images.statusMessage(), QStringLiteral("3 images"));
    EXPECT_EQ(images.leadImageCursor(), 0);

    editor.setSelectionIndexes({2});
    EXPECT_EQ(images.statusMessage(), QStringLiteral("No images"));
    EXPECT_TRUE(images.showsPlaceholder());
    EXPECT_EQ(images.leadImageCursor(), ImageController::NotFound);
    images.moveLeadImageForward();
    EXPECT_EQ(images.leadImageCursor(), ImageController::NotFound);

    song(2).addImage(jpeg);
    EXPECT_EQ(images.statusMessage(), QStringLiteral("1 image")) << "a selected song's change shows at once";
    EXPECT_FALSE(images.leadImage().isNull());
    EXPECT_EQ(ImagesOfSongs2ArrayTransformer::transformedValue({}), QList<QByteArray>());
}

TEST_F(ImageControllerTest, SteppingWrapsAround)
{
    song(0).addImage(p);
    song(0).addImage(q);
    song(0).addImage(r);
    editor.setSelectionIndexes({0});
    images.moveLeadImageBackward();
    EXPECT_EQ(images.leadImageCursor(), 2);
    images.moveLeadImageForward();
    EXPECT_EQ(images.leadImageCursor(), 0);
    images.moveLeadImageForward();
    EXPECT_EQ(images.leadImageCursor(), 1);
}

TEST_F(ImageControllerTest, AddingApplyingAndRemovingWorkOnEverySelectedSong)
{
    song(0).addImage(png);
    editor.setSelectionIndexes({0, 1});
    images.addImageWithData(png);
    EXPECT_EQ(song(1).images(), QList<QByteArray>{png}) << "only the song that lacked it";
    EXPECT_EQ(song(0).images(), QList<QByteArray>{png});

    images.addImageFiles({dataPath(QStringLiteral("cover.png")), dataPath(QStringLiteral("cover.jpg")),
                          tempPath(QStringLiteral("missing.jpg"))});
    EXPECT_EQ(images.arrangedObjects(), (QList<QByteArray>{png, jpeg}));
    EXPECT_EQ(images.leadImageCursor(), 1) << "the last image added leads";

    song(2).addImage(q);
    song(2).addImage(jpeg);
    editor.setSelectionIndexes({0, 1, 2});
    images.moveLeadImageForward(); // jpeg, held by all three in another position in the last
    images.removeLeadImage();
    EXPECT_EQ(song(0).images(), QList<QByteArray>{png});
    EXPECT_EQ(song(2).images(), QList<QByteArray>{q});
    EXPECT_EQ(images.leadImageCursor(), 0);

    // Q is held by the last song only; applying gives it to the other two.
    images.moveLeadImageForward();
    ASSERT_EQ(images.arrangedObjects().at(images.leadImageCursor()), q);
    images.applyLeadImageToSelection();
    EXPECT_EQ(song(0).images(), (QList<QByteArray>{png, q}));
    EXPECT_EQ(song(1).images(), (QList<QByteArray>{png, q}));
    EXPECT_EQ(images.arrangedObjects().at(images.leadImageCursor()), q) << "the lead image stays";

    editor.setSelectionIndexes({});
    images.addImageWithData(r);
    EXPECT_EQ(images.leadImageCursor(), ImageController::NotFound);
}

TEST_F(ImageControllerTest, DropsNeedASelectionAndImageFilesOnly)
{
    makeSongFile(QStringLiteral("front.jpg"));
    TestSupport::writeBytes(tempPath(QStringLiteral("front.jpg")), jpeg);
    TestSupport::writeBytes(tempPath(QStringLiteral("back.png")), png);
    TestSupport::writeBytes(tempPath(QStringLiteral("notes.txt")), QByteArray("x"));
    TestSupport::writeBytes(tempPath(QStringLiteral("FRONT.JPG")), jpeg);
    std::unique_ptr<QMimeData> good(urls({QStringLiteral("front.jpg"), QStringLiteral("back.png")}));
    EXPECT_FALSE(drop.handleDragging(*good, true)) << "no song selected";

    editor.setSelectionIndexes({0, 1});
    EXPECT_FALSE(drop.handleDragging(*good, false)) << "the source does not allow copying";
    EXPECT_TRUE(drop.handleDragging(*good, true));
    for (const QStringList &bad :
         {QStringList{QStringLiteral("front.jpg"), QStringLiteral("notes.txt")},
          QStringList{QStringLiteral("front.jpg"), m_dir.path()}, QStringList{QStringLiteral("FRONT.JPG")}}) {
        std::unique_ptr<QMimeData> data(urls(bad));
        EXPECT_FALSE(drop.processPasteboard(*data, true)) << bad.join(u' ').toStdString();
    }
    EXPECT_EQ(song(0).countOfImages(), 0) << "a refused drop adds nothing";

    EXPECT_TRUE(drop.processPasteboard(*good, true));
    EXPECT_EQ(song(1).images(), (QList<QByteArray>{jpeg, png}));
    EXPECT_EQ(images.leadImageCursor(), 1);
}

TEST_F(ImageControllerTest, DroppedImageDataWinsAndTiffBecomesPng)
{
    editor.setSelectionIndexes({0});
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "TIFF"));

    std::unique_ptr<QMimeData> data(urls({QStringLiteral("notes.txt")}));
    data->setData(QStringLiteral("image/tiff"), tiff);
    ASSERT_TRUE(drop.processPasteboard(*data, true));
    ASSERT_EQ(song(0).countOfImages(), 1);
    const QByteArray stored = song(0).objectInImagesAtIndex(0);
    EXPECT_TRUE(stored.startsWith("\x89PNG")) << "TIFF is stored as PNG";
    EXPECT_EQ(QImage::fromData(stored).size(), QSize(4, 3));

    std::unique_ptr<QMimeData> jpegData(new QMimeData);
    jpegData->setData(QStringLiteral("image/jpeg"), jpeg);
    ASSERT_TRUE(drop.processPasteboard(*jpegData, true));
    EXPECT_EQ(song(0).objectInImagesAtIndex(1), jpeg) << "JPEG bytes are kept as they came";
}
