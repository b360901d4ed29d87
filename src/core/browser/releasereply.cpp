#include "releasereply.h"

#include "app/textvalue.h"
#include "browser/xpath.h"

namespace ReleaseReply {

std::optional<SearchResults> readSearch(const QByteArray &reply)
{
    pugi::xml_document document;
    if (!XPath::load(document, reply))
        return std::nullopt;
    const auto results = XPath::nodes(document, "resp/searchresults/result[@type='release']");
    if (!results)
        return std::nullopt;
    SearchResults search;
    for (const pugi::xpath_node &result : *results)
        search.releaseAddresses.append(XPath::stringForXPath("uri", result.node(), QString()));
    search.numberOfResults =
        integerValue(XPath::stringForXPath("resp/searchresults/@numResults", document, QStringLiteral("0")));
    return search;
}

ReleaseData readRelease(const QByteArray &reply, bool cdsOnly)
{
    ReleaseData release;
    pugi::xml_document document;
    if (!XPath::load(document, reply)) {
        release.outcome = ReleaseData::Outcome::NotXml;
        return release;
    }
    if (cdsOnly) {
        const auto formats = XPath::nodes(document, "resp/release/formats/format[@name='CD']");
        if (!formats || formats->empty()) {
            release.outcome = ReleaseData::Outcome::NotACd;
            return release;
        }
    }
    const QString empty = QStringLiteral("");
    release.album = XPath::stringForXPath("resp/release/title", document, empty);
    release.artist = XPath::stringForXPath("resp/release/artists/artist/name", document, empty);
    release.genre = XPath::stringForXPath("resp/release/genres/genre", document, empty);
    release.year =
        integerValue(XPath::stringForXPath("resp/release/released", document, QStringLiteral("0")));
    const auto tracks = XPath::nodes(document, "resp/release/tracklist/track");
    if (!tracks) {
        release.outcome = ReleaseData::Outcome::TracksUnreadable;
        return release;
    }
    for (const pugi::xpath_node &track : *tracks) {
        const QString title = XPath::stringForXPath("title", track.node(), QString());
        if (!title.isNull())
            release.titles.append(title);
    }
    const auto images = XPath::nodes(document, "resp/release/images/image");
    if (!images) {
        release.outcome = ReleaseData::Outcome::ImagesUnreadable;
        return release;
    }
    release.listsImages = !images->empty();
    for (const pugi::xpath_node &image : *images) {
        const QString address = XPath::stringForXPath("@uri", image.node(), QString());
        if (!address.isNull())
            release.imageAddresses.append(address);
    }
    return release;
}

} // namespace ReleaseReply
