#pragma once

#include <QByteArray>

class Release;

// The JSON object by which the command line shows a release found online.
QByteArray releaseJson(const Release &release);
