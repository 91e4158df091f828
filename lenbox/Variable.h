#pragma once
// The base of the masked length values. A value holds one length in one notation together with
// an edit mask and the edit text the user types over in overwrite mode. The edit text always has
// the mask's layout: a sign position in front when the value is signed, then the digit fields,
// each followed by its separator character (if it has one), then the unit appendage.
//
// A number wider than its field is written in full: the field then takes more positions than
// its mask gives it until the next value is set. Positions are indexes into the edit text. A field is "entered" when the caret goes into it:
// the field being edited is left-aligned (digits first, blanks behind); a field at rest takes its
// own resting alignment. Every operation either succeeds completely or changes nothing.

#include "lenbox/LenboxExport.h"
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lenbox {

enum class CaretKey { Left, Right };

// The positions the caret may take while editing: first is 1 when signed else 0; last is the
// mask's length.
struct EditRange {
    int first = 0;
    int last = 0;
};

class LENBOX_EXPORT CVariable {
public:
    virtual ~CVariable() = default;

    // --- Value -------------------------------------------------------------------------------
    virtual double GetValue() const = 0;
    // A number wider than its field is written in full and widens the edit text beyond the mask;
    // a negative value of an unsigned value is shown with a sign in front. False, with nothing
    // changed, only for a value that is not finite or beyond a billion units.
    bool SetValue(double value);
    bool CanHold(double value) const;

    // --- Mask, appendage, sign ----------------------------------------------------------------
    // False, with nothing changed, when the mask fails its check or the fraction's denominator
    // does not fit it; the value is laid out again in the new fields. Blanks and a leading '-' are
    // ignored; the sign position follows IsSigned().
    bool SetMask(std::string_view mask);
    std::string GetMask() const;   // without blanks and '-'
    bool IsSigned() const { return signed_; }
    // Adds or drops the sign position; a negative value becomes 0 when the sign goes.
    void SetSigned(bool isSigned);
    void SetAppendage(std::string_view appendage);   // blanks removed
    const std::string& GetAppendage() const { return appendage_; }
    const std::string& GetEditText() const { return editText_; }

    // The edit text, or (packed) the value without blanks, justified within the edit text's width.
    virtual std::string BuildText(bool packed, int justify) const = 0;
    // The packed text another value would show, every blank removed; nothing when it cannot.
    std::optional<std::string> PackedTextOf(double value) const;

    // --- Editing ------------------------------------------------------------------------------
    EditRange GetEditRange() const;
    // Types one character over the selection [start, end); on return start and end are both the
    // new caret. keypad: the key came from the numeric keypad. False: refused, nothing changed.
    bool TypeChar(char ch, bool keypad, int& start, int& end);
    // Snaps a position to where the caret may stand, entering the field there.
    int SetCaret(int pos);
    int MoveCaret(CaretKey key, int pos);
    // Blank the selection [start, end) (or the character at / in front of the caret) and return
    // the new caret.
    int Delete(int start, int end);
    int Backspace(int start, int end);
    int Home();   // the first editable position
    int End();    // after the last non-blank character

    // The value a text given from outside stands for, or nothing when it cannot be read.
    virtual std::optional<double> ValueOfText(std::string_view text) const = 0;
    // Takes the value of such a text; false, with nothing changed, when it cannot be read or shown.
    bool SetFromText(std::string_view text);

protected:
    struct Field {
        std::string mask;
        int first = 0;
        char separator = 0;       // the character after the field, 0 for none
        bool restsLeft = false;   // resting alignment
        int width = 0;            // digit positions: the mask's length, more for a number wider than it
        int Length() const { return width > 0 ? width : int(mask.size()); }
        int End() const { return first + Length(); }   // one past the last digit position
    };
    using Edit = std::function<bool(CVariable&)>;

    CVariable() = default;
    CVariable(const CVariable&) = default;
    CVariable& operator=(const CVariable&) = default;

    // --- What each kind of value supplies ------------------------------------------------------
    // Runs an edit on a copy of this value and keeps the copy when the edit returns true.
    virtual bool EditCopy(const Edit& edit) = 0;
    // Runs an edit on a copy of this value that is then dropped; returns the edit's result.
    virtual bool TestCopy(const Edit& edit) const = 0;
    // The fields a mask (checked, without sign) spells; nothing when the mask fails its check.
    virtual std::optional<std::vector<Field>> SplitMask(std::string_view mask) const = 0;
    // The numbers from a value; false when they cannot be shown.
    virtual bool TakeValue(double value) = 0;
    virtual bool TakeText(std::string_view text) = 0;
    virtual void ResetValue() = 0;
    // The edit text from the numbers, every field at rest; false when a number does not fit.
    virtual bool RebuildEditText() = 0;
    virtual void ReadFields() = 0;   // the numbers from the edit text
    // A separator typed at the caret (moved on return); false refuses it.
    virtual bool TypeSeparator(char ch, int& caret) = 0;
    // After a digit was written into the field and the fields were read back; false refuses it.
    virtual bool TypeDigit(int field) { (void)field; return true; }
    virtual int SnapCaret(int pos) = 0;
    virtual int CaretRight(int pos) = 0;
    virtual char TranslateKeypad(char ch, bool keypad) const { (void)keypad; return ch; }
    // After a Delete or Backspace blanked these fields; false refuses the operation.
    virtual bool AfterBlank(const std::vector<int>& touched) { (void)touched; return true; }
    virtual int CaretAfterBackspace(int caret, int field) const;

    // --- Shared machinery ----------------------------------------------------------------------
    // Lays out the fields, each as wide as its mask, after the sign position and stores the mask
    // they spell.
    void LayOut(std::vector<Field> fields);
    // The positions of the fields from their widths.
    void Place();
    // The edit text from one text per field, each field at rest.
    void SetFieldTexts(const std::vector<std::string>& texts);
    // The length of the edit text without its appendage: the mask's length unless a number
    // wider than its field or a sign the mask has no room for is written in full.
    int LayoutLength() const;
    int SignPosition() const { return signShown_ ? 0 : -1; }
    void ReadSign() { sign_ = signShown_ && editText_[0] == '-' ? -1 : 1; }

    // The field whose digits or separator stand at pos; -1 for the sign position and beyond.
    int FieldAt(int pos) const;
    // FieldAt, with the sign position going to the first field and positions beyond the mask
    // to the last one.
    int FieldNear(int pos) const;
    std::string FieldText(int field) const;
    void PutFieldText(int field, std::string_view text);
    bool FieldEmpty(int field) const;
    int DigitsEnd(int field) const;   // just after the digits of a left-aligned field
    bool IsDigitAt(int pos) const;
    bool IsSeparator(char ch) const;

    void RestAlign(int field);
    void EnterField(int field);
    // Enters the field and limits pos to just after its digits.
    int EnterAt(int field, int pos);
    int LeftOverBlanks(int pos, int field) const;
    // The next field entered at its first position; the end of the mask after the last field.
    int EnterNext(int field);
    // Blanks the digit positions of [start, end) (a blanked sign position makes the value
    // positive) and returns the fields touched.
    std::vector<int> BlankRange(int start, int end);
    // Blanks [start, end), reads the fields back, gives the touched ones their resting alignment
    // and enters the field at start, which it returns; nothing when the value refuses the result.
    std::optional<int> BlankSelection(int start, int end);
    // Blanks the field from pos to its end and reads the fields back.
    void EndFieldAt(int field, int pos);
    // The resting alignment of each touched field, after reading the fields back.
    void Settle(const std::vector<int>& touched);

    std::string mask_;
    std::string editText_;
    std::string appendage_;
    bool signed_ = false;
    bool signShown_ = false;   // the edit text has a sign position: signed, or a negative value
    int sign_ = 1;
    std::vector<Field> fields_;
    int editField_ = -1;   // the field being edited, -1 for none

private:
    bool TypeInto(char ch, int& caret, int start, int end);
    std::optional<int> DeleteRange(int start, int end);
    int CaretLeft(int pos);
};

} // namespace lenbox
