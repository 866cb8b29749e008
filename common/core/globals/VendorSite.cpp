#include "core/globals/VendorSite.h"

namespace {
const char *const kDefaultSite = "http://update.quillet.example";
}

QUrl VendorUrl(const QString &path)
{
    QString site = qEnvironmentVariable("QUILLET_VENDOR_URL");
    if (site.isEmpty())
        site = QString::fromLatin1(kDefaultSite);
    while (site.endsWith('/'))
        site.chop(1);
    return QUrl(site + (path.startsWith('/') ? path : '/' + path));
}
