#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class Song;

namespace TestSupport {

// A path under tests/data.
QString dataPath(const QString &name);
QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

} // namespace TestSupport

class EditorController;

// Base fixture: a fresh temporary folder and a settings store of its own, so
// settings written by one test never reach another.
class KorvanTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // PATH inside the temporary folder.
    QString tempPath(const QString &name) const;
    // Copies tests/data/FIXTURE into the temporary folder as NAME and returns the new path.
    QString copyFixture(const QString &fixture, const QString &name) const;

    // Creates the untagged music file NAME (silent.mp3 or silent.m4a by its
    // extension, any other name as an empty file), making folders as needed.
    QString makeSongFile(const QString &name) const;
    // Makes COUNT untagged MP3 files from PATTERN ("s%1.mp3", %1 counting
    // from 0) and adds them to CONTROLLER's song list.
    void addSongFiles(EditorController &controller, int count, const QString &pattern) const;

    QTemporaryDir m_dir;
};

class EditorController;
// The file names of the controller's songs, in list order.
QStringList fileNames(const EditorController &controller);

// Gives QTest-free printing of QString in assertion messages.
void PrintTo(const QString &text, std::ostream *out);
void PrintTo(const QByteArray &bytes, std::ostream *out);
