#pragma once
// A length entry field: shows a length in inches in feet-inch-fraction, decimal inches or
// millimetres and reads back what the user types. It keeps the value it was given exactly until
// the user edits the text, so that showing a value never rounds it.

#include <QLineEdit>

#include <optional>

namespace machui {

class LengthField : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double DecimalInches READ GetDecimalInches WRITE SetDecimalInches)
    Q_PROPERTY(int DimensionType READ GetDimensionType WRITE SetDimensionType)

public:
    explicit LengthField(QWidget* parent = nullptr);

    // 0 feet-inch-fraction, 1 decimal inch, 2 metric; the value is shown again.
    void SetDimensionType(int system);
    int GetDimensionType() const { return system_; }
    void SetLimits(double minInches, double maxInches);
    double GetMinInches() const { return min_; }
    double GetMaxInches() const { return max_; }

    void SetDecimalInches(double inches);
    // The value shown, or the one typed; 0 when the typed text is not a length.
    double GetDecimalInches() const { return Value().value_or(0.0); }
    // The value shown, or the one typed; none when the typed text is not a length.
    std::optional<double> Value() const;
    // The value when it is a length within the limits; otherwise the range message, the focus
    // back on the field, and none.
    std::optional<double> Read();

signals:
    void Changed();
    void KillFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Show();

    int system_ = 0;
    double value_ = 0.0;
    bool edited_ = false;
    double min_ = -1e12;
    double max_ = 1e12;
};

} // namespace machui
