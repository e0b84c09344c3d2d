// A failed file operation as the user is told about it: a Russian message that names the file and
// says why, from the system's error number.
#pragma once

#include <string>

namespace zeltar::files {

struct FileError {
    bool notFound = false; // the file does not exist
    std::string message; // "Не удалось записать файл «/путь»: на диске нет места." and the like
    int error = 0; // the system's error number (errno), 0 when the program itself refused
};

// «path»
std::string Quoted(const std::string& path);

// Why a file could not be read or written, by the system's error number: "на диске нет места".
std::string Reason(int error);

} // namespace zeltar::files
