#pragma once

#include "tags/reader.h"

// Reads MP3 files: the common fields of the ID3v1 and ID3v2 tags, and from the
// ID3v2 tag the track ("TRCK" as written), the album artist ("TPE2"), the
// compilation flag ("TCMP") and every attached picture ("APIC").
class MP3Reader : public Reader
{
public:
    std::unique_ptr<Song> parseFile(const QString &path, ImagePool *images = nullptr) const override;
};
