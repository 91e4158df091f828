#pragma once
// The dimension-entry control: a line edit in which the user types one length under an edit mask
// in feet-inch-fraction, decimal inches or millimetres. Any dialog embeds it by creating it.
//
// The rules live in LenboxModel; this widget forwards keys, clicks and focus changes to it and
// shows its text. A property setter that refuses its value emits Error and returns false.

#include "lenbox/LenboxExport.h"
#include "lenbox/LenboxModel.h"
#include "lenbox/PropPageValues.h"

#include "fw/core/Archive.h"
#include "fw/core/Component.h"

#include <QLineEdit>

namespace lenbox {

class LENBOX_EXPORT CLenboxCtrl : public QLineEdit, public fw::Unknown {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ GetAutoSize WRITE SetAutoSize)
    Q_PROPERTY(int BackGround READ GetBackGround WRITE SetBackGround)
    Q_PROPERTY(QString DecimalInchString READ GetDecimalInchString WRITE SetDecimalInchString)
    Q_PROPERTY(QString DecimalInchAppendage READ GetDecimalInchAppendage WRITE SetDecimalInchAppendage)
    Q_PROPERTY(double DecimalInches READ GetDecimalInches WRITE SetDecimalInches)
    Q_PROPERTY(int DefaultDenominator READ GetDefaultDenominator WRITE SetDefaultDenominator)
    Q_PROPERTY(int DimensionType READ GetDimensionType WRITE SetDimensionType)
    Q_PROPERTY(bool EnableInput READ GetEnableInput WRITE SetEnableInput)
    Q_PROPERTY(QString FeetInchFracString READ GetFeetInchFracString WRITE SetFeetInchFracString)
    Q_PROPERTY(QString FormatFeet READ GetFormatFeet WRITE SetFormatFeet)
    Q_PROPERTY(QString FormatInch READ GetFormatInch WRITE SetFormatInch)
    Q_PROPERTY(QString FormatMetric READ GetFormatMetric WRITE SetFormatMetric)
    Q_PROPERTY(double InitialValue READ GetInitialValue WRITE SetInitialValue)
    Q_PROPERTY(int JustifyType READ GetJustifyType WRITE SetJustifyType)
    Q_PROPERTY(int MaxDenominator READ GetMaxDenominator WRITE SetMaxDenominator)
    Q_PROPERTY(double MaxInches READ GetMaxInches WRITE SetMaxInches)
    Q_PROPERTY(QString MetricAppendage READ GetMetricAppendage WRITE SetMetricAppendage)
    Q_PROPERTY(QString MetricString READ GetMetricString WRITE SetMetricString)
    Q_PROPERTY(double MinInches READ GetMinInches WRITE SetMinInches)
    Q_PROPERTY(bool Packed READ GetPacked WRITE SetPacked)
    Q_PROPERTY(bool ToolTips READ GetToolTips WRITE SetToolTips)
    Q_PROPERTY(float GetFloatDecInch READ GetGetFloatDecInch WRITE SetGetFloatDecInch)

public:
    explicit CLenboxCtrl(QWidget* parent = nullptr);
    ~CLenboxCtrl() override;

    // --- Properties ----------------------------------------------------------------------------
    bool GetAutoSize() const { return model_.GetAutoSize(); }
    bool SetAutoSize(bool on);
    int GetBackGround() const { return model_.GetBackGround(); }
    bool SetBackGround(int value);
    QString GetDecimalInchString() const;
    bool SetDecimalInchString(const QString& text);
    QString GetDecimalInchAppendage() const;
    bool SetDecimalInchAppendage(const QString& text);
    double GetDecimalInches() const { return model_.GetDecimalInches(); }
    bool SetDecimalInches(double inches);
    int GetDefaultDenominator() const { return model_.GetDefaultDenominator(); }
    bool SetDefaultDenominator(int n);
    int GetDimensionType() const { return model_.GetDimensionType(); }
    bool SetDimensionType(int type);
    bool GetEnableInput() const { return model_.GetEnableInput(); }
    bool SetEnableInput(bool on);
    QString GetFeetInchFracString() const;
    bool SetFeetInchFracString(const QString& text);
    QString GetFormatFeet() const;
    bool SetFormatFeet(const QString& mask);
    QString GetFormatInch() const;
    bool SetFormatInch(const QString& mask);
    QString GetFormatMetric() const;
    bool SetFormatMetric(const QString& mask);
    double GetInitialValue() const { return model_.GetInitialValue(); }
    bool SetInitialValue(double inches);
    int GetJustifyType() const { return model_.GetJustifyType(); }
    bool SetJustifyType(int value);
    int GetMaxDenominator() const { return model_.GetMaxDenominator(); }
    bool SetMaxDenominator(int n);
    double GetMaxInches() const { return model_.GetMaxInches(); }
    bool SetMaxInches(double inches);
    QString GetMetricAppendage() const;
    bool SetMetricAppendage(const QString& text);
    QString GetMetricString() const;
    bool SetMetricString(const QString& text);
    double GetMinInches() const { return model_.GetMinInches(); }
    bool SetMinInches(double inches);
    bool GetPacked() const { return model_.GetPacked(); }
    bool SetPacked(bool on);
    bool GetToolTips() const { return model_.GetToolTips(); }
    bool SetToolTips(bool on);
    float GetGetFloatDecInch() const { return model_.GetGetFloatDecInch(); }
    bool SetGetFloatDecInch(float value);

    // Stock properties.
    std::uint32_t GetBackColor() const { return model_.GetStock().backColor; }
    bool SetBackColor(std::uint32_t color);
    std::uint32_t GetForeColor() const { return model_.GetStock().foreColor; }
    bool SetForeColor(std::uint32_t color);
    const LenboxFont& GetStockFont() const { return model_.GetStock().font; }
    bool SetStockFont(const LenboxFont& font);
    int GetBorderStyle() const { return model_.GetStock().borderStyle; }
    bool SetBorderStyle(int style);
    int GetAppearance() const { return model_.GetStock().appearance; }
    bool SetAppearance(int appearance);

    // Shows the about box modally.
    void AboutBox();

    // --- Configuration and persistence ---------------------------------------------------------
    const LenboxModel& Model() const { return model_; }
    // The values of a property page; returns the message for what the control refused (it then
    // keeps every property as it was), or an empty string.
    std::string ApplyPage(const GeneralPageValues& values);
    std::string ApplyPage(const SpecificsPageValues& values);
    // The property stream, with the control's current size as its extent. Loading throws
    // fw::ArchiveException on a stream the control cannot take and then changes nothing.
    void SaveProperties(fw::Archive& ar) const;
    void LoadProperties(fw::Archive& ar);

signals:
    // The error arguments are number, description, status, source, help file and help context.
    void FormatError(int number, const QString& description, int scode, const QString& source,
                     const QString& helpFile, int helpContext);
    void Error(int number, const QString& description, int scode, const QString& source,
               const QString& helpFile, int helpContext);
    void DecimalInchValueError(double dDecimalInches, const QString& strInput, const QString& strMin,
                               const QString& strMax);
    void KillFocus();
    void SetFocus();
    void Changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Turns the model's events into signals.
    class EventRelay : public LenboxEvents {
    public:
        explicit EventRelay(CLenboxCtrl& ctrl) : ctrl_(ctrl) {}
        void DecimalInchValueError(double inches, const std::string& input, const std::string& minText,
                                   const std::string& maxText) override;
        void Changed() override;

    private:
        CLenboxCtrl& ctrl_;
    };

    // Runs a setter; on refusal emits Error and returns false. Shows the result either way.
    template <class Setter> bool Set(Setter setter);
    template <class Arg, class Value> bool Set(void (LenboxModel::*setter)(Arg), const Value& value);
    // Shows the model's stock properties and text, keeping the selection.
    void Sync();
    // Shows the text (the edit text while editing, else the display text) and the tooltip, and
    // selects [start, end).
    void Show(int start, int end);
    std::pair<int, int> Selection() const;
    bool Editing() const { return focused_ || hovering_; }
    void TypeText(const QString& text, bool keypad);

    LenboxModel model_;
    EventRelay relay_{*this};
    bool focused_ = false;    // between focus in and focus out
    bool hovering_ = false;   // the pointer is over the control
};

} // namespace lenbox
