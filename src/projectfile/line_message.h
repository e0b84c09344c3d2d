// Russian messages about one line of a project file: the line's number and meaning, then what is
// wrong with its text.
#pragma once

#include "projectfile/project_file.h"

#include <string>
#include <string_view>

namespace zeltar::projectfile::detail {

// «text», cut to a readable length; `text` must be valid UTF-8.
std::string Quoted(std::string_view text);

// "Строка 9 файла проекта (температура снаружи стены А, °C): <detail>."
FileProblem LineProblem(int line, std::string_view detail);

} // namespace zeltar::projectfile::detail
