#pragma once

#include "tags/writer.h"

// Writes MP3 songs into the file's ID3v2 tag: the common fields, and the
// frames "TRCK", "APIC", "TCMP" and "TPE2" that the reader takes. Frames it
// does not name stay as they are. An ID3v1 tag is removed when the file is
// saved, after every value it holds that the ID3v2 tag lacks has been
// carried into the ID3v2 tag.
class MP3Writer : public Writer
{
public:
    using Writer::writeFile;
    std::unique_ptr<TagLib::File> writeFile(const Song &song, const QString &path) const override;
    // Saves the ID3v2 tag (and an APE tag the file has) and strips the ID3v1
    // tag. Fails for a file that holds no MPEG audio.
    bool save(TagLib::File &file) const override;
};
