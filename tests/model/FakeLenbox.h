#pragma once
// A stand-in for the dimension-entry control with its two properties and its Changed event,
// installed as the control factory for the widget tests.

#include "model/ui/Lenbox.h"

#include <QLineEdit>

class FakeLenbox : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double DecimalInches READ DecimalInches WRITE SetDecimalInches)
    Q_PROPERTY(long DimensionType READ DimensionType WRITE SetDimensionType)
public:
    using QLineEdit::QLineEdit;

    double DecimalInches() const { return inches_; }
    void SetDecimalInches(double inches) { inches_ = inches; }
    long DimensionType() const { return type_; }
    void SetDimensionType(long type) { type_ = type; }

    // What a user's edit does: a new value, then the Changed event.
    void Type(double inches)
    {
        inches_ = inches;
        emit Changed();
    }

signals:
    void Changed();

private:
    double inches_ = 0.0;
    long type_ = 0;
};

// Installs FakeLenbox as the control factory for its lifetime.
class FakeLenboxFactory {
public:
    FakeLenboxFactory();
    ~FakeLenboxFactory();
    FakeLenboxFactory(const FakeLenboxFactory&) = delete;
    FakeLenboxFactory& operator=(const FakeLenboxFactory&) = delete;

    static FakeLenbox& Of(CLenbox& lenbox) { return *static_cast<FakeLenbox*>(lenbox.GetControl()); }

private:
    CLenbox::Factory previous_;
};
