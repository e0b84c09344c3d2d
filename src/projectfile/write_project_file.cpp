// Writing a project file: every line in Windows-1251, each followed by CR LF. Nothing is written
// when one line cannot be stored as it is.
#include "projectfile/code_page_1251.h"
#include "projectfile/line_message.h"
#include "projectfile/project_file.h"

namespace zeltar::projectfile {

std::variant<std::string, FileProblem> WriteProjectFile(const ProjectLines& lines)
{
    std::string bytes;
    for (int line = 1; line <= kLineCount; ++line) {
        const std::string& text = lines[static_cast<std::size_t>(line - 1)];
        auto encoded = detail::EncodeCp1251Checked(text);
        if (const auto* failure = std::get_if<detail::EncodeFailure>(&encoded)) {
            if (failure->length == 0)
                return detail::LineProblem(line, "текст повреждён (не UTF-8) и не может быть сохранён");
            return detail::LineProblem(line, "знак " + detail::Quoted(text.substr(failure->offset, failure->length)) +
                                                 " не может быть сохранён в кодировке Windows-1251");
        }
        // A line break inside a text would move every later value to the wrong line.
        if (text.find_first_of("\r\n") != std::string::npos)
            return detail::LineProblem(line, "текст содержит перевод строки и не может быть сохранён");
        bytes += std::get<std::string>(encoded);
        bytes += "\r\n";
    }
    return bytes;
}

std::string WriteProjectFileLossy(const ProjectLines& lines)
{
    std::string bytes;
    for (const std::string& text : lines) {
        bytes += EncodeCp1251(StorableInCp1251(text)).value_or(std::string());
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace zeltar::projectfile
