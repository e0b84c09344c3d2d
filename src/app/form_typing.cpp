// Typing into the focused field: its caret and selection, the key filter judged on the text the key
// will leave, the insertion over the selection, the full stop taken as the decimal comma, and the
// cleanup of the numeric fields after each key.
#include "app/form_impl.h"

#include "app/form_parameters.h"
#include "fields/number_text.h"
#include "fields/utf8.h"

#include <algorithm>

namespace zeltar {

namespace {

// Release code of the key that types the character; every decimal separator releases as the comma
// key, so a full stop is cleaned up as a comma is.
int KeyCodeOf(char32_t c)
{
    if (fields::IsDecimalSeparator(c))
        return fields::kCommaKeyCode;
    if (c == U'-')
        return fields::kMinusKeyCode;
    if (c >= U'a' && c <= U'z')
        return static_cast<int>(c - U'a' + U'A');
    if (c < 0x80)
        return static_cast<int>(c); // digits, capitals, blank, backspace: their own codes
    return 0;
}

// The field's characters with the selected ones removed: what a typed key replaces them with.
std::u32string WithoutSelection(const ControlState& c)
{
    std::u32string characters = fields::Characters(c.text);
    characters.erase(static_cast<std::size_t>(c.selectionStart), static_cast<std::size_t>(c.selectionLength));
    return characters;
}

} // namespace

void FormModel::Impl::select(Control control, int start, int length)
{
    const ControlState& c = at(control);
    if (c.type != ControlType::Edit)
        return;
    const int textLength = static_cast<int>(fields::CharacterCount(c.text));
    start = std::clamp(start, 0, textLength);
    length = std::clamp(length, 0, textLength - start);
    if (start != c.selectionStart || length != c.selectionLength) {
        ControlState& selected = change(control);
        selected.selectionStart = start;
        selected.selectionLength = length;
    }
}

bool FormModel::Impl::keyPress(char32_t character)
{
    if (!focus)
        return false;
    const ControlState& c = at(*focus);
    if (c.type != ControlType::Edit || c.readOnly)
        return false;
    const fields::NumericField* f = fields::FindNumericField(*focus);
    if (f == nullptr)
        return character == fields::kBackspace || character >= U' '; // free text: any printable character
    const bool accepted =
        fields::FilterKey(f->kind, character, fields::ToUtf8(WithoutSelection(c)), commaPositionBeforeKey);
    // A decimal separator in a whole-number field is refused audibly: the user meant a fraction.
    if (!accepted && fields::IsDecimalSeparator(character) && !fields::AdmitsComma(f->kind) && bell)
        bell();
    return accepted;
}

void FormModel::Impl::editFocusedText(std::string text, std::optional<int> caret)
{
    if (!focus || at(*focus).type != ControlType::Edit || at(*focus).readOnly)
        return;
    const Control edited = *focus;
    const ControlState& before = at(edited);
    // The toolkit replaced the selection (or deleted next to the caret): the inserted characters
    // stand after the selection's start, the caret by default after them.
    std::u32string characters = fields::Characters(text);
    const int keptBefore = static_cast<int>(fields::CharacterCount(before.text)) - before.selectionLength;
    const int inserted = static_cast<int>(characters.size()) - keptBefore;
    int shownCaret = caret.value_or(before.selectionStart + inserted);
    if (const int excess = static_cast<int>(characters.size()) - std::max(before.maxLength, keptBefore);
        before.maxLength > 0 && inserted > 0 && excess > 0) {
        // Of the inserted characters only those that fit stay: the last ones go.
        const int cutEnd = std::min(before.selectionStart + inserted, static_cast<int>(characters.size()));
        const int cutStart = std::max(cutEnd - excess, 0);
        characters.erase(static_cast<std::size_t>(cutStart), static_cast<std::size_t>(cutEnd - cutStart));
        shownCaret = shownCaret >= cutEnd ? shownCaret - (cutEnd - cutStart) : std::min(shownCaret, cutStart);
        text = fields::ToUtf8(characters);
    }
    if (const fields::NumericField* f = fields::FindNumericField(edited); f && fields::AdmitsComma(f->kind))
        std::replace(text.begin(), text.end(), '.', ',');
    if (const fields::TextField* free = fields::FindTextField(edited))
        *FindParameter(state, free->control).text = text;
    setText(edited, std::move(text));
    select(edited, shownCaret, 0);
}

void FormModel::Impl::keyRelease(int keyCode)
{
    const fields::NumericField* f = focus ? fields::FindNumericField(*focus) : nullptr;
    if (!f || !fields::CleansAfterKey(f->kind))
        return;
    // A kind without a comma holds none: its comma position is 0 whatever the last filter recorded.
    const int commaPosition = fields::AdmitsComma(f->kind) ? commaPositionBeforeKey : 0;
    const std::string& text = at(f->control).text;
    std::string cleaned = fields::CleanAfterKey(text, keyCode, commaPosition);
    if (cleaned != text)
        setText(f->control, std::move(cleaned)); // the caret stays, within the shorter text
}

void FormModel::Impl::typeCharacter(char32_t character)
{
    if (!focus || at(*focus).type != ControlType::Edit)
        return; // lists, check boxes and buttons take no typed text
    if (keyPress(character)) {
        const ControlState& c = at(*focus);
        std::u32string text = fields::Characters(c.text);
        auto caret = static_cast<std::size_t>(c.selectionStart);
        bool edited = c.selectionLength > 0;
        if (edited) {
            text = WithoutSelection(c);
        } else if (character == fields::kBackspace && caret > 0) {
            text.erase(--caret, 1);
            edited = true;
        }
        if (character != fields::kBackspace) { // held to the maximum length by the edit
            text.insert(caret, 1, character);
            edited = true;
        }
        if (edited)
            editFocusedText(fields::ToUtf8(text));
    }
    keyRelease(KeyCodeOf(character));
}

void FormModel::Impl::pressBackspace()
{
    typeCharacter(fields::kBackspace);
}

} // namespace zeltar
