#include "Encoding.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace velmorix {

namespace {
std::string convert(std::string_view in, const char* to, const char* from, char replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert this text");
    std::string out;
    std::string src(in);
    char* inPtr = src.data();
    std::size_t inLeft = src.size();
    char buf[4096];
    while (inLeft > 0) {
        char* outPtr = buf;
        std::size_t outLeft = sizeof buf;
        const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buf, static_cast<std::size_t>(outPtr - buf));
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // An unmappable or broken character: one replacement, then skip
            // the rest of that UTF-8 sequence.
            out.push_back(replacement);
            ++inPtr;
            --inLeft;
            while (inLeft > 0 && (static_cast<unsigned char>(*inPtr) & 0xC0) == 0x80) {
                ++inPtr;
                --inLeft;
            }
        }
    }
    iconv_close(cd);
    return out;
}
} // namespace

std::string toWindows1254(std::string_view utf8) {
    return convert(utf8, "WINDOWS-1254", "UTF-8", '?');
}

std::string fromWindows1254(std::string_view bytes) {
    return convert(bytes, "UTF-8", "WINDOWS-1254", '?');
}

} // namespace velmorix
