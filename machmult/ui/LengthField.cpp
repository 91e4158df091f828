#include "machmult/ui/LengthField.h"

#include "fw/core/MessageService.h"
#include "fw/core/Number.h"
#include "fw/core/StringTable.h"
#include "fw/qt/QtText.h"
#include "model/Dimension.h"

#include <cmath>

namespace machui {

namespace {

constexpr unsigned IDS_LENGTH_RANGE = 33602;

std::string Format(double inches, int system)
{
    CDimension d;
    d.SetUnits(system);
    d.SetValue(inches);
    return d.FormatAs(system);
}

// The same for a message, where no text at all would not read as zero.
std::string FormatForMessage(double inches, int system)
{
    const std::string text = Format(inches, system);
    return text.empty() ? "0" : text;
}

// A plain number with an optional unit after it: inches, or millimetres in the metric system.
std::optional<double> ParseNumber(std::string text, int system)
{
    for (const char* unit : {"in.", "in", "mm"})
        if (text.size() > std::string(unit).size() && text.ends_with(unit)) {
            text.resize(text.size() - std::string(unit).size());
            break;
        }
    const std::optional<double> number = fw::ParseDouble(text);
    if (!number)
        return std::nullopt;
    return system == 2 ? *number / 25.4 : *number;
}

std::optional<double> Parse(const std::string& text, int system)
{
    if (text.find_first_not_of(" \t") == std::string::npos)
        return 0.0;
    if (system == 0 && text.find_first_of("'\"/") != std::string::npos) {
        CDimension d;   // feet, inches and a fraction by their marks
        d.SetUnits(0);
        d.SetText(text);
        return d.GetValue();
    }
    return ParseNumber(text, system);
}

} // namespace

LengthField::LengthField(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        edited_ = true;
        emit Changed();
    });
    Show();
}

void LengthField::SetDimensionType(int system)
{
    const std::optional<double> value = Value();
    system_ = system;
    if (value)
        SetDecimalInches(*value);
}

void LengthField::SetLimits(double minInches, double maxInches)
{
    min_ = minInches;
    max_ = maxInches;
}

void LengthField::SetDecimalInches(double inches)
{
    value_ = inches;
    edited_ = false;
    Show();
}

std::optional<double> LengthField::Value() const
{
    if (!edited_)
        return value_;
    const std::optional<double> value = Parse(fw::FromQString(text()), system_);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::optional<double> LengthField::Read()
{
    const std::optional<double> value = Value();
    if (value && *value >= min_ && *value <= max_)
        return value;
    const std::string text = fw::StringTables::Get("VARNEX").Format(
        IDS_LENGTH_RANGE, {FormatForMessage(min_, system_), FormatForMessage(max_, system_)});
    fw::ShowMessage(text, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    setFocus();
    selectAll();
    return std::nullopt;
}

void LengthField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit KillFocus();
}

void LengthField::Show() { setText(fw::ToQString(Format(value_, system_))); }

} // namespace machui
