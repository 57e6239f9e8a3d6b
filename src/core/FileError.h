#pragma once

#include <stdexcept>
#include <string>

namespace velmorix {

// The system's reason for a failed file operation (an errno value), in
// Turkish: "dosya bulunamadı", "disk dolu", ..., "sistem hatası N" for the rest.
std::string systemReason(int err);

// The one error type of the file layer: which file, what was being done, and
// the system's reason. Windows catch it at the command boundary.
class FileError : public std::runtime_error {
public:
    FileError(std::string fileName, std::string operation, int systemError);

    const std::string& fileName() const { return m_fileName; }
    const std::string& operation() const { return m_operation; }
    int systemError() const { return m_systemError; }

    // Turkish text for the "! HATA !" box: names the file and what failed.
    std::string userText() const;

private:
    std::string m_fileName;
    std::string m_operation;
    int m_systemError;
};

} // namespace velmorix
