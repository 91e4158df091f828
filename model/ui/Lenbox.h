#pragma once
// The main program's handle on a dimension-entry control placed in one of its dialogs or
// views. Lengths travel through the control's DecimalInches property (inches) only; its
// DimensionType property chooses the form it shows (0 imperial, 1 decimal inch, 2 metric).
// The program installs the factory that makes the controls (the LENBOX library's widget).

#include <QPointer>
#include <QWidget>

#include <functional>

class CLenbox {
public:
    using Factory = std::function<QWidget*(QWidget* parent)>;

    explicit CLenbox(QWidget* control = nullptr) : control_(control) {}

    // Installs the factory of the controls; returns the previous one.
    static Factory SetControlFactory(Factory factory);
    // A new control (owned by parent); throws std::logic_error when no factory is installed.
    static QWidget* CreateControl(QWidget* parent);

    QWidget* GetControl() const { return control_; }
    void Attach(QWidget* control) { control_ = control; }

    // The control never keeps the value it showed before: a value it cannot hold (beyond the
    // range of lengths, or not a number) is shown as the nearest length it can hold, and false is
    // returned; GetDecimalInches then reads what the control shows.
    bool SetDecimalInches(double inches);
    double GetDecimalInches() const;
    long GetDimensionType() const;
    void SetDimensionType(long type);
    // The range the control accepts (inches), within the range of lengths; widening or narrowing,
    // the limits never cross. The control's masks are widened where they are too narrow for the
    // range, so that every length of it can be typed.
    void SetLimits(double minInches, double maxInches);
    // The limits of the lengths a document keeps: 0 to the range of lengths (fw::kMaxInches).
    void SetLengthLimits();
    // False makes the control read-only: it shows its value and takes no keys.
    void SetEnableInput(bool enable);

    // Calls back while context lives whenever the control fires its Changed event.
    void OnChanged(QObject* context, std::function<void()> callback) const;
    // Calls back while context lives whenever the control fires its KillFocus event.
    void OnKillFocus(QObject* context, std::function<void()> callback) const;

private:
    void OnEvent(const char* signal, QObject* context, std::function<void()> callback) const;

    QPointer<QWidget> control_;
};
