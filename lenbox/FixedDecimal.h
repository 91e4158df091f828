#pragma once
// A length as a fixed-decimal number edited under a mask such as 9990.099999: a whole field, then
// a '.' and a fraction field whose length is the number of decimals. The base of the decimal-inch
// and the metric values.

#include "lenbox/LenboxExport.h"
#include "lenbox/Variable.h"

namespace lenbox {

class LENBOX_EXPORT CFixedDecimal : public CVariable {
public:
    static constexpr const char* kBuiltInMask = "99990.099999";

    double GetValue() const override;
    std::string BuildText(bool packed, int justify) const override;
    std::optional<double> ValueOfText(std::string_view text) const override;

    int GetSign() const { return sign_; }
    int GetWhole() const { return whole_; }
    int GetFraction() const { return fraction_; }   // the fraction times 10 to the decimals
    int GetDecimals() const { return decimals_; }

protected:
    explicit CFixedDecimal(std::string_view mask = kBuiltInMask);   // a legal mask, value 0.0

    bool EditCopy(const Edit& edit) override;
    bool TestCopy(const Edit& edit) const override;
    std::optional<std::vector<Field>> SplitMask(std::string_view mask) const override;
    bool TakeValue(double value) override;
    bool TakeText(std::string_view text) override;
    void ResetValue() override;
    bool RebuildEditText() override;
    void ReadFields() override;
    bool TypeSeparator(char ch, int& caret) override;
    int SnapCaret(int pos) override;
    int CaretRight(int pos) override;

private:
    int MaskDecimals() const;   // the fraction field's length

    int whole_ = 0;
    int fraction_ = 0;
    int decimals_ = 0;   // the scale of fraction_
};

} // namespace lenbox
