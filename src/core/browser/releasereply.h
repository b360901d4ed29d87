#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the release database's XML replies say, read with XPath. No network
// and no records here, so that any bytes can be read safely (and fuzzed).
namespace ReleaseReply {

struct SearchResults
{
    // The "uri" of each result of type release, in document order; a null
    // QString for a result without one.
    QStringList releaseAddresses;
    // The total the reply claims ("numResults"), 0 when it says none.
    int numberOfResults = 0;
};

struct ReleaseData
{
    enum class Outcome {
        Read,
        NotXml,
        NotACd,           // left out silently when only CDs are wanted
        TracksUnreadable, // the track list could not be evaluated
        ImagesUnreadable, // the image list could not be evaluated
    };
    Outcome outcome = Outcome::Read;
    QString album, artist, genre;
    int year = 0;
    QStringList titles;
    // The "uri" of each image that has one, in document order.
    QStringList imageAddresses;
    // Whether the release lists any image element at all.
    bool listsImages = false;
};

// The release results of a search reply, or nothing when the bytes are no XML
// or the results cannot be evaluated.
std::optional<SearchResults> readSearch(const QByteArray &reply);
// One release; with CDS_ONLY a release without a CD format is NotACd.
ReleaseData readRelease(const QByteArray &reply, bool cdsOnly);

} // namespace ReleaseReply
