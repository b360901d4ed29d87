#pragma once

#include <QByteArray>

class Song;

// The JSON object by which the command line shows a song (one line, no newline).
QByteArray songJson(const Song &song);
// The JSON array describing image byte buffers: size, SHA-256 and sniffed type.
QByteArray imagesJson(const QList<QByteArray> &images);
