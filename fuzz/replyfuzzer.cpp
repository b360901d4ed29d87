// Any bytes as a reply of the release database: the search and the release reading.
#include "browser/releasereply.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto search = ReleaseReply::readSearch(reply)) {
        for (const QString &address : search->releaseAddresses)
            (void)address.size();
    }
    for (const bool cdsOnly : {false, true}) {
        const ReleaseReply::ReleaseData release = ReleaseReply::readRelease(reply, cdsOnly);
        (void)release.titles.size();
    }
    return 0;
}
