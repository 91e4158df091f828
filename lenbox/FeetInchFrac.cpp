#include "lenbox/FeetInchFrac.h"

#include "lenbox/MaskCheck.h"
#include "lenbox/MaskField.h"

#include <cmath>

namespace lenbox {

namespace {

constexpr char kSeparators[] = {'\'', '"', '/'};   // after feet, inch and numerator

bool IsPowerOfTwo(int n)
{
    return n >= 1 && (n & (n - 1)) == 0;
}

std::optional<int> ReadPart(std::string_view text)
{
    if (!AllDigits(text) || text.size() > std::size_t(kMaxFieldDigits))
        return std::nullopt;
    return ReadField(text);
}

} // namespace

CFeetInchFrac::CFeetInchFrac()
{
    SetMaxDenominator(64);
    LayOut(*SplitMask(kBuiltInMask));
    RebuildEditText();
}

bool CFeetInchFrac::EditCopy(const Edit& edit)
{
    CFeetInchFrac copy = *this;
    if (!edit(copy))
        return false;
    *this = std::move(copy);
    return true;
}

bool CFeetInchFrac::TestCopy(const Edit& edit) const
{
    CFeetInchFrac copy = *this;
    return edit(copy);
}

// --- Mask and fields --------------------------------------------------------------------------

std::optional<std::vector<CVariable::Field>> CFeetInchFrac::SplitMask(std::string_view mask) const
{
    if (!CheckFeetMask(mask).empty())
        return std::nullopt;
    std::vector<Field> fields;
    std::string_view rest = mask;
    for (char separator : kSeparators) {
        const std::size_t at = rest.find(separator);
        if (rest.empty() || at == std::string_view::npos)
            continue;
        fields.push_back({std::string(rest.substr(0, at)), 0, separator, false, 0});
        rest.remove_prefix(at + 1);
        if (separator == '/')
            fields.push_back({std::string(rest), 0, 0, true, 0});
    }
    return fields;
}

int CFeetInchFrac::FieldOf(Part part) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (part == Denominator ? i > 0 && fields_[i - 1].separator == '/'
                                : fields_[i].separator == kSeparators[part])
            return int(i);
    }
    return -1;
}

int& CFeetInchFrac::Number(Part part)
{
    switch (part) {
    case Feet: return feet_;
    case Inch: return inch_;
    case Numerator: return numerator_;
    case Denominator: break;
    }
    return denominator_;
}

bool CFeetInchFrac::RebuildEditText()
{
    std::vector<std::string> texts;
    for (Part part : {Feet, Inch, Numerator, Denominator}) {
        const int field = FieldOf(part);
        if (field < 0)
            continue;
        if (part != Denominator) {
            texts.push_back(FormatFieldInFull(Number(part), fields_[field].mask));
            continue;
        }
        std::optional<std::string> text = FormatField(denominator_, fields_[field].mask);
        if (!text)
            return false;
        texts.push_back(AlignLeft(*text));
    }
    SetFieldTexts(texts);
    return true;
}

void CFeetInchFrac::ReadFields()
{
    ReadSign();
    for (Part part : {Feet, Inch, Numerator, Denominator}) {
        const int field = FieldOf(part);
        if (field >= 0)
            Number(part) = ReadField(FieldText(field));
    }
}

// --- Value ------------------------------------------------------------------------------------

double CFeetInchFrac::GetValue() const
{
    const double fraction = double(numerator_) / (denominator_ == 0 ? 1 : denominator_);
    return sign_ * (feet_ * 12.0 + inch_ + fraction);
}

bool CFeetInchFrac::TakeValue(double value)
{
    if (!std::isfinite(value))
        return false;
    const int sign = value < 0.0 ? -1 : 1;
    value = std::fabs(value) + 1.0 / maxDenominator_ / 2.0;
    const double whole = std::floor(value);
    if (whole > 999999999.0)
        return false;
    int numerator = int(std::floor(maxDenominator_ * (value - whole)));
    int denominator = numerator == 0 ? 0 : maxDenominator_;
    while (numerator != 0 && numerator % 2 == 0 && denominator != 2) {
        numerator /= 2;
        denominator /= 2;
    }
    const int inches = int(whole);
    const bool hasFeet = FieldOf(Feet) >= 0;
    sign_ = sign;
    feet_ = hasFeet ? inches / 12 : 0;
    inch_ = hasFeet ? inches % 12 : inches;
    numerator_ = numerator;
    denominator_ = denominator;
    return true;
}

void CFeetInchFrac::ResetValue()
{
    sign_ = 1;
    feet_ = inch_ = numerator_ = denominator_ = 0;
}

// --- Denominators -----------------------------------------------------------------------------

bool CFeetInchFrac::SetMaxDenominator(int n)
{
    const int field = FieldOf(Denominator);
    if (!IsPowerOfTwo(n) || (field >= 0 && DigitCount(n) > fields_[field].Length()))
        return false;
    maxDenominator_ = n;
    allowed_.clear();
    for (int d = 2; d <= n; d *= 2)
        allowed_.push_back(std::to_string(d));
    return true;
}

bool CFeetInchFrac::SetDefaultDenominator(int n)
{
    const int field = FieldOf(Denominator);
    if (!IsPowerOfTwo(n) || (field >= 0 && DigitCount(n) > fields_[field].Length()))
        return false;
    defaultDenominator_ = n;
    return true;
}

// An allowed denominator equal to the typed digits; else the one sharing the longest run of
// leading characters with them (a typed blank matches whatever remains, and a full match ends the
// search); nothing when no allowed denominator starts like the typed text.
std::optional<int> CFeetInchFrac::MatchDenominator(std::string_view typed) const
{
    const std::string digits = RemoveBlanks(typed);
    if (digits.empty())
        return std::nullopt;
    for (const std::string& entry : allowed_)
        if (entry == digits)
            return std::stoi(entry);
    const std::string* best = nullptr;
    std::size_t bestRun = 0;
    for (const std::string& entry : allowed_) {
        std::size_t run = 0;
        while (run < typed.size() && typed[run] != ' ' && run < entry.size() && entry[run] == typed[run])
            ++run;
        if (run == typed.size() || typed[run] == ' ')
            return std::stoi(entry);
        if (run > bestRun) {
            best = &entry;
            bestRun = run;
        }
    }
    if (!best)
        return std::nullopt;
    return std::stoi(*best);
}

int CFeetInchFrac::NormalisedDenominator(bool hasNumerator, std::string_view denominatorText) const
{
    if (hasNumerator && RemoveBlanks(denominatorText).empty())
        return defaultDenominator_;
    return MatchDenominator(denominatorText).value_or(defaultDenominator_);
}

bool CFeetInchFrac::WriteDenominator()
{
    const int field = FieldOf(Denominator);
    std::optional<std::string> text = FormatField(denominator_, fields_[field].mask);
    if (!text)
        return false;
    PutFieldText(field, AlignLeft(*text));
    return true;
}

// With a number in the numerator and no denominator, the default denominator; otherwise the
// denominator typed, matched against the allowed ones (the default when none matches).
bool CFeetInchFrac::NormaliseDenominator()
{
    denominator_ = NormalisedDenominator(!FieldEmpty(FieldOf(Numerator)), FieldText(FieldOf(Denominator)));
    return WriteDenominator();
}

// --- Typing -----------------------------------------------------------------------------------

char CFeetInchFrac::TranslateKeypad(char ch, bool keypad) const
{
    if (!keypad)
        return ch;
    switch (ch) {
    case '*': return '/';
    case '+': return '\'';
    case '-': return '"';
    default: return ch;
    }
}

bool CFeetInchFrac::TypeDigit(int field)
{
    if (IsPart(field, Numerator))
        return NormaliseDenominator();
    if (IsPart(field, Denominator)) {
        std::optional<int> match = MatchDenominator(FieldText(field));
        if (!match)
            return false;
        denominator_ = *match;
        return WriteDenominator();
    }
    return true;
}

// Moves the digits of one field into another (at rest there) and blanks the first.
bool CFeetInchFrac::MoveDigits(int from, int to)
{
    const std::string digits = RemoveBlanks(FieldText(from));
    if (int(digits.size()) > fields_[to].Length())
        return false;
    PutFieldText(to, AlignRight(digits + std::string(fields_[to].Length() - digits.size(), ' ')));
    PutFieldText(from, std::string(fields_[from].Length(), ' '));
    return true;
}

// A separator ends the field at the caret: the rest of it is blanked and the caret goes to the
// next field. An inch mark typed in the feet field takes the digits there as inches; a '/' typed
// in the feet or inch field takes them as the numerator (blanking the fields between) with the
// default denominator, and the caret goes to the denominator.
bool CFeetInchFrac::TypeSeparator(char ch, int& caret)
{
    const int field = FieldNear(caret);
    EndFieldAt(field, caret);
    int target = -1;
    if (ch == '"' && IsPart(field, Feet))
        target = FieldOf(Inch);
    else if (ch == '/' && (IsPart(field, Feet) || IsPart(field, Inch)))
        target = FieldOf(Numerator);
    if (target < 0) {
        caret = EnterNext(field);
        return true;
    }
    if (!MoveDigits(field, target))
        return false;
    for (int between = field + 1; between < target; ++between)
        PutFieldText(between, std::string(fields_[between].Length(), ' '));
    ReadFields();
    if (IsPart(target, Numerator)) {
        denominator_ = defaultDenominator_;
        if (!WriteDenominator())
            return false;
    }
    caret = EnterNext(target);
    return true;
}

bool CFeetInchFrac::AfterBlank(const std::vector<int>& touched)
{
    const int field = FieldOf(Denominator);
    for (int t : touched)
        if (t == field && (numerator_ != 0 || denominator_ != 0))
            return NormaliseDenominator();
    return true;
}

// --- Caret ------------------------------------------------------------------------------------

// The sign position and 0 go to the first field; a position in a field or on its separator is
// limited to just after the field's digits; in the denominator the caret goes to its first
// position; beyond the end it stays.
int CFeetInchFrac::SnapCaret(int pos)
{
    if (pos <= 0) {
        EnterField(0);
        return fields_[0].first;
    }
    const int field = FieldAt(pos);
    if (field < 0)
        return pos;
    if (IsPart(field, Denominator)) {
        EnterField(field);
        return fields_[field].first;
    }
    return EnterAt(field, pos);
}

// Right: one position on from a digit; from a blank or a separator to the next field; the
// denominator keeps the caret; beyond the end to the end.
int CFeetInchFrac::CaretRight(int pos)
{
    if (pos >= LayoutLength())
        return LayoutLength();
    if (pos == SignPosition())
        return SnapCaret(pos);
    const int field = FieldAt(pos);
    if (IsPart(field, Denominator))
        return pos;
    if (IsDigitAt(pos))
        return pos + 1;
    return EnterNext(field);
}

int CFeetInchFrac::CaretAfterBackspace(int caret, int field) const
{
    return IsPart(field, Denominator) ? fields_[field].first : LeftOverBlanks(caret, field);
}

// --- Text -------------------------------------------------------------------------------------

std::string CFeetInchFrac::BuildText(bool packed, int justify) const
{
    if (!packed)
        return editText_;
    std::string text = sign_ < 0 ? "-" : "";
    for (Part part : {Feet, Inch}) {
        const int field = FieldOf(part);
        if (field >= 0 && !FieldEmpty(field))
            text += RemoveBlanks(FieldText(field)) + kSeparators[part];
    }
    const int numerator = FieldOf(Numerator);
    if (numerator >= 0 && !FieldEmpty(numerator))
        text += RemoveBlanks(FieldText(numerator)) + "/" + RemoveBlanks(FieldText(FieldOf(Denominator)));
    return Justify(text, editText_.size(), justify);
}

// Reads [-][feet'][inch"][numerator/denominator], blanks ignored. Text after the feet mark
// without an inch mark or '/' is inches; a text without any mark is inches.
std::optional<CFeetInchFrac::Parsed> CFeetInchFrac::Parse(std::string_view text) const
{
    std::string s = RemoveBlanks(text);
    Parsed parsed;
    std::string_view rest = s;
    if (!rest.empty() && rest.front() == '-') {
        parsed.sign = -1;
        rest.remove_prefix(1);
    }
    std::string_view parts[4];
    bool inchMark = false;
    for (Part part : {Feet, Inch}) {
        const std::size_t at = rest.find(kSeparators[part]);
        if (at == std::string_view::npos)
            continue;
        parts[part] = rest.substr(0, at);
        rest.remove_prefix(at + 1);
        inchMark = inchMark || part == Inch;
    }
    const std::size_t slash = rest.find('/');
    if (slash != std::string_view::npos) {
        parts[Numerator] = rest.substr(0, slash);
        parts[Denominator] = rest.substr(slash + 1);
    } else if (!rest.empty()) {
        if (inchMark)
            return std::nullopt;
        parts[Inch] = rest;
    }
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        std::optional<int> n = ReadPart(parts[i]);
        if (!n)
            return std::nullopt;
        numbers[i] = *n;
    }
    parsed.feet = numbers[Feet];
    parsed.inch = numbers[Inch];
    parsed.numerator = numbers[Numerator];
    parsed.denominator = numbers[Denominator];
    if (parsed.numerator != 0 || parsed.denominator != 0)
        parsed.denominator = NormalisedDenominator(!parts[Numerator].empty(), parts[Denominator]);
    return parsed;
}

std::optional<double> CFeetInchFrac::ValueOfText(std::string_view text) const
{
    std::optional<Parsed> p = Parse(text);
    if (!p)
        return std::nullopt;
    const double fraction = double(p->numerator) / (p->denominator == 0 ? 1 : p->denominator);
    return p->sign * (p->feet * 12.0 + p->inch + fraction);
}

bool CFeetInchFrac::TakeText(std::string_view text)
{
    std::optional<Parsed> p = Parse(text);
    if (!p)
        return false;
    const bool hasFeet = FieldOf(Feet) >= 0;
    const long long inches = hasFeet ? p->inch : p->feet * 12LL + p->inch;
    if (inches > 999999999)
        return false;
    sign_ = p->sign;
    feet_ = hasFeet ? p->feet : 0;
    inch_ = int(inches);
    numerator_ = p->numerator;
    denominator_ = p->denominator;
    return true;
}

} // namespace lenbox
