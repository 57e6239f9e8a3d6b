#include "ColumnRecord.h"

namespace velmorix {

namespace {
void put16(unsigned char* p, int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    p[0] = static_cast<unsigned char>(u & 0xFF);
    p[1] = static_cast<unsigned char>(u >> 8);
}
int16_t get16(const unsigned char* p) {
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}
} // namespace

void ColumnRecord::encode(unsigned char* out) const {
    const auto t = static_cast<uint32_t>(Tag);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<unsigned char>((t >> (8 * i)) & 0xFF);
    for (int i = 0; i < 6; ++i)
        put16(out + 4 + 2 * i, Ball[static_cast<std::size_t>(i)]);
}

ColumnRecord ColumnRecord::decode(const unsigned char* in) {
    ColumnRecord r;
    uint32_t t = 0;
    for (int i = 0; i < 4; ++i)
        t |= static_cast<uint32_t>(in[i]) << (8 * i);
    r.Tag = static_cast<int32_t>(t);
    for (int i = 0; i < 6; ++i)
        r.Ball[static_cast<std::size_t>(i)] = get16(in + 4 + 2 * i);
    return r;
}

uint64_t columnMask(const std::array<int16_t, 6>& balls) {
    uint64_t mask = 0;
    for (int16_t b : balls) {
        if (b < 1 || b > 49)
            return 0;
        const uint64_t bit = uint64_t{1} << b;
        if (mask & bit)
            return 0;
        mask |= bit;
    }
    return mask;
}

bool isValidColumn(const std::array<int16_t, 6>& balls) {
    return columnMask(balls) != 0;
}

} // namespace velmorix
