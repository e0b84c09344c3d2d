// Helpers of the form model tests: a model as started on a fixed day, typing into a field the way
// the user does, and temporary files.
#pragma once

#include "app/form_model.h"
#include "fields/control_catalogue.h"
#include "fields/utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace zeltar {
// A control in a failed check: its object name, as the catalogue keeps it.
inline std::ostream& operator<<(std::ostream& out, Control control)
{
    return out << Name(control);
}
} // namespace zeltar

namespace zeltar::test {

inline constexpr std::string_view kToday = "08.12.2025";

// Focuses the control, selects and deletes what it shows and types the text character by character (key
// filter, length, cleanup), as the user does.
inline void Type(FormModel& form, Control control, std::string_view text)
{
    ASSERT_TRUE(form.setFocus(control)) << control;
    if (!form.control(control).text.empty()) {
        form.selectText(0, static_cast<int>(fields::CharacterCount(form.control(control).text)));
        form.pressBackspace();
    }
    for (const char32_t c : fields::Characters(text))
        form.typeCharacter(c);
}

// Types the text into the field and leaves it by clicking elsewhere (the room length field, or
// the city list when the field is the room length itself).
inline void Enter(FormModel& form, Control control, std::string_view text)
{
    Type(form, control, text);
    form.setFocus(control == Control::City ? Control::RoomLength : Control::City);
}

inline std::string Text(const FormModel& form, Control control)
{
    return form.control(control).text;
}

// The whole content of a file, byte for byte.
inline std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A folder of its own for one test, removed at the end.
class TempDir {
public:
    TempDir()
    {
        // The process id keeps runs of the same test in other build trees out of this folder.
        path_ = std::filesystem::temp_directory_path() /
                ("zeltar-form-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string file(std::string_view name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace zeltar::test
