#pragma once

#include "core/AppState.h"
#include "core/ColumnRecord.h"
#include "core/FilterSelection.h"
#include "engine/RunMessages.h"
#include "support/RandomColumns.h"
#include "support/TempDataDir.h"

#include <array>
#include <random>
#include <vector>

// Random data folders and selections for comparing the engine with the
// literal model, hand-made damage included.
namespace velmorix::test {

// Mostly good records; some with a repeated ball, a ball outside 1..49, or shuffled.
ColumnRecord randomDataRecord(Rng& rng, int32_t tag, double damage);

struct DataShape {
    int results = 30;
    int played = 40;
    int sextets = 40;
    double damage = 0.08;
};

// Writes VELMORIX.RES, .OKL, .YSK, .YS2 (each sometimes missing, empty or
// oddly sized) into the folder.
void writeRandomData(TempDataDir& dir, Rng& rng, const DataShape& shape);

// 85 stored records of a selection, including values the window never writes.
FilterSelection::Records randomStoredSelection(Rng& rng);

// A column to test: uniform, near a record of the data, shaped like a chain,
// or hand-made bad.
std::array<int16_t, 6> randomTestColumn(Rng& rng, const std::vector<ColumnRecord>& near);

// VELMORIX.DAT with a bag of `size` balls and up to three bankers (sometimes also in the bag).
void writeBalls(TempDataDir& t, Rng& rng, int size);
// VELMORIX.FLT: usually a random selection, sometimes missing or two bytes short.
void writeSelection(TempDataDir& t, Rng& rng);

// Copies every file of one folder into another.
void copyFolder(const TempDataDir& from, TempDataDir& to);
// Fails the test unless both folders hold the same files, byte for byte.
void expectSameFolders(const TempDataDir& a, const TempDataDir& b, const std::string& what);
// Callbacks of a run that answer every question with yes.
RunCallbacks answerYes();

} // namespace velmorix::test
