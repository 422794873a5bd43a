/* The C interface of the official-datum module (liblw_official_datum.so).
 *
 * The program does not link PROJ: it loads this module with dlopen() the
 * first time the official DHDN <-> ETRS89 transformation is asked for, so
 * that start-up neither waits for PROJ nor carries its memory. Plain C types
 * only, so that the module and the program agree on the calls whatever
 * compiler built either.
 */
#ifndef LW_OFFICIAL_DATUM_ABI_H
#define LW_OFFICIAL_DATUM_ABI_H

#ifdef __cplusplus
extern "C" {
#endif

/* Version of this interface; the loader refuses a module of another. */
#define LW_OFFICIAL_ABI_VERSION 1

/* Results of lw_official_transform. */
#define LW_OFFICIAL_DONE 0
#define LW_OFFICIAL_OUTSIDE_GRID 1 /* the point lies outside the grid */
#define LW_OFFICIAL_UNAVAILABLE 2  /* PROJ cannot open the grid */

/* Directions of lw_official_transform. */
#define LW_OFFICIAL_DHDN_TO_ETRS89 0
#define LW_OFFICIAL_ETRS89_TO_DHDN 1

typedef int (*lw_official_abi_version_fn)(void);
typedef int (*lw_official_available_fn)(void);
typedef int (*lw_official_transform_fn)(int direction, double* latDeg, double* lonDeg);

/* Symbol names the loader looks up. */
#define LW_OFFICIAL_ABI_VERSION_SYMBOL "lw_official_abi_version"
#define LW_OFFICIAL_AVAILABLE_SYMBOL "lw_official_available"
#define LW_OFFICIAL_TRANSFORM_SYMBOL "lw_official_transform"

#ifdef __cplusplus
}
#endif

#endif
