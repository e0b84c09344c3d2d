// What the message line calls the numeric fields and the lists whose change rewrites other fields:
// the field's name, the grammatical gender its verbs agree with, its unit, and the phrase "вместе с
// …" that names it as the cause of a change.
#pragma once

#include "fields/control.h"

#include <string>
#include <string_view>

namespace zeltar {

enum class Gender { Masculine, Feminine, Neuter };

struct FieldName {
    Control control;
    std::string_view name; // «Высота двери»
    Gender gender;
    std::string_view unit;    // with its leading blank where one is written: " м", "°"
    std::string_view asCause; // «высотой двери», after «вместе с»
    // Fields of one kind rewritten to one value are named together: «Температура снаружи (стена А,
    // потолок) изменена на 32 °C». The kind's name, and this field's part in the brackets.
    std::string_view group = {};
    std::string_view member = {};
};

// The name of a numeric field or a list with presets; nullptr for other controls.
const FieldName* FindFieldName(Control control);

// What a message calls a control: «Длина камеры» — its name above, the label of a free-text field,
// a list's name, the panel's caption beside it or the caption it shows, in guillemets; a control
// without any of these (a result field, a drawing) by where it lies: «без подписи (страница «…»)».
std::string ControlCaption(Control control);

// A short participle agreeing with the gender: `masculine` («изменён»), else `stem` («изменен»)
// with the feminine or neuter ending («изменена», «изменено»).
std::string Agreeing(std::string_view masculine, std::string_view stem, Gender gender);

// A number as the message line writes it: no padding, a decimal comma, a real minus sign (−).
std::string MessageNumber(double value);
// A field's text as the message line writes it: without its display blanks, with a real minus.
std::string MessageNumber(std::string_view fieldText);

} // namespace zeltar
