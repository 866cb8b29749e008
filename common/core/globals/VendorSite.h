#pragma once

#include <QUrl>

// The vendor's web server: version file, download and service pages. QUILLET_VENDOR_URL
// points it elsewhere (tests use a server on loopback).
QUrl VendorUrl(const QString &path);
