// Writes random data folders on which two builds of velmorix-batch are run side
// by side (scripts/test-windows):
//   velmorix_sample_folders OUT COUNT SEED
// OUT/NN holds the data files, OUT/NN.in the lines for `evaluate`, OUT/NN.hits
// the six numbers for `hits` (sometimes not a column).
#include "RandomData.h"

#include "core/SystemFile.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

using namespace velmorix;
using namespace velmorix::test;

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: velmorix_sample_folders OUT COUNT SEED\n";
        return 2;
    }
    const std::filesystem::path out = argv[1];
    const int count = std::atoi(argv[2]);
    Rng rng(std::strtoull(argv[3], nullptr, 10));
    for (int n = 1; n <= count; ++n) {
        const std::string name = (n < 10 ? "0" : "") + std::to_string(n);
        TempDataDir t;
        writeRandomData(t, rng, DataShape{pick(rng, 0, 120), pick(rng, 0, 60), pick(rng, 0, 60), 0.05});
        writeBalls(t, rng, pick(rng, 6, 18));
        writeSelection(t, rng);
        if (chance(rng, 0.8)) {
            std::vector<ColumnRecord> list;
            for (int i = pick(rng, 1, 400); i > 0; --i)
                list.push_back(randomDataRecord(rng, chance(rng, 0.1) ? -1 : pick(rng, 0, 3), 0.03));
            t.writeRecords("VELMORIX.LST", list);
        }
        std::filesystem::create_directories(out / name);
        for (const std::string& file : t.fileNames())
            std::filesystem::copy_file(t.path() / file, out / name / file,
                                       std::filesystem::copy_options::overwrite_existing);

        std::ofstream in(out / (name + ".in"), std::ios::binary);
        for (int i = pick(rng, 0, 300); i > 0; --i) {
            std::array<int16_t, 6> balls = randomColumn(rng);
            std::shuffle(balls.begin(), balls.end(), rng);
            for (std::size_t k = 0; k < 6; ++k)
                in << balls[k]
                   << (k < 5              ? (chance(rng, 0.1) ? "  " : " ")
                       : chance(rng, 0.1) ? "\r\n"
                                          : "\n");
        }
        std::ofstream hits(out / (name + ".hits"), std::ios::binary);
        std::array<int16_t, 6> balls = randomColumn(rng);
        if (chance(rng, 0.2))
            balls[static_cast<std::size_t>(pick(rng, 0, 5))] = static_cast<int16_t>(pick(rng, 0, 1) * 50);
        for (int16_t b : balls)
            hits << b << ' ';
        hits << '\n';
    }
    return 0;
}
