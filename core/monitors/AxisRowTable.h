#pragma once
// The axis monitor's rows, built from the unit's own axis mode words: one row per axis with its mode
// text and the number of I/O words it takes in each direction.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct SAxisRow {
    std::string modeText;  // "Full", "*Point1", ...; empty for a word that is no known mode
    int words = 0;         // 8, 4, 2, or 0 for a word that is no known mode
};

// Walks `axisModes[0..finx]`: each known mode appends a row (with "*" before the text of a reserved
// axis); the second slot of a pair (0002h, 0004h, with or without the reserve bit) and an empty slot
// (3FFFh..6FFFh, FFFFh) append nothing; any other word appends a row with no text and no words. `finx`
// beyond the table stops at its end. An empty slot marks that no axis is there, so it gets no row and
// no axis number, as a second slot does: the axes after it keep the numbers their words are read by,
// and a unit without axes shows one blank row rather than an axis 0.
std::vector<SAxisRow> BuildAxisRows(std::span<const std::uint16_t> axisModes, std::uint16_t finx);

// The 2W arrangement: the first slot holds Point2, Sol1 or Sol2 (reserved or not).
bool IsTwoWordLayout(std::uint16_t firstMode);

// The sum of the rows' words: the count of every poll read.
int TotalAxisWords(const std::vector<SAxisRow>& rows);
