#pragma once

#include "tags/reader.h"

// Reads MP4 files: the common fields of the MP4 tag, and the items "trkn"
// (track and total), "covr" (covers), "cpil" (compilation) and "aART"
// (album artist).
class M4AReader : public Reader
{
public:
    std::unique_ptr<Song> parseFile(const QString &path, ImagePool *images = nullptr) const override;
};
