#pragma once

#include "tags/musicformat.h"

#include <QString>

// Checks that saving new tags left the audio of a file as it was: the bytes
// of an MPEG file between its tags, or the contents of every MP4 "mdat"
// atom, byte for byte. TagLib does not report failed writes, so a full disk
// or any damage shows here, before a saved copy may take the file's place.
namespace AudioCheck {

bool sameAudio(const QString &before, const QString &after, MusicFormat format);

} // namespace AudioCheck
