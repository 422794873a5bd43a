#include "conversion/map_link.h"

#include <charconv>
#include <cmath>

namespace lw {
namespace {

constexpr double kMaxLatitudeDeg = 90, kMaxLongitudeDeg = 180;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lower(text[i]) != word[i])
            return false;
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A number as links write degrees: "-48.5", "9", "9.96797". Takes it off the
// front of `text`; "" where none stands there.
std::string_view takeNumber(std::string_view& text) {
    std::size_t end = 0;
    if (end < text.size() && text[end] == '-')
        ++end;
    const std::size_t digitsFrom = end;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    if (end == digitsFrom)
        return {};
    if (end + 1 < text.size() && text[end] == '.' && isDigit(text[end + 1])) {
        ++end;
        while (end < text.size() && isDigit(text[end]))
            ++end;
    }
    const std::string_view number = text.substr(0, end);
    text.remove_prefix(end);
    return number;
}

double degreesOf(std::string_view number) {
    double value = 0;
    const char* first = number.data() + (number.front() == '-' ? 1 : 0);
    std::from_chars(first, number.data() + number.size(), value);
    return value;
}

std::optional<LinkedPosition> position(std::string_view latitude, std::string_view longitude) {
    if (latitude.empty() || longitude.empty())
        return std::nullopt;
    if (!(degreesOf(latitude) <= kMaxLatitudeDeg && degreesOf(longitude) <= kMaxLongitudeDeg))
        return std::nullopt;
    return LinkedPosition{std::string(latitude), std::string(longitude)};
}

// "geo:lat,lon[,alt][;crs=wgs84][;u=…][;…]". Without a crs parameter the URI
// is WGS 84; any other reference system would need a transformation the
// paste cannot make.
std::optional<LinkedPosition> geoUri(std::string_view text) {
    constexpr std::string_view kScheme = "geo:";
    if (!startsWithWord(text, kScheme))
        return std::nullopt;
    text.remove_prefix(kScheme.size());
    const std::string_view latitude = takeNumber(text);
    if (text.empty() || text.front() != ',')
        return std::nullopt;
    text.remove_prefix(1);
    const std::string_view longitude = takeNumber(text);
    if (!text.empty() && text.front() == ',') {
        text.remove_prefix(1);
        if (takeNumber(text).empty())
            return std::nullopt; // the altitude, not used
    }
    while (!text.empty()) {
        if (text.front() != ';')
            return std::nullopt;
        text.remove_prefix(1);
        const std::string_view parameter = text.substr(0, text.find(';'));
        text.remove_prefix(parameter.size());
        if (parameter.empty() || parameter.find_first_of(" \t") != std::string_view::npos)
            return std::nullopt;
        if (startsWithWord(parameter, "crs=") &&
            !(parameter.size() == 9 && startsWithWord(parameter, "crs=wgs84")))
            return std::nullopt;
    }
    return position(latitude, longitude);
}

bool isWebAddress(std::string_view text) {
    if (!startsWithWord(text, "http://") && !startsWithWord(text, "https://"))
        return false;
    for (char c : text)
        if (isBlank(c))
            return false;
    return true;
}

// The value of the query parameter `name` ("mlat"): after "?" or "&",
// before the next "&" or "#"; "" where the address has none or a value
// that is not a number alone.
std::string_view queryNumber(std::string_view address, std::string_view name) {
    const std::size_t query = address.find('?');
    if (query == std::string_view::npos)
        return {};
    std::string_view rest = address.substr(query + 1, address.find('#') - query - 1);
    while (!rest.empty()) {
        const std::string_view parameter = rest.substr(0, rest.find('&'));
        rest.remove_prefix(std::min(rest.size(), parameter.size() + 1));
        if (parameter.size() <= name.size() || !startsWithWord(parameter, name) ||
            parameter[name.size()] != '=')
            continue;
        std::string_view value = parameter.substr(name.size() + 1);
        const std::string_view number = takeNumber(value);
        return value.empty() ? number : std::string_view{};
    }
    return {};
}

// "#map=17/48.43633/9.96797", optionally followed by "&layers=…".
std::optional<LinkedPosition> mapFragment(std::string_view address) {
    const std::size_t at = address.find("#map=");
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = address.substr(at + 5);
    const std::string_view zoom = takeNumber(rest);
    if (zoom.empty() || rest.empty() || rest.front() != '/')
        return std::nullopt;
    rest.remove_prefix(1);
    const std::string_view latitude = takeNumber(rest);
    if (rest.empty() || rest.front() != '/')
        return std::nullopt;
    rest.remove_prefix(1);
    const std::string_view longitude = takeNumber(rest);
    if (!rest.empty() && rest.front() != '&')
        return std::nullopt;
    return position(latitude, longitude);
}

// "/@48.436333,9.967967,17z" (or ",500m", ",120a", …) in the path: the
// position the map shows, then its zoom or view height.
std::optional<LinkedPosition> atPosition(std::string_view address) {
    const std::size_t at = address.find("/@");
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = address.substr(at + 2);
    const std::string_view latitude = takeNumber(rest);
    if (rest.empty() || rest.front() != ',')
        return std::nullopt;
    rest.remove_prefix(1);
    const std::string_view longitude = takeNumber(rest);
    if (rest.empty() || rest.front() != ',')
        return std::nullopt;
    rest.remove_prefix(1);
    if (takeNumber(rest).empty() || rest.empty() || !(rest.front() >= 'a' && rest.front() <= 'z'))
        return std::nullopt;
    return position(latitude, longitude);
}

// A marker (mlat, mlon) is the point the link was made for; the map's view
// (#map=…) is where it was looked at, and counts only without a marker.
std::optional<LinkedPosition> webMapAddress(std::string_view address) {
    if (!isWebAddress(address))
        return std::nullopt;
    const std::string_view markerLatitude = queryNumber(address, "mlat");
    const std::string_view markerLongitude = queryNumber(address, "mlon");
    if (!markerLatitude.empty() || !markerLongitude.empty())
        return position(markerLatitude, markerLongitude);
    if (const auto view = mapFragment(address))
        return view;
    return atPosition(address);
}

} // namespace

std::optional<LinkedPosition> linkedPosition(std::string_view text) {
    text = trimmed(text);
    if (const auto uri = geoUri(text))
        return uri;
    return webMapAddress(text);
}

} // namespace lw
