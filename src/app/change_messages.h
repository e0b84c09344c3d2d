// The message-line texts of what the form model changes on its own: a number held to its field's
// bounds at commit, and fields a commit or a choice rewrote («Конечная температура груза изменена
// на −20 °C вместе с температурой камеры»).
#pragma once

#include "app/field_names.h"
#include "fields/field_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeltar {

// A typed number replaced by the field's bound: «Высота двери ограничена: не больше высоты
// камеры, 6 м». `aboveUpper`: the upper bound was exceeded (else the lower one was undercut);
// `bound` names a bound taken from another field.
std::string ClampMessage(const FieldName& field, bool aboveUpper, double limit, fields::ComputedBound bound);

// A field another control's change rewrote, with the text it shows now.
struct RewrittenField {
    const FieldName* field;
    std::string shownText;
};

// One message for every field an event rewrote besides the one the user changed (`cause`):
// «<Поле> изменена на <значение> вместе с <причиной>», or for several «Вместе с <причиной>
// изменены: <поле> <значение>; …». "" when nothing was rewritten.
std::string RewriteMessage(const FieldName& cause, const std::vector<RewrittenField>& rewritten);

} // namespace zeltar
