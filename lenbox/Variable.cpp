#include "lenbox/Variable.h"

#include "lenbox/MaskField.h"

#include <algorithm>

namespace lenbox {

// --- Value, mask, sign ----------------------------------------------------------------------------

bool CVariable::SetValue(double value)
{
    return EditCopy([value](CVariable& v) { return v.TakeValue(value) && v.RebuildEditText(); });
}

bool CVariable::CanHold(double value) const
{
    return TestCopy([value](CVariable& v) { return v.TakeValue(value) && v.RebuildEditText(); });
}

std::optional<std::string> CVariable::PackedTextOf(double value) const
{
    std::string text;
    if (!TestCopy([&](CVariable& v) {
            if (!v.TakeValue(value) || !v.RebuildEditText())
                return false;
            text = RemoveBlanks(v.BuildText(true, 0));
            return true;
        }))
        return std::nullopt;
    return text;
}

bool CVariable::SetMask(std::string_view mask)
{
    std::string text = RemoveBlanks(mask);
    if (!text.empty() && text.front() == '-')
        text.erase(0, 1);
    return EditCopy([&text](CVariable& v) {
        std::optional<std::vector<Field>> fields = v.SplitMask(text);
        if (!fields)
            return false;
        const double value = v.GetValue();
        v.LayOut(std::move(*fields));
        return v.TakeValue(value) && v.RebuildEditText();
    });
}

std::string CVariable::GetMask() const
{
    return RemoveChar(mask_, '-');
}

void CVariable::SetSigned(bool isSigned)
{
    EditCopy([isSigned](CVariable& v) {
        if (!isSigned && v.GetValue() < 0.0)
            v.ResetValue();
        const double value = v.GetValue();
        v.signed_ = isSigned;
        v.LayOut(v.fields_);
        return v.TakeValue(value) && v.RebuildEditText();
    });
}

void CVariable::SetAppendage(std::string_view appendage)
{
    appendage_ = RemoveBlanks(appendage);
    editText_ = editText_.substr(0, LayoutLength()) + appendage_;
}

bool CVariable::SetFromText(std::string_view text)
{
    return EditCopy([text](CVariable& v) { return v.TakeText(text) && v.RebuildEditText(); });
}

// --- Editing ----------------------------------------------------------------------------------

EditRange CVariable::GetEditRange() const
{
    return {signShown_ ? 1 : 0, LayoutLength()};
}

bool CVariable::TypeChar(char ch, bool keypad, int& start, int& end)
{
    if (start >= LayoutLength())
        return true;
    ch = TranslateKeypad(ch, keypad);
    int caret = std::max(start, 0);
    const int selStart = caret;
    const int selEnd = end;
    if (!EditCopy([&](CVariable& v) { return v.TypeInto(ch, caret, selStart, selEnd); }))
        return false;
    start = end = std::min(caret, LayoutLength());
    return true;
}

bool CVariable::TypeInto(char ch, int& caret, int start, int end)
{
    if (signShown_ && (ch == '-' || ch == '+')) {
        editText_[0] = ch == '-' ? '-' : ' ';
        sign_ = ch == '-' ? -1 : 1;
        caret = std::max(caret, 1);
        return true;
    }
    if (ch >= '0' && ch <= '9') {
        if (end > start) {
            std::optional<int> after = DeleteRange(start, end);
            if (!after)
                return false;
            caret = *after;
        }
        int field = FieldAt(caret);
        if (field >= 0 && caret == fields_[field].End())   // on the separator: step past it
            ++caret;
        caret = std::max(caret, GetEditRange().first);
        field = FieldAt(caret);
        if (field < 0 || caret >= fields_[field].End())
            return false;
        caret = EnterAt(field, caret);
        editText_[caret] = ch;
        ReadFields();
        if (!TypeDigit(field))
            return false;
        ++caret;
        return true;
    }
    if (IsSeparator(ch))
        return TypeSeparator(ch, caret);
    return false;
}

int CVariable::SetCaret(int pos)
{
    return SnapCaret(pos);
}

int CVariable::MoveCaret(CaretKey key, int pos)
{
    return key == CaretKey::Left ? CaretLeft(pos) : CaretRight(pos);
}

// Left: one position left inside a field (its separator counts as part of it); from a field's
// first position to just after the digits of the field in front; from beyond the end to just
// after the digits of the last field; from the sign position to the first field.
int CVariable::CaretLeft(int pos)
{
    if (pos >= LayoutLength()) {
        const int last = int(fields_.size()) - 1;
        EnterField(last);
        return DigitsEnd(last);
    }
    const int field = FieldNear(pos);
    if (pos > fields_[field].first)
        return EnterAt(field, pos - 1);
    if (field > 0) {
        EnterField(field - 1);
        return DigitsEnd(field - 1);
    }
    return EnterAt(field, pos);
}

int CVariable::Delete(int start, int end)
{
    int caret = start;
    EditCopy([&](CVariable& v) {
        std::optional<int> after = v.DeleteRange(start, end);
        caret = after.value_or(start);
        return after.has_value();
    });
    return caret;
}

std::optional<int> CVariable::DeleteRange(int start, int end)
{
    start = std::max(start, 0);
    if (start >= LayoutLength())
        return start;
    end = std::clamp(end, start + 1, LayoutLength());
    const std::optional<int> field = BlankSelection(start, end);
    if (!field)
        return std::nullopt;
    return LeftOverBlanks(std::max(start, fields_[*field].first), *field);
}

int CVariable::Backspace(int start, int end)
{
    start = std::clamp(start, 0, LayoutLength());
    end = std::clamp(end, start, LayoutLength());
    if (start == end) {
        if (start == 0)
            return 0;
        end = start;
        --start;
    }
    int caret = start;
    EditCopy([&](CVariable& v) {
        const std::optional<int> field = v.BlankSelection(start, end);
        if (field)
            caret = v.CaretAfterBackspace(std::max(start, v.fields_[*field].first), *field);
        return field.has_value();
    });
    return caret;
}

int CVariable::CaretAfterBackspace(int caret, int field) const
{
    return LeftOverBlanks(caret, field);
}

int CVariable::Home()
{
    return SetCaret(GetEditRange().first);
}

int CVariable::End()
{
    int pos = LayoutLength();
    while (pos > 0 && editText_[pos - 1] == ' ')
        --pos;
    return SetCaret(pos);
}

// --- Shared machinery -------------------------------------------------------------------------

void CVariable::LayOut(std::vector<Field> fields)
{
    fields_ = std::move(fields);
    mask_ = signed_ ? "-" : "";
    for (Field& f : fields_) {
        f.width = int(f.mask.size());
        mask_ += f.mask;
        if (f.separator)
            mask_ += f.separator;
    }
    signShown_ = signed_;
    Place();
    editField_ = -1;
}

void CVariable::Place()
{
    int pos = signShown_ ? 1 : 0;
    for (Field& f : fields_) {
        f.first = pos;
        pos = f.End() + (f.separator ? 1 : 0);
    }
}

int CVariable::LayoutLength() const
{
    if (fields_.empty())
        return signShown_ ? 1 : 0;
    const Field& last = fields_.back();
    return last.End() + (last.separator ? 1 : 0);
}

// Each text is at least as wide as its field's mask; a wider one widens its field, and a negative
// value gets a sign position even when the mask has none, so the edit text shows the value in full.
void CVariable::SetFieldTexts(const std::vector<std::string>& texts)
{
    signShown_ = signed_ || sign_ < 0;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i].width = std::max(int(fields_[i].mask.size()), int(texts[i].size()));
    Place();
    editText_.clear();
    if (signShown_)
        editText_ += sign_ < 0 ? '-' : ' ';
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        editText_ += texts[i];
        if (fields_[i].separator)
            editText_ += fields_[i].separator;
    }
    editText_ += appendage_;
    editField_ = -1;
}

int CVariable::FieldAt(int pos) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& f = fields_[i];
        if (pos >= f.first && pos < f.End() + (f.separator ? 1 : 0))
            return int(i);
    }
    return -1;
}

int CVariable::FieldNear(int pos) const
{
    int field = FieldAt(pos);
    if (field >= 0)
        return field;
    return pos >= LayoutLength() ? int(fields_.size()) - 1 : 0;
}

std::string CVariable::FieldText(int field) const
{
    const Field& f = fields_[field];
    return editText_.substr(f.first, f.width);
}

void CVariable::PutFieldText(int field, std::string_view text)
{
    editText_.replace(fields_[field].first, fields_[field].width, text);
}

bool CVariable::FieldEmpty(int field) const
{
    return RemoveBlanks(FieldText(field)).empty();
}

int CVariable::DigitsEnd(int field) const
{
    return fields_[field].first + int(RemoveBlanks(FieldText(field)).size());
}

bool CVariable::IsDigitAt(int pos) const
{
    const int field = FieldAt(pos);
    return field >= 0 && pos < fields_[field].End() && editText_[pos] != ' ';
}

bool CVariable::IsSeparator(char ch) const
{
    return std::any_of(fields_.begin(), fields_.end(), [ch](const Field& f) { return f.separator == ch; });
}

void CVariable::RestAlign(int field)
{
    const std::string text = FieldText(field);
    PutFieldText(field, fields_[field].restsLeft ? AlignLeft(text) : AlignRight(text));
}

void CVariable::EnterField(int field)
{
    if (editField_ >= 0 && editField_ != field)
        RestAlign(editField_);
    PutFieldText(field, AlignLeft(FieldText(field)));
    editField_ = field;
}

int CVariable::EnterAt(int field, int pos)
{
    EnterField(field);
    return std::clamp(pos, fields_[field].first, DigitsEnd(field));
}

int CVariable::EnterNext(int field)
{
    if (field + 1 >= int(fields_.size()))
        return LayoutLength();
    EnterField(field + 1);
    return fields_[field + 1].first;
}

int CVariable::LeftOverBlanks(int pos, int field) const
{
    while (pos > fields_[field].first && editText_[pos - 1] == ' ')
        --pos;
    return pos;
}

std::vector<int> CVariable::BlankRange(int start, int end)
{
    std::vector<int> touched;
    for (int pos = start; pos < end; ++pos) {
        if (pos == SignPosition()) {
            editText_[pos] = ' ';
            sign_ = 1;
            continue;
        }
        const int field = FieldAt(pos);
        if (field < 0 || pos >= fields_[field].End())
            continue;   // separators stay
        editText_[pos] = ' ';
        if (std::find(touched.begin(), touched.end(), field) == touched.end())
            touched.push_back(field);
    }
    return touched;
}

std::optional<int> CVariable::BlankSelection(int start, int end)
{
    const std::vector<int> touched = BlankRange(start, end);
    Settle(touched);
    if (!AfterBlank(touched))
        return std::nullopt;
    const int field = FieldNear(start);
    EnterField(field);
    return field;
}

void CVariable::EndFieldAt(int field, int pos)
{
    BlankRange(std::max(pos, fields_[field].first), fields_[field].End());
    ReadFields();
}

void CVariable::Settle(const std::vector<int>& touched)
{
    ReadFields();
    for (int field : touched)
        RestAlign(field);
}

} // namespace lenbox
