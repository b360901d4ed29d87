#pragma once

#include "tags/writer.h"

// Writes MP4 songs into the file's item list: the common fields, and the
// items "trkn", "covr", "cpil" and "aART" that the reader takes. Items it
// does not name stay as they are.
class M4AWriter : public Writer
{
public:
    using Writer::writeFile;
    std::unique_ptr<TagLib::File> writeFile(const Song &song, const QString &path) const override;
};
