#pragma once

#include <QString>

#include <functional>

namespace TagLib {
namespace MPEG {
class File;
}
namespace MP4 {
class Tag;
}
namespace ID3v2 {
class Tag;
} // namespace ID3v2
} // namespace TagLib

// Test files written with bare TagLib calls, independent of Korvan's writers.
namespace TagLibFiles {

// Copies the untagged silent.mp3 to PATH, lets EDIT fill its tags and saves
// the tag types of TAGS (TagLib::MPEG::File::TagTypes).
void writeMp3(const QString &path, const std::function<void(TagLib::MPEG::File &)> &edit, int tags);
// The same for silent.m4a and its MP4 tag.
void writeM4a(const QString &path, const std::function<void(TagLib::MP4::Tag &)> &edit);
// Adds a UTF-8 text frame ID holding TEXT.
void addTextFrame(TagLib::ID3v2::Tag &tag, const char *id, const QString &text);

} // namespace TagLibFiles
