#include "model/ui/Lenbox.h"

#include <QMetaMethod>
#include <QVariant>

#include <stdexcept>

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

void CLenbox::SetDecimalInches(double inches)
{
    if (control_)
        control_->setProperty("DecimalInches", inches);
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
    // The control refuses a minimum above its maximum, so the side that moves away goes first.
    if (minInches > control_->property("MaxInches").toDouble()) {
        control_->setProperty("MaxInches", maxInches);
        control_->setProperty("MinInches", minInches);
    } else {
        control_->setProperty("MinInches", minInches);
        control_->setProperty("MaxInches", maxInches);
    }
}

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
