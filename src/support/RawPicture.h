#pragma once
// Pictures compiled in as raw pixels (resources/pictures/make_raw_picture.cpp):
// the splash and the window icon, which every start needs before anything
// else, without decoding their PNGs each time (a few milliseconds for the two).

#include <QImage>
#include <QString>

namespace hb {

// The picture of a raw-pixel resource, sharing the resource's bytes; a null
// image when the resource is missing or not one.
QImage RawPicture(const QString& resource);

} // namespace hb
