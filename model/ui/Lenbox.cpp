#include "model/ui/Lenbox.h"

#include "fw/core/SaneLength.h"

#include <QMetaMethod>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

CLenbox::Factory& TheFactory()
{
    static CLenbox::Factory factory;
    return factory;
}

// Relays a signal of any signature without arguments to a callback; lives as long as its parent.
class SignalRelay : public QObject {
    Q_OBJECT
public:
    SignalRelay(QObject* parent, std::function<void()> callback) : QObject(parent), callback_(std::move(callback)) {}

public slots:
    void Fire() { callback_(); }

private:
    std::function<void()> callback_;
};

// The nearest length the control can hold.
double Holdable(double inches)
{
    return std::isnan(inches) ? 0.0 : std::clamp(inches, -fw::kMaxInches, fw::kMaxInches);
}

int DigitsOf(double magnitude)
{
    return int(std::to_string(static_cast<long long>(std::floor(magnitude))).size());
}

// The mask with its leading field (the text before `separator`, or all of it when there is none)
// widened with leading '9's to at least `digits` positions; an empty mask stays empty.
QString Widened(const QString& mask, QChar separator, int digits)
{
    QString text = mask;
    text.remove(QLatin1Char(' '));
    if (text.isEmpty())
        return text;
    const qsizetype at = text.indexOf(separator);
    const qsizetype field = at < 0 ? text.size() : at;
    return field < digits ? QString(digits - field, QLatin1Char('9')) + text : text;
}

// Widens the leading field of a mask property of the control, when it has that property.
void Widen(QWidget& control, const char* property, QChar separator, int digits)
{
    if (control.metaObject()->indexOfProperty(property) < 0)
        return;
    const QString mask = control.property(property).toString();
    const QString wide = Widened(mask, separator, digits);
    if (wide != mask)
        control.setProperty(property, wide);
}

// Masks wide enough to type a length of `inches`: the feet field (or without one the inch field)
// of the feet-inch-fraction mask and the whole fields of the two decimal masks.
void WidenMasks(QWidget& control, double inches)
{
    const QString feet = control.property("FormatFeet").toString();
    if (feet.contains(QLatin1Char('\'')))
        Widen(control, "FormatFeet", QLatin1Char('\''), DigitsOf(inches / 12.0));
    else if (feet.contains(QLatin1Char('"')))
        Widen(control, "FormatFeet", QLatin1Char('"'), DigitsOf(inches));
    Widen(control, "FormatInch", QLatin1Char('.'), DigitsOf(inches));
    Widen(control, "FormatMetric", QLatin1Char('.'), DigitsOf(inches * 25.4 + 0.5));
}

} // namespace

CLenbox::Factory CLenbox::SetControlFactory(Factory factory)
{
    Factory previous = std::move(TheFactory());
    TheFactory() = std::move(factory);
    return previous;
}

QWidget* CLenbox::CreateControl(QWidget* parent)
{
    if (!TheFactory())
        throw std::logic_error("no dimension-entry control is installed");
    return TheFactory()(parent);
}

bool CLenbox::SetDecimalInches(double inches)
{
    const double held = Holdable(inches);
    if (control_)
        control_->setProperty("DecimalInches", held);
    return held == inches;
}

double CLenbox::GetDecimalInches() const { return control_ ? control_->property("DecimalInches").toDouble() : 0.0; }

long CLenbox::GetDimensionType() const
{
    return control_ ? long(control_->property("DimensionType").toLongLong()) : 0;
}

void CLenbox::SetDimensionType(long type)
{
    if (control_)
        control_->setProperty("DimensionType", QVariant::fromValue(type));
}

void CLenbox::SetLimits(double minInches, double maxInches)
{
    if (!control_)
        return;
    minInches = Holdable(minInches);
    maxInches = Holdable(maxInches);
    WidenMasks(*control_, std::max(std::fabs(minInches), std::fabs(maxInches)));
    // The control refuses a minimum above its maximum, so the side that moves away goes first.
    if (minInches > control_->property("MaxInches").toDouble()) {
        control_->setProperty("MaxInches", maxInches);
        control_->setProperty("MinInches", minInches);
    } else {
        control_->setProperty("MinInches", minInches);
        control_->setProperty("MaxInches", maxInches);
    }
}

void CLenbox::SetLengthLimits() { SetLimits(0.0, fw::kMaxInches); }

void CLenbox::SetEnableInput(bool enable)
{
    if (control_)
        control_->setProperty("EnableInput", enable);
}

void CLenbox::OnChanged(QObject* context, std::function<void()> callback) const
{
    OnEvent("Changed()", context, std::move(callback));
}

void CLenbox::OnKillFocus(QObject* context, std::function<void()> callback) const
{
    OnEvent("KillFocus()", context, std::move(callback));
}

void CLenbox::OnEvent(const char* signal, QObject* context, std::function<void()> callback) const
{
    if (!control_)
        return;
    const QMetaObject* meta = control_->metaObject();
    const int index = meta->indexOfSignal(signal);
    if (index < 0)
        return;
    auto* relay = new SignalRelay(context, std::move(callback));   // owned by context
    QObject::connect(control_, meta->method(index), relay,
                     relay->metaObject()->method(relay->metaObject()->indexOfSlot("Fire()")));
}

#include "Lenbox.moc"
