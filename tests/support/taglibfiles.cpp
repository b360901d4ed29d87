#include "taglibfiles.h"

#include "testsupport.h"

#include <QFile>

#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>

namespace TagLibFiles {

namespace {

void copySilent(const QString &fixture, const QString &path)
{
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(TestSupport::dataPath(fixture), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

void writeMp3(const QString &path, const std::function<void(TagLib::MPEG::File &)> &edit, int tags)
{
    copySilent(QStringLiteral("silent.mp3"), path);
    TagLib::MPEG::File file(QFile::encodeName(path).constData());
    ASSERT_TRUE(file.isValid());
    edit(file);
    ASSERT_TRUE(file.save(tags, TagLib::File::StripOthers));
}

void writeM4a(const QString &path, const std::function<void(TagLib::MP4::Tag &)> &edit)
{
    copySilent(QStringLiteral("silent.m4a"), path);
    TagLib::MP4::File file(QFile::encodeName(path).constData());
    ASSERT_TRUE(file.isValid());
    edit(*file.tag());
    ASSERT_TRUE(file.save());
}

void addTextFrame(TagLib::ID3v2::Tag &tag, const char *id, const QString &text)
{
    auto *frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
    frame->setText(TagLib::String(text.toStdString(), TagLib::String::UTF8));
    tag.addFrame(frame);
}

} // namespace TagLibFiles
