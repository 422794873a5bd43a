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

// Takes `separator` off the front of `text`; a comma may also be written
// percent-encoded ("%2C"), and blanks after it ("+", "%20") are skipped.
bool takeSeparator(std::string_view& text, char separator) {
    if (!text.empty() && text.front() == separator)
        text.remove_prefix(1);
    else if (separator == ',' && startsWithWord(text, "%2c"))
        text.remove_prefix(3);
    else
        return false;
    for (;;) {
        if (!text.empty() && text.front() == '+')
            text.remove_prefix(1);
        else if (startsWithWord(text, "%20"))
            text.remove_prefix(3);
        else
            return true;
    }
}

// "LAT,LON" (or with `separator` between) at the front of `value`; what may
// follow is for the caller to judge, and is left in `value`.
std::optional<LinkedPosition> leadingPair(std::string_view& value, char separator) {
    const std::string_view latitude = takeNumber(value);
    if (latitude.empty() || !takeSeparator(value, separator))
        return std::nullopt;
    return position(latitude, takeNumber(value));
}

// The pin of a geo URI's query: "?q=48.1,11.5" or "?q=48.1,11.5(Name)", as
// phones write a point with its name; nullopt for a query without one
// ("?z=17", "?q=Marienplatz").
std::optional<LinkedPosition> geoQueryPin(std::string_view query) {
    while (!query.empty()) {
        std::string_view parameter = query.substr(0, query.find('&'));
        query.remove_prefix(std::min(query.size(), parameter.size() + 1));
        if (!startsWithWord(parameter, "q="))
            continue;
        parameter.remove_prefix(2);
        const auto pair = leadingPair(parameter, ',');
        if (pair && (parameter.empty() || parameter.front() == '('))
            return pair;
    }
    return std::nullopt;
}

// "geo:lat,lon[,alt][;crs=wgs84][;u=…][;…][?z=17][?q=lat,lon(Name)]". Without
// a crs parameter the URI is WGS 84; any other reference system would need a
// transformation the paste cannot make. A pin in the query is the point;
// "geo:0,0?q=…" without one names no place.
std::optional<LinkedPosition> geoUri(std::string_view text) {
    constexpr std::string_view kScheme = "geo:";
    if (!startsWithWord(text, kScheme))
        return std::nullopt;
    text.remove_prefix(kScheme.size());
    const std::size_t queryAt = text.find('?');
    const std::string_view query =
        queryAt == std::string_view::npos ? std::string_view{} : text.substr(queryAt + 1);
    text = text.substr(0, queryAt);
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
    const auto uriPosition = position(latitude, longitude);
    if (!uriPosition)
        return std::nullopt;
    if (const auto pin = geoQueryPin(query))
        return pin;
    if (degreesOf(latitude) == 0 && degreesOf(longitude) == 0 && !query.empty())
        return std::nullopt;
    return uriPosition;
}

bool isWebAddress(std::string_view text) {
    if (!startsWithWord(text, "http://") && !startsWithWord(text, "https://"))
        return false;
    for (char c : text)
        if (isBlank(c))
            return false;
    return true;
}

// The raw value of the query parameter `name` ("mlat"): after "?" or "&",
// before the next "&" or "#"; nullopt where the address has none.
std::optional<std::string_view> queryValue(std::string_view address, std::string_view name) {
    const std::size_t query = address.find('?');
    if (query == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = address.substr(query + 1, address.find('#', query) - query - 1);
    while (!rest.empty()) {
        const std::string_view parameter = rest.substr(0, rest.find('&'));
        rest.remove_prefix(std::min(rest.size(), parameter.size() + 1));
        if (parameter.size() > name.size() && startsWithWord(parameter, name) &&
            parameter[name.size()] == '=')
            return parameter.substr(name.size() + 1);
    }
    return std::nullopt;
}

// The value of the query parameter `name` when it is a number alone; "" for
// none and for any other value.
std::string_view queryNumber(std::string_view address, std::string_view name) {
    std::optional<std::string_view> value = queryValue(address, name);
    if (!value)
        return {};
    const std::string_view number = takeNumber(*value);
    return value->empty() ? number : std::string_view{};
}

// The query parameter `name` holding a pair and nothing else: Google's and
// Apple's "q=48.1,11.5", "query=…", Apple's "ll=…", Bing's "cp=48.1~11.5".
std::optional<LinkedPosition> queryPair(std::string_view address, std::string_view name,
                                        char separator = ',') {
    std::optional<std::string_view> value = queryValue(address, name);
    if (!value)
        return std::nullopt;
    const auto pair = leadingPair(*value, separator);
    if (!pair || !value->empty())
        return std::nullopt;
    return pair;
}

// Bing's pin: "sp=point.48.1_11.5", optionally followed by "_Name…" and by
// further points after "~"; the first point is the one the link was made for.
std::optional<LinkedPosition> bingPoint(std::string_view address) {
    std::optional<std::string_view> value = queryValue(address, "sp");
    if (!value || !startsWithWord(*value, "point."))
        return std::nullopt;
    value->remove_prefix(6);
    const auto pair = leadingPair(*value, '_');
    if (!pair || !(value->empty() || value->front() == '_' || value->front() == '~'))
        return std::nullopt;
    return pair;
}

// Google's place pin in the data part: "!3d48.1373932!4d11.5755747". The
// "/@…" beside it is only where the map was looked at.
std::optional<LinkedPosition> googlePin(std::string_view address) {
    const std::size_t at = address.find("!3d");
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = address.substr(at + 3);
    const std::string_view latitude = takeNumber(rest);
    if (!startsWithWord(rest, "!4d"))
        return std::nullopt;
    rest.remove_prefix(3);
    const std::string_view longitude = takeNumber(rest);
    if (!rest.empty() && rest.front() != '!' && rest.front() != '?' && rest.front() != '/')
        return std::nullopt;
    return position(latitude, longitude);
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

// A pin (a marker, a searched point) is the point the link was made for;
// the map's view (#map=…, /@…, Bing's cp=…) is where it was looked at, and
// counts only without a pin.
std::optional<LinkedPosition> webMapAddress(std::string_view address) {
    if (!isWebAddress(address))
        return std::nullopt;
    const std::string_view markerLatitude = queryNumber(address, "mlat");
    const std::string_view markerLongitude = queryNumber(address, "mlon");
    if (!markerLatitude.empty() || !markerLongitude.empty())
        return position(markerLatitude, markerLongitude);
    for (const auto& pin :
         {googlePin(address), queryPair(address, "q"), queryPair(address, "query"),
          bingPoint(address), queryPair(address, "ll")})
        if (pin)
            return pin;
    if (const auto view = mapFragment(address))
        return view;
    if (const auto view = queryPair(address, "cp", '~'))
        return view;
    return atPosition(address);
}

} // namespace

std::optional<LinkedPosition> linkedPosition(std::string_view text) {
    // Both forms name their scheme ("geo:", "https:"): a text without a
    // colon, as nearly every line of a list, is no link.
    if (text.find(':') == std::string_view::npos)
        return std::nullopt;
    text = trimmed(text);
    if (const auto uri = geoUri(text))
        return uri;
    return webMapAddress(text);
}

} // namespace lw
