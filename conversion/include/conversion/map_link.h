// Positions that web maps and phones hand out as links rather than as
// coordinates: "geo:48.436333,9.967967" (a geo URI), OpenStreetMap's
// "https://www.openstreetmap.org/#map=17/48.43633/9.96797" and
// "…?mlat=48.43633&mlon=9.96797", and the "/@48.436333,9.967967,17z" of
// other web maps. The paste reader takes them as decimal degrees.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lw {

// Latitude and longitude as the link writes them ("48.43633", "-9.5"):
// digits with at most one decimal point and a leading minus for south and
// west; the fields' filters decide what is kept of them.
struct LinkedPosition {
    std::string latitude;
    std::string longitude;
};

// The position a link names; nullopt for any other text, for a link without
// a complete position, for a latitude beyond 90° or a longitude beyond 180°
// (such a link names no place), and for a geo URI of another reference
// system than WGS 84.
std::optional<LinkedPosition> linkedPosition(std::string_view text);

} // namespace lw
