#include "FileError.h"

#include <cerrno>

namespace velmorix {

std::string systemReason(int err) {
    // The reasons a player meets, in the program's language; strerror would
    // speak the system's (usually English) language.
    switch (err) {
    case ENOENT:
        return "dosya bulunamadı";
    case EACCES:
    case EPERM:
        return "erişim reddedildi";
    case ENOSPC:
#ifdef EDQUOT // not on Windows
    case EDQUOT:
#endif
        return "disk dolu";
    case EROFS:
        return "disk salt okunur";
    case EISDIR:
        return "bir klasör";
    case ENOTDIR:
        return "bir klasör değil";
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return "dosya kullanımda";
    default:
        return "sistem hatası " + std::to_string(err);
    }
}

namespace {
std::string compose(const std::string& file, const std::string& op, int err) {
    std::string s = "'" + file + "' dosyası: " + op;
    if (err != 0)
        s += " (" + systemReason(err) + ")";
    return s;
}
} // namespace

FileError::FileError(std::string fileName, std::string operation, int systemError)
    : std::runtime_error(compose(fileName, operation, systemError)), m_fileName(std::move(fileName)),
      m_operation(std::move(operation)), m_systemError(systemError) {}

std::string FileError::userText() const {
    return "'" + m_fileName + "' dosyası ile işlem yapılamadı !\r\r" + m_operation +
           (m_systemError != 0 ? "\r(" + systemReason(m_systemError) + ")" : std::string());
}

} // namespace velmorix
