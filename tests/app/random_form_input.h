// One random input of the user's on the form, for the property tests that drive a window at random
// (undo and redo, the own project file's round trip): a number committed, a list choice, a check
// box, a tile or button, a header text left. Each test brings what it types and clicks.
#pragma once

#include "app/form_model.h"
#include "fields/control_catalogue.h"
#include "fields/field_table.h"
#include "fields/utf8.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <string_view>

namespace zeltar::test {

inline bool Usable(const FormModel& form, Control control)
{
    const ControlState& c = form.control(control);
    return c.enabled && c.visible && !c.readOnly;
}

// Selects and deletes what the field shows, types the text and leaves the field by clicking the
// city list, which commits it.
inline void EnterInto(FormModel& form, Control control, std::string_view text)
{
    ASSERT_TRUE(form.setFocus(control)) << Name(control);
    form.selectText(0, static_cast<int>(fields::CharacterCount(form.control(control).text)));
    form.pressBackspace();
    for (const char32_t c : fields::Characters(text))
        form.typeCharacter(c);
    form.setFocus(Control::City);
}

// A whole number below `count`, drawn from the test's generator.
using Pick = std::function<std::size_t(std::size_t count)>;

struct RandomInputs {
    std::function<std::string(const fields::NumericField&)> number; // a number the field takes
    std::span<const Control> clickable;                             // tiles and buttons
    std::function<std::string()> text;                              // a header text
};

// The input of kind 0 (a number), 1 (a list), 2 (a check box), 3 (a click) or 4 (a header text)
// on a control picked at random; a control the user cannot reach now is left alone.
inline void RandomFormInput(FormModel& form, std::size_t kind, const Pick& pick, const RandomInputs& inputs)
{
    switch (kind) {
    case 0: {
        const auto numeric = fields::NumericFields();
        const fields::NumericField& field = numeric[pick(numeric.size())];
        if (Usable(form, field.control))
            EnterInto(form, field.control, inputs.number(field));
        break;
    }
    case 1: {
        const auto lists = fields::ListFields();
        const Control list = lists[pick(lists.size())].control;
        if (Usable(form, list))
            form.choose(list, static_cast<int>(pick(form.listItems(list).size())));
        break;
    }
    case 2: {
        const auto boxes = fields::CheckBoxFields();
        const Control box = boxes[pick(boxes.size())].control;
        if (Usable(form, box))
            form.click(box);
        break;
    }
    case 3: {
        const Control clicked = inputs.clickable[pick(inputs.clickable.size())];
        if (Usable(form, clicked))
            form.click(clicked);
        break;
    }
    default: {
        const auto texts = fields::TextFields();
        const Control field = texts[pick(texts.size())].control;
        if (Usable(form, field))
            EnterInto(form, field, inputs.text());
        break;
    }
    }
}

} // namespace zeltar::test
