#include "FileError.h"

#include <cstring>

namespace velmorix {

namespace {
std::string compose(const std::string& file, const std::string& op, int err) {
    std::string s = "'" + file + "' dosyası: " + op;
    if (err != 0) {
        s += " (";
        s += std::strerror(err);
        s += ")";
    }
    return s;
}
} // namespace

FileError::FileError(std::string fileName, std::string operation, int systemError)
    : std::runtime_error(compose(fileName, operation, systemError)), m_fileName(std::move(fileName)),
      m_operation(std::move(operation)), m_systemError(systemError) {}

std::string FileError::userText() const {
    return "'" + m_fileName + "' dosyası ile işlem yapılamadı !\r\r" + m_operation +
           (m_systemError != 0 ? std::string("\r(") + std::strerror(m_systemError) + ")" : std::string());
}

} // namespace velmorix
