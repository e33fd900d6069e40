#ifndef VESPERINE_TABLE_H
#define VESPERINE_TABLE_H

#include <cstddef>
#include <initializer_list>

#include "definition.h"

// The tools of the game's tables. A table indexed by an enumeration is defined
// without a bound, checked beside its definition with
//     static_assert(std::size(TABLE) == NB_...);
// and, when its rows carry their key, with
//     static_assert(clesEnOrdre(TABLE));
// so that a new enumerator without its row, or a row out of place, does not build.

// True when row i of `table` carries the key i (its member `cle`), for every row.
template <typename Ligne, std::size_t N> constexpr bool clesEnOrdre(const Ligne (&table)[N])
{
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(table[i].cle) != i) {
            return false;
        }
    }
    return true;
}

// The name that a table of names gives to the value v of its enumeration, or
// `horsTable` for a value it has no row for (the "none" enumerator, a cast integer).
template <std::size_t N> constexpr const char* nomIndexe(const char* const (&noms)[N], int v, const char* horsTable)
{
    return dansIntervalle(v, static_cast<int>(N)) ? noms[v] : horsTable;
}

// A short list of values inside a table row, written as a braced list: its
// length is that of the list, so no row states a count by hand.
// REQUIRES: at most MAX values. A constant table whose row holds more does not
// build (the copy below would write past the end, which no constant expression may do).
template <typename T, std::size_t MAX> class ListeCourte {
public:
    constexpr ListeCourte() = default;
    // Not explicit: rows are written as plain braced lists.
    constexpr ListeCourte(std::initializer_list<T> valeurs)
    {
        for (const T& v : valeurs) {
            elements[nombre++] = v;
        }
    }

    constexpr const T* begin() const { return elements; }
    constexpr const T* end() const { return elements + nombre; }
    constexpr std::size_t size() const { return nombre; }

private:
    T elements[MAX] = {};
    std::size_t nombre = 0;
};

#endif
