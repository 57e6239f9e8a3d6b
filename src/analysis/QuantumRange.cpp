#include "QuantumRange.h"

namespace velmorix {

std::string quantumRangeRefusal(std::size_t resultCount, int64_t first, int64_t last) {
    const int64_t n = last - first + 1;
    if (resultCount < 4 || n < 4 || first < 1)
        return "Kuantum işlemleri için en az 4 sonuç gerekmektedir !";
    if (n > 999)
        return "Kuantum işlemleri için en çok 999 sonuç kullanılabilir !";
    return {};
}

} // namespace velmorix
